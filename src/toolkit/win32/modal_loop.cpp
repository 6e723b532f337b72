#include "toolkit/win32/modal_loop.hpp"

#include <vector>

namespace welmor {

namespace {

struct DisabledWindows {
  HWND modal;
  std::vector<HWND> windows;
};

BOOL CALLBACK DisableOne(HWND hwnd, LPARAM param) {
  auto* disabled = reinterpret_cast<DisabledWindows*>(param);
  if (hwnd != disabled->modal && ::IsWindowVisible(hwnd) && ::IsWindowEnabled(hwnd)) {
    ::EnableWindow(hwnd, FALSE);
    disabled->windows.push_back(hwnd);
  }
  return TRUE;
}

}  // namespace

void RunModalMessages(HWND modal, const std::function<bool()>& stillShown,
                      const std::function<void(MSG&)>& deliver) {
  HWND previous = ::GetActiveWindow();
  DisabledWindows disabled{modal, {}};
  ::EnumThreadWindows(::GetCurrentThreadId(), &DisableOne, reinterpret_cast<LPARAM>(&disabled));
  MSG msg;
  while (stillShown()) {
    const BOOL got = ::GetMessageA(&msg, nullptr, 0, 0);
    if (got == 0) {
      ::PostQuitMessage(static_cast<int>(msg.wParam));
      break;
    }
    if (got < 0) break;
    deliver(msg);
  }
  // Enabled before anything is activated, so that the system does not pass
  // the activation to some other program's window.
  for (HWND window : disabled.windows) {
    if (::IsWindow(window)) ::EnableWindow(window, TRUE);
  }
  if (previous != nullptr && previous != modal && ::IsWindow(previous)) ::SetActiveWindow(previous);
}

}  // namespace welmor
