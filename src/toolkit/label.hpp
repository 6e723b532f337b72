#pragma once
// Static text: a caption in a rectangle of its own, optionally framed, or
// sized to its text.

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
  // Sized to the caption in its font whenever either changes; a
  // right-justified label keeps its right edge where it is.
  bool AutoSize() const { return autoSize_; }
  void SetAutoSize(bool v);

  StaticBorder BorderStyle() const { return border_; }
  void SetBorderStyle(StaticBorder b) {
    border_ = b;
    NotifyPeer(Change::Style);
  }

 protected:
  void PropertyChanged(Change what) override;

 private:
  void FitToText();

  bool autoSize_ = false;
  Alignment alignment_ = Alignment::LeftJustify;
  StaticBorder border_ = StaticBorder::None;
};

}  // namespace welmor
