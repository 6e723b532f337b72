#include "toolkit/win32/menu_hints.hpp"

#include <string>

#include "toolkit/application.hpp"

namespace welmor {

namespace {

// Menus are tracked on the one user-interface thread, one at a time.
const NativeMenu* g_watched = nullptr;

}  // namespace

MenuHintWatch::MenuHintWatch(const NativeMenu& menu)
    : previous_(g_watched),
      hook_(::SetWindowsHookExA(WH_CALLWNDPROC, &MenuHintWatch::Hook, nullptr, ::GetCurrentThreadId())) {
  g_watched = &menu;
}

MenuHintWatch::~MenuHintWatch() {
  hook_.reset();
  g_watched = previous_;
}

LRESULT CALLBACK MenuHintWatch::Hook(int code, WPARAM wParam, LPARAM lParam) {
  if (code == HC_ACTION && g_watched != nullptr) {
    const auto* sent = reinterpret_cast<const CWPSTRUCT*>(lParam);
    if (sent->message == WM_MENUSELECT) ApplyMenuSelect(*g_watched, sent->wParam, sent->lParam);
  }
  return ::CallNextHookEx(nullptr, code, wParam, lParam);
}

void ApplyMenuSelect(const NativeMenu& menu, WPARAM wParam, LPARAM lParam) {
  const UINT flags = HIWORD(wParam);
  HMENU shown = reinterpret_cast<HMENU>(lParam);
  std::string hint;
  const bool closed = flags == 0xFFFF && shown == nullptr;
  if (!closed) {
    UINT id = LOWORD(wParam);
    // A sub-menu's head is named by its place in the menu, not by its id.
    if (flags & MF_POPUP) {
      MENUITEMINFOA mii{};
      mii.cbSize = sizeof(mii);
      mii.fMask = MIIM_ID;
      id = ::GetMenuItemInfoA(shown, id, TRUE, &mii) ? mii.wID : 0;
    }
    if (const MenuItem* item = menu.ItemForCommand(id)) hint = item->Hint();
  }
  if (Application* app = menu.app) Application::Dispatch(*app, [&] { app->SetHint(hint); });
}

}  // namespace welmor
