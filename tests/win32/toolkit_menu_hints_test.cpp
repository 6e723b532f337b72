// The hint of the highlighted menu item becomes the application's hint.
#include <gtest/gtest.h>

#include <string>

#include "toolkit/form.hpp"
#include "toolkit/menu.hpp"
#include "toolkit/win32/menu_hints.hpp"
#include "win32/toolkit_fixture.hpp"

namespace welmor {
namespace {

class Win32MenuHints : public testenv::Win32Toolkit {
 protected:
  void SetUp() override {
    Win32Toolkit::SetUp();
    owner_ = std::make_unique<Form>(nullptr);
    menu_ = &owner_->Make<PopupMenu>();
  }
  void TearDown() override {
    owner_.reset();
    Win32Toolkit::TearDown();
  }
  MenuItem& Add(MenuItem& parent, const std::string& caption, const std::string& hint) {
    MenuItem& item = owner_->Make<MenuItem>();
    item.SetCaption(caption);
    item.SetHint(hint);
    parent.Add(item);
    return item;
  }

  std::unique_ptr<Form> owner_;
  PopupMenu* menu_ = nullptr;
};

TEST_F(Win32MenuHints, EachSelectionNamesItsItemsHint) {
  MenuItem& misc = Add(menu_->Items(), "&Misc.", "the options");
  Add(misc, "Show processes", "Show active processes on hint");
  Add(menu_->Items(), "-", "");
  Add(menu_->Items(), "E&xit", "");
  NativeMenu native = BuildNativeMenu(*menu_);
  ASSERT_TRUE(native.menu);
  HMENU root = native.menu.get();
  HMENU sub = ::GetSubMenu(root, 0);
  const auto select = [&](UINT idOrPlace, UINT flags, HMENU menu) {
    App().SetHint("stale");
    ApplyMenuSelect(native, MAKEWPARAM(idOrPlace, flags), reinterpret_cast<LPARAM>(menu));
    return App().Hint();
  };
  EXPECT_EQ(select(::GetMenuItemID(sub, 0), MF_HILITE, sub), "Show active processes on hint");
  EXPECT_EQ(select(0, MF_HILITE | MF_POPUP, root), "the options");   // a sub-menu head, by place
  EXPECT_EQ(select(1, MF_HILITE | MF_POPUP, root), "");              // the separator
  EXPECT_EQ(select(::GetMenuItemID(root, 2), MF_HILITE, root), "");  // an item without a hint
  EXPECT_EQ(select(0, 0xFFFF, nullptr), "");                         // the menu closed
}

// Set while the menu is open: the hint seen after the first Down key.
std::string g_seen;
int g_ticks = 0;

void CALLBACK WhileOpen(HWND, UINT, UINT_PTR, DWORD) {
  HWND menu = ::FindWindowA("#32768", nullptr);
  if (menu == nullptr || !::IsWindowVisible(menu)) return;
  if (++g_ticks == 1) {
    ::PostMessageA(menu, WM_KEYDOWN, VK_DOWN, 0);
    ::PostMessageA(menu, WM_KEYUP, VK_DOWN, 0);
  } else if (g_ticks == 4) {
    if (const Application* app = Application::Current()) g_seen = app->Hint();
    ::EndMenu();
  }
}

TEST_F(Win32MenuHints, TheOpenMenuSetsTheHintAndClosingItClearsIt) {
  Add(menu_->Items(), "Show processes", "Show active processes on hint");
  Add(menu_->Items(), "E&xit", "");
  g_seen.clear();
  g_ticks = 0;
  const UINT_PTR timer = ::SetTimer(nullptr, 0, 50, &WhileOpen);
  menu_->Popup(200, 200);
  ::KillTimer(nullptr, timer);
  EXPECT_GE(g_ticks, 4);
  EXPECT_EQ(g_seen, "Show active processes on hint");
  EXPECT_EQ(App().Hint(), "");
}

}  // namespace
}  // namespace welmor
