#include "controls/magnet_geometry.hpp"

namespace welmor {

namespace {

bool Near(int32_t edge, int32_t target, int32_t d) { return target - d < edge && edge < target + d; }

// Strictly within d on either side, but not already on it.
bool NearNotOn(int32_t edge, int32_t target, int32_t d) { return edge != target && Near(edge, target, d); }

}  // namespace

void SnapToScreen(Rect& r, const Rect& area, const TScreenMagnet& magnet, Size size) {
  const int32_t d = magnet.DesktopPower();
  if (magnet.Top() && Near(r.top, area.top, d)) {
    r.top = area.top;
    r.bottom = r.top + size.height;
  }
  if (magnet.Bottom() && Near(r.bottom, area.bottom, d)) {
    r.bottom = area.bottom;
    r.top = r.bottom - size.height;
  }
  if (magnet.Left() && Near(r.left, area.left, d)) {
    r.left = area.left;
    r.right = r.left + size.width;
  }
  if (magnet.Right() && Near(r.right, area.right, d)) {
    r.right = area.right;
    r.left = r.right - size.width;
  }
}

namespace {

// One axis of SnapToForm: the window's far edge onto the other's near edge,
// then its near edge onto the other's far edge; true when it moved.
bool SnapAxis(int32_t& start, int32_t& end, int32_t otherStart, int32_t otherEnd, int32_t length,
              int32_t power, const std::function<bool()>& ask) {
  bool snapped = false;
  if (NearNotOn(end, otherStart, power) && ask()) {
    end = otherStart;
    start = end - length;
    snapped = true;
  }
  if (NearNotOn(start, otherEnd, power) && ask()) {
    start = otherEnd;
    end = start + length;
    snapped = true;
  }
  return snapped;
}

}  // namespace

bool SnapToForm(Rect& r, const Rect& other, int32_t power, Size size, const std::function<bool()>& allow) {
  const std::function<bool()> ask = [&] { return !allow || allow(); };
  bool snapped = false;
  // Vertical snaps need the windows side by side horizontally, and the reverse.
  if (r.right > other.left && other.right > r.left) {
    snapped = SnapAxis(r.top, r.bottom, other.top, other.bottom, size.height, power, ask);
  }
  if (r.bottom > other.top && other.bottom > r.top) {
    snapped = SnapAxis(r.left, r.right, other.left, other.right, size.width, power, ask) || snapped;
  }
  return snapped;
}

bool TouchesAlongEdge(const Rect& a, const Rect& b) {
  return a.bottom == b.top || a.right == b.left || b.bottom == a.top || b.right == a.left;
}

}  // namespace welmor
