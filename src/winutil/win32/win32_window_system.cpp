#include "winutil/win32/win32_window_system.hpp"

#include <windows.h>

#include <array>

namespace welmor {

namespace {

// SC_MOVE + HTCAPTION: the move a drag on the caption starts.
constexpr WPARAM kCaptionDragMove = 0xF012;
// GetShortPathNameA writes at most this many characters and a NUL.
constexpr DWORD kShortPathLength = 255;

HWND AsWindow(uintptr_t window) { return reinterpret_cast<HWND>(window); }

class Win32WindowSystem final : public WindowSystem {
 public:
  void ReleaseMouseCapture() override { ::ReleaseCapture(); }

  void MoveWithMouse(uintptr_t window) override {
    // Windows' move loop returns at once when the left button is up, but
    // Wine's waits for the next button release, which would hang every
    // plain mouse movement over the widget: start it only while the button
    // is held.
    if (::GetKeyState(VK_LBUTTON) >= 0) return;
    // Delivered straight to the window procedure, so it runs the move loop
    // now and returns when the drag is over.
    ::SendMessageA(AsWindow(window), WM_SYSCOMMAND, kCaptionDragMove, 0);
  }

  std::optional<Rect> WorkArea() override {
    RECT r{};
    if (!::SystemParametersInfoA(SPI_GETWORKAREA, 0, &r, 0)) return std::nullopt;
    return Rect{r.left, r.top, r.right, r.bottom};
  }

  void ShowWindow(uintptr_t window, bool visible) override {
    ::ShowWindow(AsWindow(window), visible ? SW_SHOW : SW_HIDE);
  }

  uint32_t ExtendedStyle(uintptr_t window) override {
    return static_cast<uint32_t>(::GetWindowLongA(AsWindow(window), GWL_EXSTYLE));
  }

  void SetExtendedStyle(uintptr_t window, uint32_t exStyle) override {
    ::SetWindowLongA(AsWindow(window), GWL_EXSTYLE, static_cast<LONG>(exStyle));
  }

  bool PlaceTopmost(uintptr_t window, const Rect& bounds) override {
    return ::SetWindowPos(AsWindow(window), HWND_TOPMOST, bounds.left, bounds.top, bounds.Width(),
                          bounds.Height(), SWP_SHOWWINDOW) != 0;
  }

  std::optional<std::string> ShortPathName(const std::string& path) override {
    std::array<char, kShortPathLength + 1> buffer{};
    const DWORD written = ::GetShortPathNameA(path.c_str(), buffer.data(), kShortPathLength);
    // 0 is a failure; a count at or over the buffer size is the size the
    // short form would need, and the buffer holds nothing of it.
    if (written == 0 || written >= kShortPathLength) return std::nullopt;
    return std::string(buffer.data());
  }
};

}  // namespace

std::unique_ptr<WindowSystem> MakeWin32WindowSystem() { return std::make_unique<Win32WindowSystem>(); }

}  // namespace welmor
