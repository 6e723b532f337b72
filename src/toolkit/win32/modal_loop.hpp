#pragma once
// The message loop of a modal window: the thread's other top-level windows
// take no input until it is hidden, then get it back, and the window that
// was active before is active again.

#include "toolkit/win32/windows_api.hpp"

#include <functional>

namespace welmor {

// Runs the thread's messages through deliver while stillShown answers true.
// A WM_QUIT ends the loop and is posted again for the outer loop.
void RunModalMessages(HWND modal, const std::function<bool()>& stillShown,
                      const std::function<void(MSG&)>& deliver);

}  // namespace welmor
