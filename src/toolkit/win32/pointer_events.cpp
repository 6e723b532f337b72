#include "toolkit/win32/pointer_events.hpp"

namespace welmor {

namespace {

void ApplyCursor(const Control& control) {
  LPCSTR id = control.GetCursor() == Cursor::HandPoint ? reinterpret_cast<LPCSTR>(IDC_HAND)
                                                       : reinterpret_cast<LPCSTR>(IDC_ARROW);
  ::SetCursor(::LoadCursorA(nullptr, id));
}

}  // namespace

bool PointerEvents::Handle(Control& control, HWND hwnd, UINT msg, WPARAM, LPARAM lParam, LRESULT& result) {
  switch (msg) {
    case WM_SETCURSOR:
      if (control.GetCursor() == Cursor::Default) return false;
      ApplyCursor(control);
      result = TRUE;
      return true;
    case WM_MOUSEMOVE:
      if (!inside_) {
        // The control window asks to be told when the mouse leaves.
        inside_ = true;
        control.MouseEntered();
        // The cursor for this position was set before the control could
        // change it.
        ApplyCursor(control);
      }
      return false;
    case WM_MOUSELEAVE:
      inside_ = false;
      control.MouseLeft();
      return false;
    case WM_LBUTTONDOWN:
      pressed_ = true;
      return false;
    case WM_LBUTTONUP: {
      const bool wasPressed = pressed_;
      pressed_ = false;
      RECT r;
      ::GetClientRect(hwnd, &r);
      const POINT p{static_cast<int16_t>(LOWORD(lParam)), static_cast<int16_t>(HIWORD(lParam))};
      if (wasPressed && ::PtInRect(&r, p)) control.Clicked();
      return false;
    }
    default:
      return false;
  }
}

}  // namespace welmor
