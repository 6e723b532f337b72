#include "toolkit/hint_placement.hpp"

#include <algorithm>

namespace welmor {

Rect PlaceHint(Size size, Point pointer, int32_t pointerHeight, const Rect& display) {
  int32_t left = std::min(pointer.x, display.right - size.width);
  int32_t top = pointer.y + pointerHeight;
  if (top + size.height > display.bottom) {
    // No room below: above the pointer, or as high as the display goes.
    top = pointer.y - size.height;
    if (top < display.top) top = display.bottom - size.height;
  }
  // A hint wider or taller than the display shows its beginning.
  left = std::max(left, display.left);
  top = std::max(top, display.top);
  return Rect{left, top, left + size.width, top + size.height};
}

}  // namespace welmor
