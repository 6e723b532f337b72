#pragma once
// Base of every window class of the toolkit. Each derived class gets its own
// static, noexcept window procedure that finds the object through the
// window's extra bytes (set at WM_NCCREATE from the CreateWindowEx
// parameter), hands the message to the object's OnMessage, and forgets the
// object at WM_NCDESTROY. No exception ever unwinds into the system.
//
// A derived class provides
//   LRESULT OnMessage(HWND, UINT, WPARAM, LPARAM);
//   void OnDestroyed();   // the window is gone: drop the owned handle
//   Application* OwningApplication() const;  // where stray errors go
// and keeps its unique_hwnd as its last member, so the window goes first
// when the object is destroyed.

#include "toolkit/application.hpp"
#include "toolkit/win32/message_depth.hpp"
#include "toolkit/win32/windows_api.hpp"

namespace welmor {

template <class Derived>
class NativeWindow {
 public:
  // Bytes each window class reserves for the object pointer.
  static constexpr int kExtraBytes = sizeof(LONG_PTR);

  static LRESULT CALLBACK WindowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) noexcept {
    Derived* self = nullptr;
    if (msg == WM_NCCREATE) {
      const auto* cs = reinterpret_cast<const CREATESTRUCTA*>(lParam);
      self = static_cast<Derived*>(cs->lpCreateParams);
      ::SetWindowLongPtrA(hwnd, 0, reinterpret_cast<LONG_PTR>(self));
    } else {
      self = reinterpret_cast<Derived*>(::GetWindowLongPtrA(hwnd, 0));
    }
    if (self == nullptr) return ::DefWindowProcA(hwnd, msg, wParam, lParam);

    LRESULT result = 0;
    const message_depth::Scope depth;
    try {
      result = self->OnMessage(hwnd, msg, wParam, lParam);
    } catch (...) {
      // An exception reached the window procedure: show it like any other
      // (when the window belongs to an application).
      Application::ReportCurrentException(self->OwningApplication());
    }
    if (msg == WM_NCDESTROY) {
      ::SetWindowLongPtrA(hwnd, 0, 0);
      self->OnDestroyed();
    }
    return result;
  }

 protected:
  // Stops messages reaching the object; called by a destructor before the
  // window is destroyed, while members may already be half gone.
  static void Detach(HWND hwnd) noexcept {
    if (hwnd) ::SetWindowLongPtrA(hwnd, 0, 0);
  }
};

}  // namespace welmor
