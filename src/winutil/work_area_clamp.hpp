#pragma once
// Keeps a window inside the screen's work area after a drag.

#include "toolkit/geometry.hpp"

namespace welmor {

// The window's new top-left corner. Each axis on its own: a window starting
// before the area's left (top) edge moves onto it; otherwise one reaching
// past the right (bottom) edge is aligned to that edge. So a window larger
// than the area keeps its left (top) edge on the area's only when it started
// beyond it, and is aligned to the far edge otherwise.
Point ClampToWorkArea(const Rect& window, const Rect& workArea);

}  // namespace welmor
