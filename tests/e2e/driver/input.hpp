#pragma once
// Keyboard and mouse input for the inspected windows.
//
// Keys are posted to a window's queue rather than typed: the widget is a
// tool window that need not have the keyboard focus, and a posted key passes
// through the program's message loop (and its message filter) exactly like a
// typed one. The mouse is driven with SendInput, the real pointer of the
// (virtual) display.

#include <windows.h>

#include <string>

namespace welmor::e2e {

struct KeyStroke {
  UINT virtual_key = 0;
  bool alt = false;
};

// "ALT+F4", "ESCAPE", "RETURN", "DOWN", "F10", "A", ...; throws Failure for
// anything else.
KeyStroke ParseKey(const std::string& name);

// Posts the key's down and up messages (WM_SYSKEY* while Alt is held).
void PostKey(HWND window, KeyStroke key);

void MoveMouse(int x, int y);
void ClickMouse(int x, int y, bool right_button);

// A right click at a point of the window, as the window's own queue would
// receive it: WM_RBUTTONDOWN / WM_RBUTTONUP posted to the child under the
// point (client coordinates of that child).
void PostRightClick(HWND window, POINT client_point);

}  // namespace welmor::e2e
