#pragma once
// A form's own snapping onto the edges of the work area while it moves.

#include <cstdint>

#include "toolkit/geometry.hpp"

namespace welmor {

// The position a window moving to `window` takes when its edges snap onto
// the work area: an edge strictly within distance pixels of the same edge of
// the area lies on it afterwards (left and top first, then right and
// bottom); the size never changes.
Point SnapToAreaEdges(const Rect& window, const Rect& area, int32_t distance);

}  // namespace welmor
