#include "toolkit/bevel.hpp"

namespace welmor {

void Frame3D(Canvas& canvas, Rect& r, Color topColor, Color bottomColor, int32_t width) {
  for (int32_t i = 0; i < width && r.Width() > 0 && r.Height() > 0; ++i) {
    const int32_t right = r.right - 1;
    const int32_t bottom = r.bottom - 1;
    canvas.pen.color = topColor;
    canvas.MoveTo(r.left, bottom);
    canvas.LineTo(r.left, r.top);
    canvas.LineTo(right, r.top);
    canvas.pen.color = bottomColor;
    canvas.LineTo(right, bottom);
    canvas.LineTo(r.left - 1, bottom);
    r = Rect{r.left + 1, r.top + 1, r.right - 1, r.bottom - 1};
  }
}

BevelColors ColorsOf(BevelCut cut) {
  if (cut == BevelCut::Lowered) return {kBevelShadow, kBevelHighlight};
  return {kBevelHighlight, kBevelShadow};
}

void Bevel::SetShape(BevelShape s) {
  if (s == shape_) return;
  shape_ = s;
  Invalidate();
}

void Bevel::SetStyle(BevelCut s) {
  if (s == style_) return;
  style_ = s;
  Invalidate();
}

void Bevel::PropertyChanged(Change what) {
  if (what == Change::Color) Invalidate();
}

void Bevel::Paint(Canvas& canvas) {
  canvas.brush = Brush{GetColor(), BrushStyle::Solid};
  canvas.FillRect(Rect{0, 0, Width(), Height()});
  if (style_ == BevelCut::None) return;
  const BevelColors c = ColorsOf(style_);
  const auto line = [&](Color color, int32_t y) {
    canvas.pen.color = color;
    canvas.MoveTo(0, y);
    canvas.LineTo(Width(), y);
  };
  switch (shape_) {
    case BevelShape::Box: {
      Rect r{0, 0, Width(), Height()};
      Frame3D(canvas, r, c.top, c.bottom, 1);
      break;
    }
    case BevelShape::TopLine:
      line(c.top, 0);
      line(c.bottom, 1);
      break;
    case BevelShape::BottomLine:
      line(c.top, Height() - 2);
      line(c.bottom, Height() - 1);
      break;
  }
}

}  // namespace welmor
