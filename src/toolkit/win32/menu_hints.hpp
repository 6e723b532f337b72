#pragma once
// While a popup menu is open, the hint of the highlighted item becomes the
// application's current hint, and the empty text when nothing is highlighted
// or the menu closes: the way the framework our menus follow does it.

#include "toolkit/win32/windows_api.hpp"

#include "toolkit/win32/menu_builder.hpp"
#include "winapi/win32/handles.hpp"

namespace welmor {

struct HookCloser : handle_detail::Uncounted {
  static void Close(HHOOK h) noexcept { ::UnhookWindowsHookEx(h); }
};
using unique_hhook = unique_any<HHOOK, HookCloser>;

// Watches the calling thread's WM_MENUSELECT messages for as long as it lives.
class MenuHintWatch {
 public:
  explicit MenuHintWatch(const NativeMenu& menu);
  ~MenuHintWatch();
  MenuHintWatch(const MenuHintWatch&) = delete;
  MenuHintWatch& operator=(const MenuHintWatch&) = delete;

 private:
  static LRESULT CALLBACK Hook(int code, WPARAM wParam, LPARAM lParam);

  const NativeMenu* previous_ = nullptr;
  unique_hhook hook_;
};

// One WM_MENUSELECT, as the menu's owner receives it.
void ApplyMenuSelect(const NativeMenu& menu, WPARAM wParam, LPARAM lParam);

}  // namespace welmor
