#pragma once
// Keeps a window inside the screen's work area after a drag.

#include <cstdint>

#include "toolkit/geometry.hpp"

namespace welmor {

// The window's new top-left corner. Each axis on its own: a window starting
// before the area's left (top) edge moves onto it; otherwise one reaching
// past the right (bottom) edge is aligned to that edge. So a window larger
// than the area keeps its left (top) edge on the area's only when it started
// beyond it, and is aligned to the far edge otherwise.
Point ClampToWorkArea(const Rect& window, const Rect& workArea);

// Where a window restored at a stored position goes at start: where it was
// stored while any part of it lies on the work area (a drag brings the rest
// back), otherwise clamped into the area, so that a removed monitor or a
// hand-edited value never leaves the widget out of reach. Stored positions
// can be anything, so the arithmetic is done in 64 bits.
Point ReachableStartPosition(int32_t left, int32_t top, int32_t width, int32_t height, const Rect& workArea);

// The rectangle of a window of that size at a stored corner, to find the
// display it belongs to; an edge past the end of the coordinate range stops
// there.
Rect StoredWindowRect(int32_t left, int32_t top, int32_t width, int32_t height);

}  // namespace welmor
