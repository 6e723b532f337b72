#include "toolkit/win32/window_operations.hpp"

#include <array>

namespace welmor::win32_window_ops {

namespace {

// SC_MOVE + HTCAPTION: the move a drag on the caption starts.
constexpr WPARAM kCaptionDragMove = 0xF012;
// GetShortPathNameA writes at most this many characters and a NUL.
constexpr DWORD kShortPathLength = 255;

Rect FromRect(const RECT& r) { return Rect{r.left, r.top, r.right, r.bottom}; }

}  // namespace

void MoveWithMouse(HWND window) {
  // Windows' move loop returns at once when the left button is up, but
  // Wine's waits for the next button release, which would hang every plain
  // mouse movement over the widget: start it only while the button is held.
  if (::GetKeyState(VK_LBUTTON) >= 0) return;
  // Delivered straight to the window procedure, so it runs the move loop now
  // and returns when the drag is over.
  ::SendMessageA(window, WM_SYSCOMMAND, kCaptionDragMove, 0);
}

std::optional<Monitor> MonitorOf(const Rect& window) {
  const RECT r{window.left, window.top, window.right, window.bottom};
  MONITORINFO info{};
  info.cbSize = sizeof(info);
  if (HMONITOR monitor = ::MonitorFromRect(&r, MONITOR_DEFAULTTONEAREST);
      monitor != nullptr && ::GetMonitorInfoA(monitor, &info)) {
    return Monitor{FromRect(info.rcMonitor), FromRect(info.rcWork)};
  }
  RECT work{};
  RECT desktop{};
  if (!::SystemParametersInfoA(SPI_GETWORKAREA, 0, &work, 0)) return std::nullopt;
  ::GetWindowRect(::GetDesktopWindow(), &desktop);
  return Monitor{FromRect(desktop), FromRect(work)};
}

bool PlaceTopmost(HWND window, const Rect& bounds) {
  return ::SetWindowPos(window, HWND_TOPMOST, bounds.left, bounds.top, bounds.Width(), bounds.Height(),
                        SWP_SHOWWINDOW) != 0;
}

std::optional<std::string> ShortPathName(const std::string& path) {
  std::array<char, kShortPathLength + 1> buffer{};
  const DWORD written = ::GetShortPathNameA(path.c_str(), buffer.data(), kShortPathLength);
  // 0 is a failure; a count at or over the buffer size is the size the short
  // form would need, and the buffer holds nothing of it.
  if (written == 0 || written >= kShortPathLength) return std::nullopt;
  return std::string(buffer.data());
}

}  // namespace welmor::win32_window_ops
