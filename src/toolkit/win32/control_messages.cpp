#include "toolkit/win32/control_messages.hpp"

namespace welmor {

uint32_t ShiftStateOf(WPARAM wParam) {
  uint32_t shift = 0;
  if (wParam & MK_SHIFT) shift |= ssShift;
  if (wParam & MK_CONTROL) shift |= ssCtrl;
  if (wParam & MK_LBUTTON) shift |= ssLeft;
  if (wParam & MK_RBUTTON) shift |= ssRight;
  if (wParam & MK_MBUTTON) shift |= ssMiddle;
  if (::GetKeyState(VK_MENU) < 0) shift |= ssAlt;
  return shift;
}

uint32_t KeyShiftState() {
  uint32_t shift = 0;
  if (::GetKeyState(VK_SHIFT) < 0) shift |= ssShift;
  if (::GetKeyState(VK_CONTROL) < 0) shift |= ssCtrl;
  return shift;
}

void ForwardMouseMove(Control& control, WPARAM wParam, LPARAM lParam) {
  const auto x = static_cast<int32_t>(static_cast<int16_t>(LOWORD(lParam)));
  const auto y = static_cast<int32_t>(static_cast<int16_t>(HIWORD(lParam)));
  control.MouseMoved(ShiftStateOf(wParam), x, y);
}

void ForwardContextMenu(Control& root, HWND window, WPARAM wParam, LPARAM lParam) {
  POINT pt{static_cast<int16_t>(LOWORD(lParam)), static_cast<int16_t>(HIWORD(lParam))};
  if (lParam == -1 || (pt.x == -1 && pt.y == -1)) ::GetCursorPos(&pt);
  Control* target = FindControlByWindow(root, reinterpret_cast<HWND>(wParam));
  if (target == nullptr) target = FindControlByWindow(root, window);
  if (target == nullptr) target = &root;
  target->ContextPopup(Point{pt.x, pt.y});
}

Control* FindControlByWindow(Control& root, HWND hwnd) {
  if (hwnd == nullptr) return nullptr;
  if (WindowOf(root) == hwnd) return &root;
  for (Control* child : root.Controls()) {
    if (Control* found = FindControlByWindow(*child, hwnd)) return found;
  }
  return nullptr;
}

}  // namespace welmor
