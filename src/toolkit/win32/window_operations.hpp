#pragma once
// The window-manager operations of the Win32 backend: the caption-drag move
// loop, the work area, styles, the topmost band and short path names.

#include "toolkit/win32/windows_api.hpp"

#include <cstdint>
#include <optional>
#include <string>

#include "toolkit/geometry.hpp"

namespace welmor::win32_window_ops {

// Runs the system's move loop while the left button is held; returns at once
// when it is not.
void MoveWithMouse(HWND window);
std::optional<Rect> WorkArea();
bool PlaceTopmost(HWND window, const Rect& bounds);
std::optional<std::string> ShortPathName(const std::string& path);

}  // namespace welmor::win32_window_ops
