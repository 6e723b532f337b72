#pragma once
// Drawing surface over a Bitmap with the platform's raster rules: a line from
// A to B colours A but not B, rectangles fill inside their right/bottom
// edges, pens are one pixel wide.

#include <cstdint>
#include <string>

#include "toolkit/bitmap.hpp"
#include "toolkit/font.hpp"
#include "toolkit/text_renderer.hpp"

namespace welmor {

enum class PenStyle { Solid, Dash, Dot, DashDot, DashDotDot, Clear };
enum class BrushStyle { Solid, Clear };

struct Pen {
  Color color = 0;
  PenStyle style = PenStyle::Solid;
};

struct Brush {
  Color color = 0xFFFFFF;
  BrushStyle style = BrushStyle::Solid;
};

class Canvas {
 public:
  explicit Canvas(Bitmap& target, const TextRenderer& text = DefaultTextRenderer())
      : target_(target), text_(&text) {}

  Bitmap& Target() { return target_; }

  Pen pen;
  Brush brush;
  Font font;

  void MoveTo(int32_t x, int32_t y);
  // Draws from the pen position to (x, y), leaving (x, y) uncoloured, and
  // moves the pen there.
  void LineTo(int32_t x, int32_t y);
  Point PenPos() const { return penPos_; }

  // Fills [left, right) x [top, bottom) with the brush, no outline.
  void FillRect(const Rect& r);
  // Outline with the pen, inside filled with the brush (unless clear).
  void Rectangle(const Rect& r);
  // The same with corners rounded by an ellipse of ellipseWidth x ellipseHeight.
  void RoundRect(const Rect& r, int32_t ellipseWidth, int32_t ellipseHeight);
  // One-pixel outline with the brush colour.
  void FrameRect(const Rect& r);

  void SetPixel(int32_t x, int32_t y, Color c) { target_.SetPixel(x, y, c); }
  Color GetPixel(int32_t x, int32_t y) const { return target_.Pixel(x, y); }

  void TextOut(int32_t x, int32_t y, const std::string& text);
  int32_t TextWidth(const std::string& text) const;
  int32_t TextHeight(const std::string& text) const;

 private:
  Bitmap& target_;
  const TextRenderer* text_;
  Point penPos_;
  // Position in the pen's dash pattern; it runs on across joined segments
  // the way a cosmetic pen's does.
  uint32_t styleStep_ = 0;
};

}  // namespace welmor
