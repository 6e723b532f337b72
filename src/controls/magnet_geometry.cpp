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

bool SnapToForm(Rect& r, const Rect& other, int32_t power, Size size, const std::function<bool()>& allow) {
  bool snapped = false;
  const auto ask = [&] { return !allow || allow(); };
  if (r.right > other.left && other.right > r.left) {
    if (NearNotOn(r.bottom, other.top, power) && ask()) {
      r.top = other.top - size.height;
      r.bottom = other.top;
      snapped = true;
    }
    if (NearNotOn(r.top, other.bottom, power) && ask()) {
      r.top = other.bottom;
      r.bottom = r.top + size.height;
      snapped = true;
    }
  }
  if (r.bottom > other.top && other.bottom > r.top) {
    if (NearNotOn(r.right, other.left, power) && ask()) {
      r.left = other.left - size.width;
      r.right = other.left;
      snapped = true;
    }
    if (NearNotOn(r.left, other.right, power) && ask()) {
      r.left = other.right;
      r.right = r.left + size.width;
      snapped = true;
    }
  }
  return snapped;
}

bool TouchesAlongEdge(const Rect& a, const Rect& b) {
  return a.bottom == b.top || a.right == b.left || b.bottom == a.top || b.right == a.left;
}

}  // namespace welmor
