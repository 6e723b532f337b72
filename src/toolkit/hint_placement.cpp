#include "toolkit/hint_placement.hpp"

#include <algorithm>

namespace welmor {

Rect PlaceHint(Size size, Point pointer, int32_t pointerHeight, Size screen) {
  int32_t left = std::min(pointer.x, screen.width - size.width);
  int32_t top = pointer.y + pointerHeight;
  if (top + size.height > screen.height) {
    // No room below: above the pointer, or as high as the screen goes.
    top = pointer.y - size.height;
    if (top < 0) top = screen.height - size.height;
  }
  // A hint wider or taller than the screen shows its beginning.
  left = std::max(left, 0);
  top = std::max(top, 0);
  return Rect{left, top, left + size.width, top + size.height};
}

}  // namespace welmor
