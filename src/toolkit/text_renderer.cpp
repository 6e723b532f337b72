#include "toolkit/text_renderer.hpp"

#include <cstdlib>

namespace welmor {

namespace {

// Fixed metrics: every character is a box 60% as wide as the font is high,
// drawn as a filled block so that tests can see where text went.
class FixedTextRenderer final : public TextRenderer {
 public:
  Size Measure(const Font& font, const std::string& text) const override {
    const int32_t h = CellHeight(font);
    return Size{static_cast<int32_t>(text.size()) * CellWidth(h), h};
  }
  void Draw(Bitmap& target, int32_t x, int32_t y, const Font& font, const std::string& text) const override {
    const int32_t h = CellHeight(font);
    const int32_t w = CellWidth(h);
    for (std::size_t i = 0; i < text.size(); ++i) {
      if (text[i] == ' ') continue;
      const int32_t left = x + static_cast<int32_t>(i) * w;
      for (int32_t yy = y + 2; yy < y + h - 2; ++yy) {
        for (int32_t xx = left + 1; xx < left + w - 1; ++xx) target.SetPixel(xx, yy, font.color);
      }
    }
  }

 private:
  static int32_t CellHeight(const Font& font) { return font.height == 0 ? 13 : std::abs(font.height) + 2; }
  static int32_t CellWidth(int32_t h) { return h * 6 / 10; }
};

const FixedTextRenderer kFixed;

}  // namespace

const TextRenderer& DefaultTextRenderer() { return kFixed; }

}  // namespace welmor
