#pragma once
// What the control windows need from the backend that made them.

#include "toolkit/win32/windows_api.hpp"

namespace welmor {

class WindowClasses;
class HintWindow;
class PaintPass;
class Control;

struct Win32Context {
  WindowClasses& classes;
  HintWindow& hints;
  PaintPass& paints;
  HWND applicationWindow;
};

// The window a child control's window goes into: its parent control's,
// created first when needed, or the (zero-size) application window for a
// control that has no parent yet.
HWND ParentWindowFor(Control& control, const Win32Context& context);

}  // namespace welmor
