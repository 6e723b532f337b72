#pragma once
// Drawing surface over a Bitmap with the platform's raster rules: a line from
// A to B colours A but not B, rectangles fill inside their right/bottom
// edges, pens are one pixel wide.
//
// Lines follow the platform's cosmetic-pen Bresenham walk, including its tie
// rule: where a line passes exactly between two pixels, an x-major line takes
// the one with the smaller y and a y-major line the one with the smaller x,
// whichever way the line runs. Styled pens use the cosmetic patterns, in
// pixels along the major axis, starting "on":
//   Dash 18 on 6 off; Dot 3 on 3 off; DashDot 9 on 6 off 3 on 6 off;
//   DashDotDot 9 on 3 off 3 on 3 off 3 on 3 off.
// The gaps of a styled pen take the brush colour when the brush is solid and
// are left alone when it is clear, because our canvas derives the platform's
// background mode and colour from its brush.

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

  // Coordinates are limited to +-2^27, as the platform's own are; points
  // beyond are pulled in to that range.
  void MoveTo(int32_t x, int32_t y);
  // Draws from the pen position to (x, y), leaving (x, y) uncoloured, and
  // moves the pen there. Each call starts the pen's pattern afresh.
  void LineTo(int32_t x, int32_t y);
  Point PenPos() const { return penPos_; }

  // Fills [left, right) x [top, bottom) with the brush, no outline. An empty
  // or inverted rectangle fills nothing.
  void FillRect(const Rect& r);
  // Outline with the pen on the inner edge of [left, right) x [top, bottom),
  // inside filled with the brush (unless clear). Inverted edges are swapped.
  // With a clear pen only the brush is used, over [left, right - 1) x
  // [top, bottom - 1), one pixel less each way, as the platform does.
  void Rectangle(const Rect& r);
  // The same with corners rounded by an ellipse of ellipseWidth x
  // ellipseHeight; a zero width or height gives a plain Rectangle. The
  // outline is always drawn solid.
  void RoundRect(const Rect& r, int32_t ellipseWidth, int32_t ellipseHeight);
  // One-pixel outline with the brush colour.
  void FrameRect(const Rect& r);

  void SetPixel(int32_t x, int32_t y, Color c) { target_.SetPixel(x, y, c); }
  Color GetPixel(int32_t x, int32_t y) const { return target_.Pixel(x, y); }

  void TextOut(int32_t x, int32_t y, const std::string& text);
  int32_t TextWidth(const std::string& text) const;
  int32_t TextHeight(const std::string& text) const;

 private:
  // Draws A..B without B, continuing the pattern at styleStep_.
  void Segment(Point a, Point b);
  void FillSpan(int32_t left, int32_t right, int32_t y, Color c);

  Bitmap& target_;
  const TextRenderer* text_;
  Point penPos_;
  // Position in the pen's dash pattern; it runs on across the joined edges
  // of one outline the way a cosmetic pen's does.
  uint32_t styleStep_ = 0;
};

}  // namespace welmor
