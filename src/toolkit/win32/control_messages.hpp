#pragma once
// Message handling that every control window shares: mouse movement and the
// context menu.

#include "toolkit/win32/windows_api.hpp"

#include <cstdint>

#include "toolkit/control.hpp"

namespace welmor {

// Shift state of a mouse message (MK_ bits in wParam, Alt from the keyboard).
uint32_t ShiftStateOf(WPARAM wParam);

// Shift state of a key message (Shift and Ctrl from the keyboard).
uint32_t KeyShiftState();

// WM_MOUSEMOVE: tells the control, in client coordinates.
void ForwardMouseMove(Control& control, WPARAM wParam, LPARAM lParam);

// WM_CONTEXTMENU: opens the popup menu of the control whose window the
// message names (or of root itself) at the point the message carries; a
// menu asked for from the keyboard opens at the mouse position.
void ForwardContextMenu(Control& root, HWND window, WPARAM wParam, LPARAM lParam);

// Among root and its descendants, the control whose native window is hwnd.
Control* FindControlByWindow(Control& root, HWND hwnd);

// A portable window handle as the system's, and back.
inline HWND AsHwnd(WindowHandle window) { return static_cast<HWND>(window.value); }
inline WindowHandle AsHandle(HWND window) { return WindowHandle{window}; }

// The window of a control's peer, null without one.
inline HWND WindowOf(const Control& control) {
  return control.Peer() ? AsHwnd(control.Peer()->Handle()) : nullptr;
}

}  // namespace welmor
