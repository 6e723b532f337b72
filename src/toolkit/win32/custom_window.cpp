#include "toolkit/win32/custom_window.hpp"

#include "toolkit/application.hpp"
#include "toolkit/win32/paint_pass.hpp"
#include "toolkit/win32/paint_steps.hpp"

namespace welmor {

void ToDibPixels(const std::vector<Color>& pixels, std::vector<uint32_t>& out) {
  out.resize(pixels.size());
  for (std::size_t i = 0; i < pixels.size(); ++i) {
    const Color c = pixels[i];
    out[i] = ((c & 0xFFu) << 16) | (c & 0xFF00u) | ((c >> 16) & 0xFFu);
  }
}

// Panels hold other controls, which their image must not cover.
bool CustomWindow::Open() {
  return CreateChild(kCustomClassName, CS_DBLCLKS, WS_CLIPSIBLINGS | WS_CLIPCHILDREN, 0);
}

void CustomWindow::OnChanged(Change what) {
  // Colour, font and style reach the screen through the next composed image;
  // the image is composed when the window paints.
  if (what == Change::Paint && !Context().paints.Defer(*this)) ::InvalidateRect(Window(), nullptr, FALSE);
}

void CustomWindow::Paint(HWND hwnd) {
  const Bitmap* surface = CurrentSurface();
  paint_scope paint(hwnd);
  if (paint.dc() != nullptr && surface != nullptr) CopySurface(*surface, paint.dc(), 0, 0);
}

bool CustomWindow::ComposeOn(HDC dc, int32_t x, int32_t y) {
  // The controls a panel holds are windows of their own, drawn over it.
  for (const Control* child : control_.Controls()) {
    if (child->Visible()) return false;
  }
  // Composed without reporting: a failure leaves the window to its own
  // painting, which reports it outside the paint pass.
  CopySurface(control_.Surface(), dc, x, y);
  return true;
}

const Bitmap* CustomWindow::CurrentSurface() {
  const Bitmap* surface = nullptr;
  Application::Dispatch(control_, [&] { surface = &control_.Surface(); });
  return surface;
}

void CustomWindow::CopySurface(const Bitmap& surface, HDC dc, int32_t x, int32_t y) {
  if (surface.Width() == 0 || surface.Height() == 0) return;
  ToDibPixels(surface.Pixels(), dib_);
  const BITMAPINFO bi = TopDownDibInfo(surface.Width(), surface.Height(), 32);
  ::SetDIBitsToDevice(dc, x, y, static_cast<DWORD>(surface.Width()), static_cast<DWORD>(surface.Height()), 0,
                      0, 0, static_cast<UINT>(surface.Height()), dib_.data(), &bi, DIB_RGB_COLORS);
}

bool CustomWindow::HandleMessage(HWND hwnd, UINT msg, WPARAM, LPARAM, LRESULT& result) {
  return HandleOwnPainting(hwnd, msg, result, [this](HWND h) { Paint(h); });
}

}  // namespace welmor
