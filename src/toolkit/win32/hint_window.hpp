#pragma once
// Control hints in a window of our own, as the classic framework draws them:
// a topmost, borderless-but-framed popup in the application's hint colour
// that shows the hint of the control under the mouse after the hint pause,
// hides after the hide pause or when the mouse leaves the control, shows any
// number of lines of any length, and is sized to its text and kept on the
// screen. One window serves every control.

#include "toolkit/win32/windows_api.hpp"

#include <cstdint>
#include <memory>
#include <string>

#include "toolkit/control.hpp"
#include "toolkit/win32/native_window.hpp"
#include "winapi/win32/handles.hpp"

namespace welmor {

class WindowClasses;

inline constexpr char kHintClassName[] = "WelmorHint";

class HintWindow final : public NativeWindow<HintWindow> {
 public:
  // Null when the window cannot be made. owner keeps it off the task bar.
  static std::unique_ptr<HintWindow> Create(WindowClasses& classes, HWND owner);
  HintWindow() = default;
  ~HintWindow();

  // Background colour, the pause before a hint shows and the time it stays.
  void ApplySettings(Color background, uint32_t pauseMs, uint32_t hidePauseMs);
  // The mouse moved over a control's window.
  void MouseOver(const Control& control, HWND window);
  // A mouse button went down on the control: no hint until the mouse comes
  // back to it.
  void Cancel(const Control& control);
  // The control's Hint or ShowHint changed: a shown hint follows.
  void HintChanged(const Control& control);
  // The mouse left the control's window, or the window is going.
  void Forget(const Control& control);

  HWND Handle() const { return window_.get(); }
  bool Showing() const { return showing_; }

 private:
  friend class NativeWindow<HintWindow>;
  LRESULT OnMessage(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
  void OnDestroyed() { window_.release(); }
  Application* OwningApplication() const { return nullptr; }

  void Leave();
  void Show();
  void HideNow();
  void OnTimer(UINT_PTR id);
  void Paint(HWND hwnd);
  UINT TextFlags() const;

  Color background_ = 0x00E1FFFF;
  uint32_t pauseMs_ = 500;
  uint32_t hidePauseMs_ = 2500;
  const Control* current_ = nullptr;  // the control under the mouse with a hint
  HWND currentWindow_ = nullptr;
  bool expired_ = false;  // shown and hidden again while the mouse stayed
  bool showing_ = false;
  std::string text_;
  unique_hfont font_;
  unique_hwnd window_;
};

}  // namespace welmor
