#include "windows/secondary_window.hpp"

namespace welmor {

void SetUpSecondaryWindow(Form& form, int32_t clientWidth, int32_t clientHeight) {
  form.SetBorderStyle(FormBorderStyle::None);
  form.SetFont(Font{"MS Sans Serif", -11, 0, 0});
  form.SetFrame(kSecondaryFrameWidth, kNavy);
  form.SetClientSize(clientWidth, clientHeight);
  form.SetPosition(FormPosition::ScreenCenter);
}

Label& AddStaticText(Form& form, Control& parent, const std::string& name, const Font& font, int32_t left,
                     int32_t top, int32_t width, int32_t height) {
  Label& text = form.Make<Label>();
  text.SetName(name);
  text.SetParent(&parent);
  text.SetParentColor(true);
  text.SetFont(font);
  text.SetBounds(left, top, width, height);
  text.SetAutoSize(width == 0);
  return text;
}

}  // namespace welmor
