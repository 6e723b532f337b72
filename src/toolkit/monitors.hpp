#pragma once
// Which display a window belongs to, when the desk has more than one.

#include <optional>
#include <span>

#include "toolkit/geometry.hpp"

namespace welmor {

// One display: its whole area and the part of it that task bars leave free,
// both in the coordinates of the whole desktop (a display left of or above
// the primary one lies at negative coordinates).
struct Monitor {
  Rect bounds;
  Rect workArea;
  friend bool operator==(const Monitor&, const Monitor&) = default;
};

// The display that keeps a window: the one it overlaps most, or, where it
// overlaps none, the nearest one (the shortest straight gap between the two
// rectangles); the earlier of two equal ones. This is how the system itself
// assigns a window to a display. Nothing for an empty list.
std::optional<Monitor> MonitorOfWindow(std::span<const Monitor> monitors, const Rect& window);

}  // namespace welmor
