#include "toolkit/win32/win32_dialogs.hpp"

#include <utility>

#include "toolkit/win32/gdi_font.hpp"
#include "toolkit/win32/input_box.hpp"

namespace welmor {

Win32Dialogs::Win32Dialogs(HINSTANCE instance, OwnerFunction owner)
    : instance_(instance), owner_(std::move(owner)) {
  customColors_.fill(RGB(255, 255, 255));
}

void Win32Dialogs::Message(DialogKind kind, const std::string& text) {
  switch (kind) {
    case DialogKind::Error:
      ::MessageBoxA(owner_(), text.c_str(), kErrorCaption, MB_OK | MB_ICONERROR);
      break;
    case DialogKind::Information:
      ::MessageBoxA(owner_(), text.c_str(), kInformationCaption, MB_OK | MB_ICONINFORMATION);
      break;
    case DialogKind::Confirmation:
      Confirm(text);
      break;
  }
}

bool Win32Dialogs::Confirm(const std::string& text) {
  return ::MessageBoxA(owner_(), text.c_str(), kConfirmCaption, MB_YESNO | MB_ICONQUESTION) == IDYES;
}

void Win32Dialogs::MessageBox(const std::string& text, const std::string& caption) {
  ::MessageBoxA(owner_(), text.c_str(), caption.c_str(), MB_OK);
}

std::string Win32Dialogs::InputBox(const std::string& caption, const std::string& prompt,
                                   const std::string& defaultText) {
  return RunInputBox(instance_, owner_(), caption, prompt, defaultText);
}

bool Win32Dialogs::ChooseColor(Color& color) {
  CHOOSECOLORA cc{};
  cc.lStructSize = sizeof(cc);
  cc.hwndOwner = owner_();
  cc.rgbResult = ToColorRef(color);
  cc.lpCustColors = customColors_.data();
  cc.Flags = CC_RGBINIT;
  using ChooseColorFunction = BOOL(WINAPI*)(CHOOSECOLORA*);
  const auto chooseColor = comdlg_.Proc<ChooseColorFunction>("ChooseColorA");
  if (chooseColor == nullptr || !chooseColor(&cc)) return false;
  color = static_cast<Color>(cc.rgbResult & 0x00FFFFFFu);
  return true;
}

}  // namespace welmor
