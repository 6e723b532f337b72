#include "toolkit/win32/label_window.hpp"

#include "toolkit/application.hpp"
#include "toolkit/win32/control_messages.hpp"
#include "toolkit/win32/gdi_font.hpp"
#include "toolkit/win32/tooltips.hpp"
#include "toolkit/win32/window_classes.hpp"

namespace welmor {

namespace {

struct LabelStyles {
  DWORD style;
  DWORD exStyle;
};

LabelStyles StylesOf(const Label& label) {
  LabelStyles s{WS_CHILD | WS_CLIPSIBLINGS, 0};
  if (label.Visible()) s.style |= WS_VISIBLE;
  // A single border is the one-pixel black frame of a bordered static text.
  if (label.BorderStyle() == StaticBorder::Single) s.style |= WS_BORDER;
  if (label.BorderStyle() == StaticBorder::Sunken) s.exStyle |= WS_EX_STATICEDGE;
  return s;
}

UINT DrawFlagsOf(const Label& label) {
  UINT flags = DT_WORDBREAK | DT_NOPREFIX | DT_EXPANDTABS;
  switch (label.GetAlignment()) {
    case Alignment::LeftJustify:
      flags |= DT_LEFT;
      break;
    case Alignment::RightJustify:
      flags |= DT_RIGHT;
      break;
    case Alignment::Center:
      flags |= DT_CENTER;
      break;
  }
  return flags;
}

}  // namespace

std::unique_ptr<LabelWindow> LabelWindow::Create(const Win32Context& context, Label& label) {
  auto self = std::make_unique<LabelWindow>(context, label);
  const std::string className =
      context.classes.Ensure({kLabelClassName, &LabelWindow::WindowProc, CS_DBLCLKS, kExtraBytes});
  if (className.empty()) return nullptr;
  HWND parent = ParentWindowFor(label, context);
  const LabelStyles s = StylesOf(label);
  const Rect b = label.BoundsRect();
  HWND hwnd =
      ::CreateWindowExA(s.exStyle, className.c_str(), label.Caption().c_str(), s.style, b.left, b.top,
                        b.Width(), b.Height(), parent, nullptr, context.classes.Instance(), self.get());
  if (hwnd == nullptr) return nullptr;
  self->window_.reset(hwnd);
  PlaceAboveEarlierSiblings(hwnd);
  context.tooltips.Update(label, hwnd);
  return self;
}

LabelWindow::~LabelWindow() {
  HWND hwnd = window_.get();
  context_.tooltips.Remove(hwnd);
  Detach(hwnd);
  window_.reset();
}

void LabelWindow::Changed(Change what) {
  HWND hwnd = window_.get();
  if (hwnd == nullptr) return;
  switch (what) {
    case Change::Bounds: {
      const Rect b = label_.BoundsRect();
      ::SetWindowPos(hwnd, nullptr, b.left, b.top, b.Width(), b.Height(), SWP_NOZORDER | SWP_NOACTIVATE);
      break;
    }
    case Change::Visible:
      ::ShowWindow(hwnd, label_.Visible() ? SW_SHOWNA : SW_HIDE);
      break;
    case Change::Text:
      ::SetWindowTextA(hwnd, label_.Caption().c_str());
      ::InvalidateRect(hwnd, nullptr, FALSE);
      break;
    case Change::Font:
      font_.reset();
      ::InvalidateRect(hwnd, nullptr, FALSE);
      break;
    case Change::Color:
    case Change::Paint:
      ::InvalidateRect(hwnd, nullptr, FALSE);
      break;
    case Change::Hint:
      context_.tooltips.Update(label_, hwnd);
      break;
    case Change::Style: {
      const LabelStyles s = StylesOf(label_);
      const auto style = static_cast<DWORD>(::GetWindowLongPtrA(hwnd, GWL_STYLE));
      ::SetWindowLongPtrA(hwnd, GWL_STYLE, (style & ~WS_BORDER) | (s.style & WS_BORDER));
      ::SetWindowLongPtrA(hwnd, GWL_EXSTYLE, s.exStyle);
      ::SetWindowPos(hwnd, nullptr, 0, 0, 0, 0,
                     SWP_FRAMECHANGED | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
      ::InvalidateRect(hwnd, nullptr, FALSE);
      break;
    }
  }
}

void LabelWindow::PaintFrame(HWND hwnd) {
  // Black whatever the system's window-frame colour, as the classic bordered
  // static text shows it.
  window_dc dc(hwnd, window_dc::Whole);
  if (!dc) return;
  RECT r;
  ::GetWindowRect(hwnd, &r);
  ::OffsetRect(&r, -r.left, -r.top);
  ::FrameRect(dc.get(), &r, static_cast<HBRUSH>(::GetStockObject(BLACK_BRUSH)));
}

void LabelWindow::Paint(HWND hwnd) {
  paint_scope paint(hwnd);
  HDC dc = paint.dc();
  if (dc == nullptr) return;
  RECT r;
  ::GetClientRect(hwnd, &r);
  {
    unique_hbrush background(::CreateSolidBrush(ToColorRef(label_.GetColor())));
    ::FillRect(dc, &r, background.get());
  }
  if (!font_) font_ = MakeGdiFont(label_.GetFont());
  select_object useFont(dc, font_.get());
  ::SetBkMode(dc, TRANSPARENT);
  ::SetTextColor(dc, ToColorRef(label_.GetFont().color));
  const std::string& text = label_.Caption();
  ::DrawTextA(dc, text.c_str(), static_cast<int>(text.size()), &r, DrawFlagsOf(label_));
}

LRESULT LabelWindow::OnMessage(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  switch (msg) {
    case WM_ERASEBKGND:
      return 1;  // WM_PAINT covers every pixel
    case WM_PAINT:
      Paint(hwnd);
      return 0;
    case WM_NCPAINT:
      if (label_.BorderStyle() != StaticBorder::Single) return ::DefWindowProcA(hwnd, msg, wParam, lParam);
      PaintFrame(hwnd);
      return 0;
    case WM_MOUSEMOVE:
      ForwardMouseMove(label_, wParam, lParam);
      return 0;
    case WM_CONTEXTMENU:
      ForwardContextMenu(label_, hwnd, wParam, lParam);
      return 0;
    default:
      return ::DefWindowProcA(hwnd, msg, wParam, lParam);
  }
}

}  // namespace welmor
