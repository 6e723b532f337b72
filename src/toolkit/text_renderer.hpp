#pragma once
// Measures and draws text into a Bitmap. The Win32 backend renders with the
// platform's fonts; the headless one uses fixed metrics so that tests are
// repeatable.

#include <string>

#include "toolkit/bitmap.hpp"
#include "toolkit/font.hpp"

namespace welmor {

class TextRenderer {
 public:
  virtual ~TextRenderer() = default;
  virtual Size Measure(const Font& font, const std::string& text) const = 0;
  // Draws text with its top-left corner at (x, y), transparent background.
  virtual void Draw(Bitmap& target, int32_t x, int32_t y, const Font& font,
                    const std::string& text) const = 0;
};

// Fixed metrics: what a Canvas uses unless given the platform's renderer,
// and what components outside an application measure with.
const TextRenderer& DefaultTextRenderer();

}  // namespace welmor
