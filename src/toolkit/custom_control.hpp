#pragma once
// A control that draws itself into an off-screen Bitmap through a Canvas;
// the backend copies the finished image to the screen in one step, so it
// never flickers. Changing a property only marks the image out of date; it is
// composed once, when the window paints or someone reads the surface.

#include "toolkit/bitmap.hpp"
#include "toolkit/canvas.hpp"
#include "toolkit/control.hpp"

namespace welmor {

class CustomControl : public Control {
 public:
  explicit CustomControl(Component* owner) : Control(owner) {}

  ControlKind Kind() const override { return ControlKind::Custom; }

  // The image, Width() x Height(), composed first when it is out of date.
  const Bitmap& Surface();

  // Marks the image out of date and asks the native side to repaint.
  void Invalidate() override;
  void Repaint() { Invalidate(); }
  bool PaintPending() const { return paintPending_; }
  // Number of images composed so far (for tests and benchmarks).
  uint64_t PaintCount() const { return paintCount_; }

 protected:
  // Draws the whole client area. The canvas starts with default pen, brush
  // and the control's font.
  virtual void Paint(Canvas& canvas) = 0;
  void Resized() override;

 private:
  Bitmap surface_;
  bool paintPending_ = true;
  uint64_t paintCount_ = 0;
};

}  // namespace welmor
