#pragma once
// The window helpers' platform operations on user32 and kernel32.

#include <memory>

#include "winutil/window_system.hpp"

namespace welmor {

std::unique_ptr<WindowSystem> MakeWin32WindowSystem();

}  // namespace welmor
