#pragma once
// The native side of a Label: a child window that paints its caption on the
// control's colour in the control's font. The window text is the caption, so
// other programs read it with WM_GETTEXT as they would a static control's.

#include "toolkit/win32/windows_api.hpp"

#include <memory>

#include "toolkit/label.hpp"
#include "toolkit/win32/control_window.hpp"
#include "toolkit/win32/pointer_events.hpp"

namespace welmor {

inline constexpr char kLabelClassName[] = "WelmorLabel";

class LabelWindow final : public ControlWindowOf<Label> {
 public:
  using ControlWindowOf::ControlWindowOf;

 private:
  unique_hfont font_;  // made on first paint after a font change
  PointerEvents pointer_;

  bool Open() override;
  bool ComposeOn(HDC dc, int32_t x, int32_t y) override;
  void Paint(HWND hwnd);
  // Background and caption over area of dc.
  void DrawClient(HDC dc, RECT area);
  // Now, or with the paint pass when a timer event runs.
  void Repaint();
  void PaintFrame(HWND hwnd);
  void OnChanged(Change what) override;
  bool HandleMessage(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) override;
};

}  // namespace welmor
