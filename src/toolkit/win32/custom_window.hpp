#pragma once
// The native side of a CustomControl: a child window that has the control
// compose its Bitmap (when out of date) on WM_PAINT and copies it to the
// screen in one call, never erasing its background, so it never flickers.

#include "toolkit/win32/windows_api.hpp"

#include <cstdint>
#include <memory>
#include <vector>

#include "toolkit/custom_control.hpp"
#include "toolkit/win32/control_window.hpp"

namespace welmor {

inline constexpr char kCustomClassName[] = "WelmorCustom";

// Bitmap pixels (0x00BBGGRR) in the byte order of a 32-bit DIB (0x00RRGGBB).
void ToDibPixels(const std::vector<Color>& pixels, std::vector<uint32_t>& out);

class CustomWindow final : public ControlWindowOf<CustomControl> {
 public:
  using ControlWindowOf::ControlWindowOf;

 private:
  std::vector<uint32_t> dib_;  // reused from paint to paint

  bool Open() override;
  bool ComposeOn(HDC dc, int32_t x, int32_t y) override;
  void Paint(HWND hwnd);
  // The control's image, composed first when out of date; null when its
  // painting failed.
  const Bitmap* CurrentSurface();
  void CopySurface(const Bitmap& surface, HDC dc, int32_t x, int32_t y);
  void OnChanged(Change what) override;
  bool HandleMessage(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) override;
};

}  // namespace welmor
