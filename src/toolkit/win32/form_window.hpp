#pragma once
// The native side of a Form: a top-level popup window owned by the
// application window, so it has no task-bar button of its own.

#include "toolkit/win32/windows_api.hpp"

#include <memory>
#include <string>

#include "toolkit/form.hpp"
#include "toolkit/win32/handles.hpp"
#include "toolkit/win32/native_window.hpp"
#include "toolkit/win32/win32_context.hpp"

namespace welmor {

// The class style, window styles and extended styles of a form before its
// CreateParams hook adjusts them.
CreateParamsRec DefaultFormParams(FormBorderStyle border);

// Class name for a form window class of the given class style: "WelmorForm"
// for the default style, "WelmorForm_<hex style>" otherwise.
std::string FormClassName(uint32_t classStyle);

class FormWindow final : public ControlPeer, public NativeWindow<FormWindow> {
 public:
  // Null when the window cannot be made.
  static std::unique_ptr<FormWindow> Create(const Win32Context& context, Form& form);
  FormWindow(const Win32Context& context, Form& form) : context_(context), form_(form) {}
  ~FormWindow() override;

  void Changed(Change what) override;
  uintptr_t Handle() const override { return reinterpret_cast<uintptr_t>(window_.get()); }

 private:
  friend class NativeWindow<FormWindow>;
  LRESULT OnMessage(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
  void OnDestroyed() { window_.release(); }
  void SyncBounds(HWND hwnd);
  void SnapToWorkArea(HWND hwnd, WINDOWPOS& pos);
  CreateParamsRec Params();

  Win32Context context_;
  Form& form_;
  unique_hwnd window_;
};

}  // namespace welmor
