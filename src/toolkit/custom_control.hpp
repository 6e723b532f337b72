#pragma once
// A control that draws itself into an off-screen Bitmap through a Canvas;
// the backend copies the finished image to the screen in one step, so it
// never flickers.

#include "toolkit/bitmap.hpp"
#include "toolkit/canvas.hpp"
#include "toolkit/control.hpp"

namespace welmor {

class CustomControl : public Control {
 public:
  explicit CustomControl(Component* owner) : Control(owner) {}

  ControlKind Kind() const override { return ControlKind::Custom; }

  // The last composed image, Width() x Height().
  const Bitmap& Surface() const { return surface_; }

  // Composes the image now and hands it to the native side.
  void Invalidate() override;
  void Repaint() { Invalidate(); }
  // Number of images composed so far (for tests and benchmarks).
  uint64_t PaintCount() const { return paintCount_; }

 protected:
  // Draws the whole client area. The canvas starts with default pen, brush
  // and the control's font.
  virtual void Paint(Canvas& canvas) = 0;
  Bitmap& SurfaceForPaint() { return surface_; }
  void Resized() override;

 private:
  Bitmap surface_;
  uint64_t paintCount_ = 0;
};

}  // namespace welmor
