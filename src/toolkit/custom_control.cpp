#include "toolkit/custom_control.hpp"

#include "toolkit/application.hpp"

namespace welmor {

const Bitmap& CustomControl::Surface() {
  if (!paintPending_ && surface_.Width() == Width() && surface_.Height() == Height()) return surface_;
  surface_.SetSize(Width(), Height());
  // Cleared first: a Paint that calls Invalidate asks for the next image.
  paintPending_ = false;
  Canvas canvas(surface_, Application::TextRendererFor(*this));
  canvas.font = GetFont();
  Paint(canvas);
  ++paintCount_;
  return surface_;
}

void CustomControl::Invalidate() {
  if (paintPending_) return;
  paintPending_ = true;
  NotifyPeer(Change::Paint);
}

void CustomControl::Resized() { Invalidate(); }

}  // namespace welmor
