#pragma once
// Painting steps the control windows share.

#include <cstdint>

#include "toolkit/geometry.hpp"
#include "toolkit/win32/windows_api.hpp"

namespace welmor {

// Fills the client area with color and answers its rectangle.
RECT FillClientArea(HWND hwnd, HDC dc, Color color);

// Frames the whole window, non-client area included, width pixels deep,
// with brush.
void FrameWholeWindow(HWND hwnd, HBRUSH brush, int32_t width);

// For windows whose WM_PAINT covers every pixel: the background is never
// erased first, and WM_PAINT goes to paint. True for the two messages.
template <class PaintFn>
bool HandleOwnPainting(HWND hwnd, UINT msg, LRESULT& result, PaintFn&& paint) {
  switch (msg) {
    case WM_ERASEBKGND:
      result = 1;
      return true;
    case WM_PAINT:
      paint(hwnd);
      result = 0;
      return true;
    default:
      return false;
  }
}

}  // namespace welmor
