#pragma once
// A picture on its parent's background. The program's own icon is the only
// picture the windows need, so that is what it can show.

#include "toolkit/control.hpp"

namespace welmor {

enum class PictureSource { None, ProgramIcon };

class Picture : public Control {
 public:
  explicit Picture(Component* owner) : Control(owner) { SetParentColor(true); }
  ControlKind Kind() const override { return ControlKind::Picture; }

  PictureSource Source() const { return source_; }
  void SetSource(PictureSource s) {
    if (s == source_) return;
    source_ = s;
    NotifyPeer(Change::Paint);
  }

 private:
  PictureSource source_ = PictureSource::None;
};

}  // namespace welmor
