#pragma once
// A plain area in the control's colour with an outer and an inner 3-D edge,
// on which other controls are placed.

#include "toolkit/bevel.hpp"
#include "toolkit/custom_control.hpp"

namespace welmor {

class Panel : public CustomControl {
 public:
  explicit Panel(Component* owner) : CustomControl(owner) {}

  BevelCut BevelOuter() const { return outer_; }
  void SetBevelOuter(BevelCut b);
  BevelCut BevelInner() const { return inner_; }
  void SetBevelInner(BevelCut b);

 protected:
  void Paint(Canvas& canvas) override;
  void PropertyChanged(Change what) override;

 private:
  BevelCut outer_ = BevelCut::Raised;
  BevelCut inner_ = BevelCut::None;
};

}  // namespace welmor
