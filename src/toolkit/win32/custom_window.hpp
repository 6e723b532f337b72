#pragma once
// The native side of a CustomControl: a child window that copies the
// control's composed Bitmap to the screen in one call on every WM_PAINT and
// never erases its background, so it never flickers.

#include "toolkit/win32/windows_api.hpp"

#include <cstdint>
#include <memory>
#include <vector>

#include "toolkit/custom_control.hpp"
#include "toolkit/win32/handles.hpp"
#include "toolkit/win32/native_window.hpp"
#include "toolkit/win32/win32_context.hpp"

namespace welmor {

inline constexpr char kCustomClassName[] = "WelmorCustom";

// Bitmap pixels (0x00BBGGRR) in the byte order of a 32-bit DIB (0x00RRGGBB).
void ToDibPixels(const std::vector<Color>& pixels, std::vector<uint32_t>& out);

class CustomWindow final : public ControlPeer, public NativeWindow<CustomWindow> {
 public:
  // Null when the window cannot be made.
  static std::unique_ptr<CustomWindow> Create(const Win32Context& context, CustomControl& control);
  CustomWindow(const Win32Context& context, CustomControl& control) : context_(context), control_(control) {}
  ~CustomWindow() override;

  void Changed(Change what) override;
  uintptr_t Handle() const override { return reinterpret_cast<uintptr_t>(window_.get()); }

 private:
  friend class NativeWindow<CustomWindow>;
  LRESULT OnMessage(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
  void OnDestroyed() { window_.release(); }
  void Paint(HWND hwnd);

  Win32Context context_;
  CustomControl& control_;
  std::vector<uint32_t> dib_;  // reused from paint to paint
  bool inPaint_ = false;
  unique_hwnd window_;
};

}  // namespace welmor
