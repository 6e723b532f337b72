#include "toolkit/win32/label_window.hpp"

#include "toolkit/win32/gdi_font.hpp"
#include "toolkit/win32/paint_pass.hpp"
#include "toolkit/win32/paint_steps.hpp"

namespace welmor {

namespace {

struct LabelStyles {
  DWORD style;
  DWORD exStyle;
};

LabelStyles StylesOf(const Label& label) {
  LabelStyles s{WS_CLIPSIBLINGS, 0};
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

bool LabelWindow::Open() {
  const LabelStyles s = StylesOf(control_);
  return CreateChild(kLabelClassName, CS_DBLCLKS, s.style, s.exStyle);
}

void LabelWindow::OnChanged(Change what) {
  HWND hwnd = Window();
  switch (what) {
    case Change::Font:
      font_.reset();
      Repaint();
      break;
    case Change::Text:
    case Change::Color:
    case Change::Paint:
      Repaint();
      break;
    case Change::Style: {
      const LabelStyles s = StylesOf(control_);
      const auto style = static_cast<DWORD>(::GetWindowLongPtrA(hwnd, GWL_STYLE));
      ::SetWindowLongPtrA(hwnd, GWL_STYLE, (style & ~WS_BORDER) | (s.style & WS_BORDER));
      ::SetWindowLongPtrA(hwnd, GWL_EXSTYLE, s.exStyle);
      ::SetWindowPos(hwnd, nullptr, 0, 0, 0, 0,
                     SWP_FRAMECHANGED | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
      ::InvalidateRect(hwnd, nullptr, FALSE);
      break;
    }
    default:
      break;
  }
}

void LabelWindow::Repaint() {
  if (!Context().paints.Defer(*this)) ::InvalidateRect(Window(), nullptr, FALSE);
}

void LabelWindow::PaintFrame(HWND hwnd) {
  // Black whatever the system's window-frame colour, as the classic bordered
  // static text shows it.
  FrameWholeWindow(hwnd, static_cast<HBRUSH>(::GetStockObject(BLACK_BRUSH)), 1);
}

void LabelWindow::Paint(HWND hwnd) {
  paint_scope paint(hwnd);
  if (paint.dc() == nullptr) return;
  RECT client{};
  ::GetClientRect(hwnd, &client);
  // Composed on a DIB section, the device the text was measured on when the
  // label sized itself (gdi_text_renderer.hpp), then put on screen at once.
  const BITMAPINFO bi = TopDownDibInfo(client.right, client.bottom, 32);
  void* bits = nullptr;
  unique_hbitmap dib(::CreateDIBSection(nullptr, &bi, DIB_RGB_COLORS, &bits, nullptr, 0));
  unique_hdc dc(::CreateCompatibleDC(paint.dc()));
  if (!dib || !dc) return;
  select_object useBitmap(dc.get(), dib.get());
  DrawClient(dc.get(), client);
  ::BitBlt(paint.dc(), 0, 0, client.right, client.bottom, dc.get(), 0, 0, SRCCOPY);
}

void LabelWindow::DrawClient(HDC dc, RECT area) {
  unique_hbrush background(::CreateSolidBrush(ToColorRef(control_.GetColor())));
  ::FillRect(dc, &area, background.get());
  if (!font_) font_ = MakeGdiFont(control_.GetFont());
  select_object useFont(dc, font_.get());
  const int previousMode = ::SetBkMode(dc, TRANSPARENT);
  const COLORREF previousColour = ::SetTextColor(dc, ToColorRef(control_.GetFont().color));
  const std::string& text = control_.Caption();
  ::DrawTextA(dc, text.c_str(), static_cast<int>(text.size()), &area, DrawFlagsOf(control_));
  ::SetTextColor(dc, previousColour);
  ::SetBkMode(dc, previousMode);
}

bool LabelWindow::ComposeOn(HDC dc, int32_t x, int32_t y) {
  // The frames the system draws itself (a sunken edge) are left to it.
  const int32_t border = control_.BorderStyle() == StaticBorder::Single ? 1
                         : control_.BorderStyle() == StaticBorder::None ? 0
                                                                        : -1;
  if (border < 0) return false;
  const Rect b = control_.BoundsRect();
  RECT whole{x, y, x + b.Width(), y + b.Height()};
  if (border > 0) ::FrameRect(dc, &whole, static_cast<HBRUSH>(::GetStockObject(BLACK_BRUSH)));
  ::InflateRect(&whole, -border, -border);
  DrawClient(dc, whole);
  return true;
}

bool LabelWindow::HandleMessage(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) {
  if (pointer_.Handle(control_, hwnd, msg, wParam, lParam, result)) return true;
  if (HandleOwnPainting(hwnd, msg, result, [this](HWND h) { Paint(h); })) return true;
  switch (msg) {
    case WM_NCPAINT:
      if (control_.BorderStyle() != StaticBorder::Single) return false;
      PaintFrame(hwnd);
      return true;
    default:
      return false;
  }
}

}  // namespace welmor
