#pragma once
// The native side of a Form: a top-level popup window owned by the
// application window, so it has no task-bar button of its own.

#include "toolkit/win32/windows_api.hpp"

#include <memory>
#include <string>

#include "toolkit/form.hpp"
#include "toolkit/win32/control_window.hpp"

namespace welmor {

// The class style, window styles and extended styles of a form before its
// CreateParams hook adjusts them.
CreateParamsRec DefaultFormParams(FormBorderStyle border);

// Class name for a form window class of the given name ("WelmorForm" when
// empty) and class style: the name alone for the default style,
// "<name>_<hex style>" otherwise.
std::string FormClassName(const std::string& name, uint32_t classStyle);

class FormWindow final : public ControlWindowOf<Form> {
 public:
  using ControlWindowOf::ControlWindowOf;

 private:
  // Forms take the focus when shown, as top-level windows do.
  int ShowCommand() const override { return SW_SHOW; }
  CreateParamsRec Params();
  bool Open() override;
  void SyncBounds(HWND hwnd);
  void SnapToWorkArea(HWND hwnd, WINDOWPOS& pos);
  void PaintFrame(HWND hwnd);
  void OnChanged(Change what) override;
  bool HandleMessage(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) override;
};

}  // namespace welmor
