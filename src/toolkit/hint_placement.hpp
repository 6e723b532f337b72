#pragma once
// Where a hint window goes: below the mouse pointer, moved back onto the
// display under the pointer when it would stick out, above the pointer when
// there is no room below.

#include "toolkit/geometry.hpp"

namespace welmor {

// size: the hint window's; pointer: the mouse position; pointerHeight: how
// far below the pointer the hint starts; display: the whole area of the
// display under the pointer, in desktop coordinates (negative left of or
// above the primary display).
Rect PlaceHint(Size size, Point pointer, int32_t pointerHeight, const Rect& display);

}  // namespace welmor
