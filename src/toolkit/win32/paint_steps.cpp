#include "toolkit/win32/paint_steps.hpp"

#include "toolkit/win32/gdi_font.hpp"
#include "winapi/win32/handles.hpp"

namespace welmor {

RECT FillClientArea(HWND hwnd, HDC dc, Color color) {
  RECT r;
  ::GetClientRect(hwnd, &r);
  unique_hbrush background(::CreateSolidBrush(ToColorRef(color)));
  ::FillRect(dc, &r, background.get());
  return r;
}

void FrameWholeWindow(HWND hwnd, HBRUSH brush, int32_t width) {
  window_dc dc(hwnd, window_dc::Whole);
  if (!dc) return;
  RECT r;
  ::GetWindowRect(hwnd, &r);
  ::OffsetRect(&r, -r.left, -r.top);
  for (int32_t i = 0; i < width; ++i) {
    ::FrameRect(dc.get(), &r, brush);
    ::InflateRect(&r, -1, -1);
  }
}

}  // namespace welmor
