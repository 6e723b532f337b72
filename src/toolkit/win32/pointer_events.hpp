#pragma once
// What a control window makes of the pointer beyond plain movement: entering
// and leaving, the control's own cursor, and a click (left button pressed and
// released over the control).

#include "toolkit/win32/windows_api.hpp"

#include "toolkit/control.hpp"

namespace welmor {

class PointerEvents {
 public:
  // Handles WM_SETCURSOR; notes the pointer's entry on WM_MOUSEMOVE, its
  // leaving on WM_MOUSELEAVE (which the control window asks for) and a click
  // on the left button, leaving those messages to the caller as well. True
  // when the message is fully handled, with its result.
  bool Handle(Control& control, HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result);

 private:
  bool inside_ = false;
  bool pressed_ = false;
};

}  // namespace welmor
