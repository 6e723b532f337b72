#pragma once
// Sunken and raised edges in the classic 3-D look: the Bevel control (a line
// or a box) and the frame helper panels draw their edges with.

#include "toolkit/canvas.hpp"
#include "toolkit/custom_control.hpp"

namespace welmor {

enum class BevelCut { None, Lowered, Raised };
enum class BevelShape { Box, TopLine, BottomLine };

inline constexpr Color kBevelHighlight = 0xFFFFFF;  // button highlight
inline constexpr Color kBevelShadow = 0x808080;     // button shadow

// Draws `width` nested one-pixel frames inside r, top and left edges in
// topColor, bottom and right in bottomColor (which also takes the
// bottom-left and top-right corners), and shrinks r by what it drew.
void Frame3D(Canvas& canvas, Rect& r, Color topColor, Color bottomColor, int32_t width);

// Edge colours of a cut: {top/left, bottom/right}.
struct BevelColors {
  Color top;
  Color bottom;
};
BevelColors ColorsOf(BevelCut cut);

class Bevel : public CustomControl {
 public:
  explicit Bevel(Component* owner) : CustomControl(owner) {}

  BevelShape Shape() const { return shape_; }
  void SetShape(BevelShape s);
  BevelCut Style() const { return style_; }
  void SetStyle(BevelCut s);

 protected:
  void Paint(Canvas& canvas) override;
  void PropertyChanged(Change what) override;

 private:
  BevelShape shape_ = BevelShape::Box;
  BevelCut style_ = BevelCut::Lowered;
};

}  // namespace welmor
