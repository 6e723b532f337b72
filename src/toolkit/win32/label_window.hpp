#pragma once
// The native side of a Label: a child window that paints its caption on the
// control's colour in the control's font. The window text is the caption, so
// other programs read it with WM_GETTEXT as they would a static control's.

#include "toolkit/win32/windows_api.hpp"

#include <memory>

#include "toolkit/label.hpp"
#include "toolkit/win32/handles.hpp"
#include "toolkit/win32/native_window.hpp"
#include "toolkit/win32/win32_context.hpp"

namespace welmor {

inline constexpr char kLabelClassName[] = "WelmorLabel";

class LabelWindow final : public ControlPeer, public NativeWindow<LabelWindow> {
 public:
  // Null when the window cannot be made.
  static std::unique_ptr<LabelWindow> Create(const Win32Context& context, Label& label);
  LabelWindow(const Win32Context& context, Label& label) : context_(context), label_(label) {}
  ~LabelWindow() override;

  void Changed(Change what) override;
  uintptr_t Handle() const override { return reinterpret_cast<uintptr_t>(window_.get()); }

 private:
  friend class NativeWindow<LabelWindow>;
  LRESULT OnMessage(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
  void OnDestroyed() { window_.release(); }
  void Paint(HWND hwnd);
  void PaintFrame(HWND hwnd);

  Win32Context context_;
  Label& label_;
  unique_hfont font_;  // made on first paint after a font change
  unique_hwnd window_;
};

}  // namespace welmor
