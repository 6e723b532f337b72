#include "toolkit/label.hpp"

#include "toolkit/application.hpp"

namespace welmor {

void Label::SetAutoSize(bool v) {
  autoSize_ = v;
  if (v) FitToText();
}

void Label::PropertyChanged(Change what) {
  if (autoSize_ && (what == Change::Text || what == Change::Font || what == Change::Style)) FitToText();
}

void Label::FitToText() {
  const Size text = Application::TextRendererFor(*this).Measure(GetFont(), Caption());
  const Rect b = BoundsRect();
  if (text.width == b.Width() && text.height == b.Height()) return;
  const int32_t left = alignment_ == Alignment::RightJustify ? b.right - text.width : b.left;
  SetBounds(left, b.top, text.width, text.height);
}

}  // namespace welmor
