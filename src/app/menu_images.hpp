#pragma once
#include <vector>

#include "toolkit/bitmap.hpp"

namespace welmor {

// The context menu's images, 16 x 16: 0 heads a sub-menu, 1 is Exit, 2 marks
// the panel headings and the alarm switches.
std::vector<Bitmap> MakeMenuImages();

}  // namespace welmor
