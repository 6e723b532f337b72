// Forms, labels and custom controls as real windows.
#include <gtest/gtest.h>

#include <vector>

#include "toolkit/custom_control.hpp"
#include "toolkit/form.hpp"
#include "toolkit/label.hpp"
#include "toolkit/menu.hpp"
#include "win32/toolkit_fixture.hpp"

namespace welmor {
namespace {

using testenv::AsHwnd;
using testenv::WindowText;

constexpr Color kSkyBlue = 0xF0CAA6;
constexpr Color kRed = 0x0000FF;
constexpr Color kBlue = 0xFF0000;
constexpr Color kGreen = 0x00FF00;

class ShadowForm : public Form {
 public:
  using Form::Form;
  void CreateParams(CreateParamsRec& params) override {
    Form::CreateParams(params);
    params.windowClassStyle |= kClassStyleDropShadow;
  }
};

// Left half red, right half blue, a green pixel at the top-left corner.
class Halves : public CustomControl {
 public:
  using CustomControl::CustomControl;

 protected:
  void Paint(Canvas& canvas) override {
    Bitmap& b = canvas.Target();
    for (int32_t y = 0; y < b.Height(); ++y) {
      for (int32_t x = 0; x < b.Width(); ++x) b.SetPixel(x, y, x < b.Width() / 2 ? kRed : kBlue);
    }
    b.SetPixel(0, 0, kGreen);
  }
};

class Win32Windows : public testenv::Win32Toolkit {
 protected:
  Form& MakeForm(int32_t left = 40, int32_t top = 60, int32_t width = 422, int32_t height = 34) {
    Form& form = App().CreateForm<Form>();
    form.SetBorderStyle(FormBorderStyle::None);
    form.SetBounds(left, top, width, height);
    return form;
  }
  Label& MakePanel(Form& form, int32_t left) {
    Label& label = form.Make<Label>();
    label.SetParent(&form);
    label.SetBounds(left, 0, 140, 17);
    label.SetAlignment(Alignment::Center);
    label.SetBorderStyle(StaticBorder::Single);
    label.SetColor(kSkyBlue);
    label.SetFont(Font{"Arial", -11, 0, 0});
    label.SetCaption("Gathering data ...");
    return label;
  }
  // Shows the window without activating it, and paints it now.
  static void ShowQuietly(Form& form) {
    form.CreatePeers();
    HWND hwnd = AsHwnd(form.Handle());
    ::SetWindowPos(hwnd, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE | SWP_SHOWWINDOW);
    ::RedrawWindow(hwnd, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
  }
  static Color ScreenPixel(HWND window, int32_t x, int32_t y) {
    HDC dc = ::GetDC(window);
    const COLORREF c = ::GetPixel(dc, x, y);
    ::ReleaseDC(window, dc);
    return static_cast<Color>(c);
  }
};

TEST_F(Win32Windows, ABorderlessFormIsAnOwnedPopupWithoutCaptionAtItsBounds) {
  Form& form = MakeForm(40, 60, 422, 34);
  form.SetCaption("Welmor");
  HWND hwnd = AsHwnd(form.Handle());
  ASSERT_NE(hwnd, nullptr);
  const LONG style = ::GetWindowLongA(hwnd, GWL_STYLE);
  EXPECT_NE(style & WS_POPUP, 0);
  EXPECT_EQ(style & WS_CAPTION, 0);
  EXPECT_EQ(style & WS_THICKFRAME, 0);
  EXPECT_EQ(style & WS_VISIBLE, 0);  // forms start hidden
  EXPECT_EQ(::GetWindow(hwnd, GW_OWNER), Backend().AppWindow());
  EXPECT_EQ(::GetClassLongA(hwnd, GCL_STYLE) & CS_DROPSHADOW, 0u);
  EXPECT_EQ(WindowText(hwnd), "Welmor");
  RECT r;
  ::GetWindowRect(hwnd, &r);
  EXPECT_EQ(r.left, 40);
  EXPECT_EQ(r.top, 60);
  EXPECT_EQ(r.right, 462);
  EXPECT_EQ(r.bottom, 94);
}

TEST_F(Win32Windows, AFormIsPaintedInTheSystemsButtonFaceColour) {
  // A colour no default would give, so the form must have read it.
  const int element = COLOR_BTNFACE;
  const COLORREF before = ::GetSysColor(element);
  const COLORREF odd = RGB(0x12, 0x9A, 0x56);
  ASSERT_TRUE(::SetSysColors(1, &element, &odd));
  Form& form = App().CreateForm<Form>();
  ::SetSysColors(1, &element, &before);
  EXPECT_EQ(form.GetColor(), static_cast<Color>(odd));
  form.SetBorderStyle(FormBorderStyle::None);
  form.SetBounds(40, 40, 60, 20);
  ShowQuietly(form);
  EXPECT_EQ(ScreenPixel(AsHwnd(form.Handle()), 30, 10), static_cast<Color>(odd));
}

TEST_F(Win32Windows, CreateParamsCanAddTheDropShadowToTheWindowClass) {
  Form& plain = MakeForm();
  Form& shadowed = App().CreateForm<ShadowForm>();
  shadowed.SetBorderStyle(FormBorderStyle::None);
  HWND plainWindow = AsHwnd(plain.Handle());
  HWND shadowWindow = AsHwnd(shadowed.Handle());
  EXPECT_NE(::GetClassLongA(shadowWindow, GCL_STYLE) & CS_DROPSHADOW, 0u);
  // The plain form's class stays without it: each class style has its class.
  EXPECT_EQ(::GetClassLongA(plainWindow, GCL_STYLE) & CS_DROPSHADOW, 0u);
  EXPECT_EQ(::GetWindowLongA(shadowWindow, GWL_STYLE) & WS_CAPTION, 0);
}

TEST_F(Win32Windows, BorderStylesGiveTheirFrames) {
  Form& form = App().CreateForm<Form>();
  HWND hwnd = AsHwnd(form.Handle());  // Sizeable by default
  EXPECT_EQ(::GetWindowLongA(hwnd, GWL_STYLE) & WS_CAPTION, WS_CAPTION);
  EXPECT_NE(::GetWindowLongA(hwnd, GWL_STYLE) & WS_THICKFRAME, 0);
  form.SetBorderStyle(FormBorderStyle::None);
  EXPECT_EQ(::GetWindowLongA(hwnd, GWL_STYLE) & (WS_CAPTION | WS_THICKFRAME), 0);
  EXPECT_NE(::GetWindowLongA(hwnd, GWL_STYLE) & WS_POPUP, 0);
}

TEST_F(Win32Windows, TheFormFollowsMovesMadeOutsideTheToolkit) {
  Form& form = MakeForm(40, 60, 422, 17);
  HWND hwnd = AsHwnd(form.Handle());
  ::SetWindowPos(hwnd, nullptr, 300, 250, 422, 34, SWP_NOZORDER | SWP_NOACTIVATE);
  EXPECT_EQ(form.BoundsRect(), (Rect{300, 250, 722, 284}));
  form.SetBounds(10, 20, 422, 17);
  RECT r;
  ::GetWindowRect(hwnd, &r);
  EXPECT_EQ(r.left, 10);
  EXPECT_EQ(r.top, 20);
  EXPECT_EQ(r.bottom - r.top, 17);
}

TEST_F(Win32Windows, ClosingTheWindowAsksTheForm) {
  Form& main = MakeForm();
  Form& other = MakeForm();
  int closes = 0;
  other.OnClose = [&](Component&, CloseAction& action) {
    ++closes;
    if (closes == 1) action = CloseAction::None;  // refused the first time
  };
  HWND hwnd = AsHwnd(other.Handle());
  ::SetWindowPos(hwnd, nullptr, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE | SWP_SHOWWINDOW);
  other.SetVisible(true);
  ::SendMessageA(hwnd, WM_CLOSE, 0, 0);
  EXPECT_EQ(closes, 1);
  EXPECT_TRUE(::IsWindow(hwnd));
  EXPECT_TRUE(::IsWindowVisible(hwnd));
  ::SendMessageA(hwnd, WM_CLOSE, 0, 0);
  EXPECT_EQ(closes, 2);
  EXPECT_TRUE(::IsWindow(hwnd));  // a form that is not the main one is hidden, not destroyed
  EXPECT_FALSE(::IsWindowVisible(hwnd));
  EXPECT_FALSE(App().Terminated());
  ::SendMessageA(AsHwnd(main.Handle()), WM_CLOSE, 0, 0);
  EXPECT_TRUE(App().Terminated());
}

TEST_F(Win32Windows, ALabelIsABorderedChildWhoseTextOthersCanRead) {
  Form& form = MakeForm();
  Label& label = MakePanel(form, 141);
  form.CreatePeers();
  HWND hwnd = AsHwnd(label.Handle());
  ASSERT_NE(hwnd, nullptr);
  EXPECT_EQ(::GetParent(hwnd), AsHwnd(form.Handle()));
  EXPECT_NE(::GetWindowLongA(hwnd, GWL_STYLE) & WS_CHILD, 0);
  EXPECT_NE(::GetWindowLongA(hwnd, GWL_STYLE) & WS_BORDER, 0);
  EXPECT_EQ(WindowText(hwnd), "Gathering data ...");
  label.SetCaption("Free RAM: 1.50 GiB");
  char text[64] = {};
  ::SendMessageA(hwnd, WM_GETTEXT, sizeof text, reinterpret_cast<LPARAM>(text));
  EXPECT_STREQ(text, "Free RAM: 1.50 GiB");
  RECT r;
  ::GetWindowRect(hwnd, &r);
  EXPECT_EQ(r.right - r.left, 140);
  EXPECT_EQ(r.bottom - r.top, 17);
  label.SetBorderStyle(StaticBorder::None);
  EXPECT_EQ(::GetWindowLongA(hwnd, GWL_STYLE) & WS_BORDER, 0);
}

TEST_F(Win32Windows, ALabelPaintsABlackFrameItsColourAndItsText) {
  Form& form = MakeForm(40, 60, 422, 17);
  Label& label = MakePanel(form, 0);
  label.SetCaption("MMMMMMMMMM");
  ShowQuietly(form);
  HWND formWindow = AsHwnd(form.Handle());
  // Frame: the window's outermost pixels; inside: the control's colour.
  EXPECT_EQ(ScreenPixel(formWindow, 0, 0), 0u);
  EXPECT_EQ(ScreenPixel(formWindow, 139, 16), 0u);
  EXPECT_EQ(ScreenPixel(formWindow, 2, 2), kSkyBlue);
  EXPECT_EQ(ScreenPixel(formWindow, 137, 14), kSkyBlue);
  // Centred text in the font colour: some dark pixels around the middle,
  // none near the ends.
  label.SetFontColor(kRed);
  ::UpdateWindow(AsHwnd(label.Handle()));
  int32_t inked = 0;
  int32_t inkedAtEnds = 0;
  for (int32_t y = 1; y < 16; ++y) {
    for (int32_t x = 1; x < 139; ++x) {
      if (ScreenPixel(formWindow, x, y) != kSkyBlue) {
        ++inked;
        if (x < 10 || x > 129) ++inkedAtEnds;
      }
    }
  }
  EXPECT_GT(inked, 30);
  EXPECT_EQ(inkedAtEnds, 0);
}

TEST_F(Win32Windows, ACustomControlsImageReachesTheScreenInItsOwnColours) {
  Form& form = MakeForm(40, 100, 64, 20);
  Halves& halves = form.Make<Halves>();
  halves.SetParent(&form);
  halves.SetBounds(2, 3, 40, 12);
  ShowQuietly(form);
  HWND hwnd = AsHwnd(halves.Handle());
  ::UpdateWindow(hwnd);
  EXPECT_EQ(ScreenPixel(hwnd, 0, 0), kGreen);
  EXPECT_EQ(ScreenPixel(hwnd, 5, 5), kRed);
  EXPECT_EQ(ScreenPixel(hwnd, 19, 11), kRed);
  EXPECT_EQ(ScreenPixel(hwnd, 20, 0), kBlue);
  EXPECT_EQ(ScreenPixel(hwnd, 39, 11), kBlue);
  // A new size composes a new image: the halves move.
  halves.SetWidth(20);
  ::UpdateWindow(hwnd);
  EXPECT_EQ(ScreenPixel(hwnd, 12, 5), kBlue);
  EXPECT_EQ(ScreenPixel(hwnd, 9, 5), kRed);
}

TEST_F(Win32Windows, MouseMovesReachTheControlWithShiftStateAndClientPoint) {
  Form& form = MakeForm();
  Label& label = MakePanel(form, 0);
  form.CreatePeers();
  Control* sender = nullptr;
  uint32_t shift = 0;
  Point at;
  label.OnMouseMove = [&](Control& s, uint32_t sh, int32_t x, int32_t y) {
    sender = &s;
    shift = sh;
    at = {x, y};
  };
  ::SendMessageA(AsHwnd(label.Handle()), WM_MOUSEMOVE, MK_LBUTTON | MK_SHIFT, MAKELPARAM(5, 7));
  EXPECT_EQ(sender, &label);
  EXPECT_EQ(shift & (ssLeft | ssShift | ssRight | ssCtrl), static_cast<uint32_t>(ssLeft | ssShift));
  EXPECT_EQ(at, (Point{5, 7}));
}

TEST_F(Win32Windows, OnlyTheLeftButtonKeepsTheMouseUntilItsRelease) {
  Form& form = MakeForm();
  Label& label = MakePanel(form, 0);
  form.CreatePeers();
  const HWND hwnd = AsHwnd(label.Handle());
  ::SendMessageA(hwnd, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
  EXPECT_EQ(::GetCapture(), hwnd);
  ::SendMessageA(hwnd, WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
  EXPECT_EQ(::GetCapture(), nullptr);
  ::SendMessageA(hwnd, WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(5, 5));
  EXPECT_EQ(::GetCapture(), nullptr);
  ::SendMessageA(hwnd, WM_RBUTTONUP, 0, MAKELPARAM(5, 5));
  ::SendMessageA(hwnd, WM_MBUTTONDOWN, MK_MBUTTON, MAKELPARAM(5, 5));
  EXPECT_EQ(::GetCapture(), nullptr);
  ::SendMessageA(hwnd, WM_MBUTTONUP, 0, MAKELPARAM(5, 5));
}

TEST_F(Win32Windows, ARightClickOpensThePopupMenuOfTheControlUnderTheMouse) {
  Form& form = MakeForm();
  Label& label = MakePanel(form, 0);
  PopupMenu& formMenu = form.Make<PopupMenu>();
  PopupMenu& labelMenu = form.Make<PopupMenu>();
  MenuItem& item = form.Make<MenuItem>();
  item.SetCaption("Exit");
  labelMenu.Items().Add(item);
  formMenu.Items().Add(form.Make<MenuItem>());
  form.SetPopupMenu(&formMenu);
  label.SetPopupMenu(&labelMenu);
  form.CreatePeers();
  std::vector<PopupMenu*> opened;
  formMenu.OnPopup = [&](Component&) { opened.push_back(&formMenu); };
  labelMenu.OnPopup = [&](Component&) { opened.push_back(&labelMenu); };
  {
    // Close each menu as soon as it shows.
    testenv::WhileModal closer("#32768", [](HWND) { ::EndMenu(); });
    ::SendMessageA(AsHwnd(label.Handle()), WM_CONTEXTMENU, reinterpret_cast<WPARAM>(AsHwnd(label.Handle())),
                   MAKELPARAM(100, 100));
  }
  {
    testenv::WhileModal closer("#32768", [](HWND) { ::EndMenu(); });
    ::SendMessageA(AsHwnd(form.Handle()), WM_CONTEXTMENU, reinterpret_cast<WPARAM>(AsHwnd(form.Handle())),
                   MAKELPARAM(100, 100));
  }
  EXPECT_EQ(opened, (std::vector<PopupMenu*>{&labelMenu, &formMenu}));
}

}  // namespace
}  // namespace welmor
