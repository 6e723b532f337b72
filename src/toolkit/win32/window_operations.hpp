#pragma once
// The window-manager operations of the Win32 backend: the caption-drag move
// loop, the displays, styles, the topmost band and short path names.

#include "toolkit/win32/windows_api.hpp"

#include <cstdint>
#include <optional>
#include <string>

#include "toolkit/geometry.hpp"
#include "toolkit/monitors.hpp"

namespace welmor::win32_window_ops {

// Runs the system's move loop while the left button is held; returns at once
// when it is not.
void MoveWithMouse(HWND window);
// The display the system assigns a window at these bounds to (the one it
// overlaps most, else the nearest). Where the system cannot say, the primary
// work area and the whole desktop; nothing when neither can be read.
std::optional<Monitor> MonitorOf(const Rect& window);
bool PlaceTopmost(HWND window, const Rect& bounds);
std::optional<std::string> ShortPathName(const std::string& path);

}  // namespace welmor::win32_window_ops
