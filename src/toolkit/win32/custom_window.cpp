#include "toolkit/win32/custom_window.hpp"

#include "toolkit/application.hpp"
#include "toolkit/win32/control_messages.hpp"
#include "toolkit/win32/handles.hpp"
#include "toolkit/win32/tooltips.hpp"
#include "toolkit/win32/window_classes.hpp"

namespace welmor {

void ToDibPixels(const std::vector<Color>& pixels, std::vector<uint32_t>& out) {
  out.resize(pixels.size());
  for (std::size_t i = 0; i < pixels.size(); ++i) {
    const Color c = pixels[i];
    out[i] = ((c & 0xFFu) << 16) | (c & 0xFF00u) | ((c >> 16) & 0xFFu);
  }
}

std::unique_ptr<CustomWindow> CustomWindow::Create(const Win32Context& context, CustomControl& control) {
  auto self = std::make_unique<CustomWindow>(context, control);
  const std::string className =
      context.classes.Ensure({kCustomClassName, &CustomWindow::WindowProc, CS_DBLCLKS, kExtraBytes});
  if (className.empty()) return nullptr;
  HWND parent = ParentWindowFor(control, context);
  DWORD style = WS_CHILD | WS_CLIPSIBLINGS;
  if (control.Visible()) style |= WS_VISIBLE;
  const Rect b = control.BoundsRect();
  HWND hwnd =
      ::CreateWindowExA(0, className.c_str(), control.Caption().c_str(), style, b.left, b.top, b.Width(),
                        b.Height(), parent, nullptr, context.classes.Instance(), self.get());
  if (hwnd == nullptr) return nullptr;
  self->window_.reset(hwnd);
  PlaceAboveEarlierSiblings(hwnd);
  context.tooltips.Update(control, hwnd);
  return self;
}

CustomWindow::~CustomWindow() {
  HWND hwnd = window_.get();
  context_.tooltips.Remove(hwnd);
  Detach(hwnd);
  window_.reset();
}

void CustomWindow::Changed(Change what) {
  HWND hwnd = window_.get();
  if (hwnd == nullptr) return;
  switch (what) {
    case Change::Bounds: {
      const Rect b = control_.BoundsRect();
      ::SetWindowPos(hwnd, nullptr, b.left, b.top, b.Width(), b.Height(), SWP_NOZORDER | SWP_NOACTIVATE);
      break;
    }
    case Change::Visible:
      ::ShowWindow(hwnd, control_.Visible() ? SW_SHOWNA : SW_HIDE);
      break;
    case Change::Text:
      ::SetWindowTextA(hwnd, control_.Caption().c_str());
      break;
    case Change::Paint:
      // The image is already composed: show it now, as a repaint would
      // (unless this paint is the one composing it).
      if (inPaint_) break;
      ::InvalidateRect(hwnd, nullptr, FALSE);
      ::UpdateWindow(hwnd);
      break;
    case Change::Color:
    case Change::Font:
    case Change::Style:
      break;  // they reach the screen through the next composed image
    case Change::Hint:
      context_.tooltips.Update(control_, hwnd);
      break;
  }
}

void CustomWindow::Paint(HWND hwnd) {
  const Bitmap& surface = control_.Surface();
  if (surface.Width() != control_.Width() || surface.Height() != control_.Height()) {
    // Never composed at this size yet (the window came before any drawing).
    inPaint_ = true;
    Application::Dispatch([this] { control_.Invalidate(); });
    inPaint_ = false;
  }
  paint_scope paint(hwnd);
  HDC dc = paint.dc();
  if (dc == nullptr || surface.Width() == 0 || surface.Height() == 0) return;
  ToDibPixels(surface.Pixels(), dib_);
  const BITMAPINFO bi = TopDownDibInfo(surface.Width(), surface.Height(), 32);
  ::SetDIBitsToDevice(dc, 0, 0, static_cast<DWORD>(surface.Width()), static_cast<DWORD>(surface.Height()), 0,
                      0, 0, static_cast<UINT>(surface.Height()), dib_.data(), &bi, DIB_RGB_COLORS);
}

LRESULT CustomWindow::OnMessage(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  switch (msg) {
    case WM_ERASEBKGND:
      return 1;
    case WM_PAINT:
      Paint(hwnd);
      return 0;
    case WM_MOUSEMOVE:
      ForwardMouseMove(control_, wParam, lParam);
      return 0;
    case WM_CONTEXTMENU:
      ForwardContextMenu(control_, hwnd, wParam, lParam);
      return 0;
    default:
      return ::DefWindowProcA(hwnd, msg, wParam, lParam);
  }
}

}  // namespace welmor
