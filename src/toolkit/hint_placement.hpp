#pragma once
// Where a hint window goes: below the mouse pointer, moved back onto the
// screen when it would stick out, above the pointer when there is no room
// below.

#include "toolkit/geometry.hpp"

namespace welmor {

// size: the hint window's; pointer: the mouse position; pointerHeight: how
// far below the pointer the hint starts; screen: the screen's size.
Rect PlaceHint(Size size, Point pointer, int32_t pointerHeight, Size screen);

}  // namespace welmor
