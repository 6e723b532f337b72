#pragma once
// Static text panel: caption centred, a one-pixel border, no auto-size.

#include "toolkit/control.hpp"

namespace welmor {

enum class Alignment { LeftJustify, RightJustify, Center };
enum class StaticBorder { None, Single, Sunken };

class Label : public Control {
 public:
  explicit Label(Component* owner) : Control(owner) {}
  ControlKind Kind() const override { return ControlKind::Label; }

  Alignment GetAlignment() const { return alignment_; }
  void SetAlignment(Alignment a) {
    alignment_ = a;
    NotifyPeer(Change::Style);
  }
  StaticBorder BorderStyle() const { return border_; }
  void SetBorderStyle(StaticBorder b) {
    border_ = b;
    NotifyPeer(Change::Style);
  }

 private:
  Alignment alignment_ = Alignment::LeftJustify;
  StaticBorder border_ = StaticBorder::None;
};

}  // namespace welmor
