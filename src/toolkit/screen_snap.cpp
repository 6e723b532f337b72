#include "toolkit/screen_snap.hpp"

namespace welmor {

namespace {

bool Near(int32_t edge, int32_t target, int32_t d) { return target - d < edge && edge < target + d; }

}  // namespace

Point SnapToAreaEdges(const Rect& window, const Rect& area, int32_t distance) {
  Point p{window.left, window.top};
  if (Near(window.left, area.left, distance)) p.x = area.left;
  if (Near(window.top, area.top, distance)) p.y = area.top;
  if (Near(p.x + window.Width(), area.right, distance)) p.x = area.right - window.Width();
  if (Near(p.y + window.Height(), area.bottom, distance)) p.y = area.bottom - window.Height();
  return p;
}

}  // namespace welmor
