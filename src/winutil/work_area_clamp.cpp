#include "winutil/work_area_clamp.hpp"

#include <algorithm>

namespace welmor {

namespace {

int32_t ClampAxis(int64_t start, int64_t length, int32_t areaStart, int32_t areaEnd) {
  if (areaStart > start) return areaStart;
  if (start + length > areaEnd) return static_cast<int32_t>(areaEnd - length);
  return static_cast<int32_t>(start);
}

int32_t FarEdge(int32_t start, int32_t length) {
  return static_cast<int32_t>(std::clamp<int64_t>(int64_t{start} + length, INT32_MIN, INT32_MAX));
}

bool Overlaps(int64_t start, int64_t length, int32_t areaStart, int32_t areaEnd) {
  return start < areaEnd && start + length > areaStart;
}

}  // namespace

Point ClampToWorkArea(const Rect& window, const Rect& workArea) {
  return Point{ClampAxis(window.left, window.Width(), workArea.left, workArea.right),
               ClampAxis(window.top, window.Height(), workArea.top, workArea.bottom)};
}

Point ReachableStartPosition(int32_t left, int32_t top, int32_t width, int32_t height, const Rect& workArea) {
  if (Overlaps(left, width, workArea.left, workArea.right) &&
      Overlaps(top, height, workArea.top, workArea.bottom)) {
    return Point{left, top};
  }
  return Point{ClampAxis(left, width, workArea.left, workArea.right),
               ClampAxis(top, height, workArea.top, workArea.bottom)};
}

Rect StoredWindowRect(int32_t left, int32_t top, int32_t width, int32_t height) {
  return Rect{left, top, FarEdge(left, width), FarEdge(top, height)};
}

}  // namespace welmor
