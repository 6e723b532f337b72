#pragma once
// Text in the platform's fonts, drawn by GDI into a DIB section that starts
// as a copy of the target's pixels, so smoothed edges blend with what is
// underneath exactly as on a window, and the background stays as it was.
// Measured on a DIB section too, as wide as its advance or its ink, which
// ever reaches further; labels draw on one as well (label_window.cpp), so a
// text always fits the box it was measured for. Drawn straight on a window,
// a text can come out wider than GDI measures it there.

#include "toolkit/text_renderer.hpp"

namespace welmor {

class GdiTextRenderer final : public TextRenderer {
 public:
  Size Measure(const Font& font, const std::string& text) const override;
  void Draw(Bitmap& target, int32_t x, int32_t y, const Font& font, const std::string& text) const override;
};

}  // namespace welmor
