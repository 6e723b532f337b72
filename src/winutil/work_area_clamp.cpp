#include "winutil/work_area_clamp.hpp"

namespace welmor {

namespace {

int32_t ClampAxis(int32_t start, int32_t length, int32_t areaStart, int32_t areaEnd) {
  if (areaStart > start) return areaStart;
  if (int64_t{start} + length > areaEnd) return areaEnd - length;
  return start;
}

}  // namespace

Point ClampToWorkArea(const Rect& window, const Rect& workArea) {
  return Point{ClampAxis(window.left, window.Width(), workArea.left, workArea.right),
               ClampAxis(window.top, window.Height(), workArea.top, workArea.bottom)};
}

}  // namespace welmor
