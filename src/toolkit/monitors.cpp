#include "toolkit/monitors.hpp"

#include <algorithm>
#include <cstdint>

namespace welmor {

namespace {

// Stored positions can be anything, so spans and gaps are taken in 64 bits;
// a gap is capped at 2^31 so that the sum of two squares fits in 64 unsigned
// bits.
constexpr int64_t kMaxGap = int64_t{1} << 31;

int64_t Overlap(int32_t start, int32_t end, int32_t otherStart, int32_t otherEnd) {
  return std::max<int64_t>(0, int64_t{std::min(end, otherEnd)} - std::max(start, otherStart));
}

int64_t Gap(int32_t start, int32_t end, int32_t otherStart, int32_t otherEnd) {
  int64_t gap = 0;
  if (end <= otherStart) gap = int64_t{otherStart} - end;
  if (otherEnd <= start) gap = int64_t{start} - otherEnd;
  return std::min(gap, kMaxGap);
}

}  // namespace

std::optional<Monitor> MonitorOfWindow(std::span<const Monitor> monitors, const Rect& window) {
  const Monitor* most = nullptr;
  int64_t mostArea = 0;
  const Monitor* nearest = nullptr;
  uint64_t nearestDistance = UINT64_MAX;
  for (const Monitor& m : monitors) {
    const Rect& b = m.bounds;
    const int64_t area = Overlap(window.left, window.right, b.left, b.right) *
                         Overlap(window.top, window.bottom, b.top, b.bottom);
    if (area > mostArea) {
      mostArea = area;
      most = &m;
    }
    const auto dx = static_cast<uint64_t>(Gap(window.left, window.right, b.left, b.right));
    const auto dy = static_cast<uint64_t>(Gap(window.top, window.bottom, b.top, b.bottom));
    const uint64_t distance = dx * dx + dy * dy;
    if (distance < nearestDistance) {
      nearestDistance = distance;
      nearest = &m;
    }
  }
  if (most != nullptr) return *most;
  if (nearest != nullptr) return *nearest;
  return std::nullopt;
}

}  // namespace welmor
