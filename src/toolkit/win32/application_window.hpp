#pragma once
// The hidden window that stands for the program, as the classic frameworks
// have it: a zero-size top-level popup that owns every form, so the task-bar
// button is its own and the forms have none. MakeToolWindow works on it.

#include "toolkit/win32/windows_api.hpp"

#include <functional>
#include <memory>

#include "winapi/win32/handles.hpp"
#include "toolkit/win32/native_window.hpp"

namespace welmor {

class WindowClasses;

inline constexpr char kApplicationClassName[] = "WelmorApplication";

class ApplicationWindow final : public NativeWindow<ApplicationWindow> {
 public:
  // Null when the window cannot be made.
  // onClose runs when the task-bar button is closed.
  static std::unique_ptr<ApplicationWindow> Create(WindowClasses& classes, std::function<void()> onClose);
  ApplicationWindow() = default;
  ~ApplicationWindow();

  HWND Handle() const { return window_.get(); }

 private:
  friend class NativeWindow<ApplicationWindow>;
  LRESULT OnMessage(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
  void OnDestroyed() { window_.release(); }
  // Its one handler dispatches itself.
  Application* OwningApplication() const { return nullptr; }

  std::function<void()> onClose_;

  unique_hwnd window_;
};

}  // namespace welmor
