#pragma once
// The shared dialogs on the system's own boxes: MessageBoxA, our input box
// and ChooseColorA (comdlg32 loaded on the first use). Each is modal to the window the owner function names.

#include "toolkit/win32/windows_api.hpp"

#include <array>
#include <functional>

#include "toolkit/dialogs.hpp"
#include "winapi/win32/system_library.hpp"

namespace welmor {

class Win32Dialogs final : public Dialogs {
 public:
  using OwnerFunction = std::function<HWND()>;
  Win32Dialogs(HINSTANCE instance, OwnerFunction owner);

  void Message(DialogKind kind, const std::string& text) override;
  bool Confirm(const std::string& text) override;
  void MessageBox(const std::string& text, const std::string& caption) override;
  std::string InputBox(const std::string& caption, const std::string& prompt,
                       const std::string& defaultText) override;
  bool ChooseColor(Color& color) override;

 private:
  HINSTANCE instance_;
  OwnerFunction owner_;
  // The colour dialog's sixteen custom colours, kept for the whole run.
  std::array<COLORREF, 16> customColors_;
  // Only the colour dialog needs it.
  SystemLibrary comdlg_{"comdlg32.dll"};
};

}  // namespace welmor
