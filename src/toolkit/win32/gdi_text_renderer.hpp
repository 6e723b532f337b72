#pragma once
// Text in the platform's fonts: measured with GetTextExtentPoint32A and
// drawn by GDI into a DIB section that starts as a copy of the target's
// pixels, so smoothed edges blend with what is underneath exactly as on a
// window, and the background stays as it was.

#include "toolkit/text_renderer.hpp"

namespace welmor {

class GdiTextRenderer final : public TextRenderer {
 public:
  Size Measure(const Font& font, const std::string& text) const override;
  void Draw(Bitmap& target, int32_t x, int32_t y, const Font& font, const std::string& text) const override;
};

}  // namespace welmor
