#pragma once
// The native side of a Picture: a child window that fills itself with the
// control's colour (its parent's) and draws the picture over it.

#include "toolkit/win32/windows_api.hpp"

#include "toolkit/picture.hpp"
#include "toolkit/win32/control_window.hpp"

namespace welmor {

inline constexpr char kPictureClassName[] = "WelmorPicture";

class PictureWindow final : public ControlWindowOf<Picture> {
 public:
  using ControlWindowOf::ControlWindowOf;

 private:
  bool Open() override;
  void OnChanged(Change what) override;
  bool HandleMessage(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) override;
  void Paint(HWND hwnd);
};

}  // namespace welmor
