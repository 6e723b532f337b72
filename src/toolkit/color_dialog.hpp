#pragma once
// The standard colour chooser as a component: it opens with its Color, which
// is the colour last picked in it (black before the first pick).

#include "toolkit/application.hpp"
#include "toolkit/component.hpp"
#include "toolkit/geometry.hpp"

namespace welmor {

class ColorDialog : public Component {
 public:
  explicit ColorDialog(Component* owner) : Component(owner) {}

  Color GetColor() const { return color_; }
  void SetColor(Color c) { color_ = c; }

  // Shows the dialog; true when the user picked a colour, which is then the
  // dialog's Color. Cancel keeps the Color.
  bool Execute() {
    Application* app = App();
    if (app == nullptr) return false;
    Color picked = color_;
    if (!app->GetDialogs().ChooseColor(picked)) return false;
    color_ = picked;
    return true;
  }

 private:
  Color color_ = 0;
};

}  // namespace welmor
