#include "toolkit/panel.hpp"

namespace welmor {

void Panel::SetBevelOuter(BevelCut b) {
  if (b == outer_) return;
  outer_ = b;
  Invalidate();
}

void Panel::SetBevelInner(BevelCut b) {
  if (b == inner_) return;
  inner_ = b;
  Invalidate();
}

void Panel::PropertyChanged(Change what) {
  if (what == Change::Color) Invalidate();
}

void Panel::Paint(Canvas& canvas) {
  canvas.brush = Brush{GetColor(), BrushStyle::Solid};
  canvas.FillRect(Rect{0, 0, Width(), Height()});
  Rect r{0, 0, Width(), Height()};
  for (BevelCut cut : {outer_, inner_}) {
    if (cut == BevelCut::None) continue;
    const BevelColors c = ColorsOf(cut);
    Frame3D(canvas, r, c.top, c.bottom, 1);
  }
}

}  // namespace welmor
