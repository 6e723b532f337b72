#pragma once
// A real Win32 toolkit backend and an Application on it, for tests that run
// under Wine with a display.

#include <gtest/gtest.h>

#include <functional>
#include <memory>
#include <string>

#include "toolkit/application.hpp"
#include "toolkit/win32/win32_backend.hpp"
#include "toolkit/win32/windows_api.hpp"

namespace welmor::testenv {

// One backend for the whole test program. Without a window manager, Wine
// waits two seconds for every shown window that is hidden or destroyed, and
// the application window is shown from the start.
inline Win32Backend* SharedBackend() {
  static std::unique_ptr<Win32Backend> backend = MakeWin32Backend(::GetModuleHandleA(nullptr));
  return backend.get();
}

class Win32Toolkit : public ::testing::Test {
 protected:
  void SetUp() override {
    backend_ = SharedBackend();
    ASSERT_NE(backend_, nullptr) << "the application and timer windows could not be made";
    app_ = std::make_unique<Application>(*backend_);
  }
  void TearDown() override {
    app_.reset();
    // A quit request or a message left over must not end the next test's loop.
    MSG msg;
    while (::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
    }
  }

  // Dispatches messages for about ms milliseconds.
  void Pump(DWORD ms) {
    const DWORD start = ::GetTickCount();
    while (::GetTickCount() - start < ms) {
      app_->ProcessMessages();
      ::MsgWaitForMultipleObjects(0, nullptr, FALSE, 5, QS_ALLINPUT);
    }
  }

  Application& App() { return *app_; }
  Win32Backend& Backend() { return *backend_; }

  Win32Backend* backend_ = nullptr;
  std::unique_ptr<Application> app_;
};

inline HWND AsHwnd(WindowHandle handle) { return static_cast<HWND>(handle.value); }

inline std::string WindowText(HWND hwnd) {
  char buffer[512] = {};
  ::GetWindowTextA(hwnd, buffer, sizeof buffer);
  return buffer;
}

// While a modal loop (message box, dialog, menu) runs on this thread, calls
// act with the first new top-level window of the given class, once.
class WhileModal {
 public:
  WhileModal(const char* className, std::function<void(HWND)> act)
      : className_(className), act_(std::move(act)) {
    current_ = this;
    timer_ = ::SetTimer(nullptr, 0, 50, &WhileModal::Tick);
  }
  ~WhileModal() {
    ::KillTimer(nullptr, timer_);
    current_ = nullptr;
  }
  bool Acted() const { return acted_; }

 private:
  static BOOL CALLBACK Find(HWND hwnd, LPARAM lParam) {
    auto* self = reinterpret_cast<WhileModal*>(lParam);
    char cls[64] = {};
    ::GetClassNameA(hwnd, cls, sizeof cls);
    if (self->className_ == cls && ::IsWindowVisible(hwnd)) {
      self->found_ = hwnd;
      return FALSE;
    }
    return TRUE;
  }
  static void CALLBACK Tick(HWND, UINT, UINT_PTR, DWORD) {
    WhileModal* self = current_;
    if (self == nullptr || self->acted_) return;
    self->found_ = nullptr;
    ::EnumThreadWindows(::GetCurrentThreadId(), &WhileModal::Find, reinterpret_cast<LPARAM>(self));
    if (self->found_ == nullptr) return;
    self->acted_ = true;
    self->act_(self->found_);
  }

  static inline WhileModal* current_ = nullptr;
  std::string className_;
  std::function<void(HWND)> act_;
  UINT_PTR timer_ = 0;
  HWND found_ = nullptr;
  bool acted_ = false;
};

}  // namespace welmor::testenv
