#include "toolkit/custom_control.hpp"

#include "toolkit/application.hpp"

namespace welmor {

void CustomControl::Invalidate() {
  if (surface_.Width() != Width() || surface_.Height() != Height()) surface_.SetSize(Width(), Height());
  Canvas canvas(surface_, Application::TextRendererOrDefault());
  canvas.font = GetFont();
  Paint(canvas);
  ++paintCount_;
  NotifyPeer(Change::Paint);
}

void CustomControl::Resized() { Invalidate(); }

}  // namespace welmor
