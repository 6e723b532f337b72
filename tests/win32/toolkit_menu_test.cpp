// The native popup menu built from a PopupMenu's item tree.
#include <gtest/gtest.h>

#include <string>

#include "toolkit/form.hpp"
#include "toolkit/menu.hpp"
#include "toolkit/win32/menu_builder.hpp"
#include "toolkit/win32/menu_hints.hpp"
#include "win32/toolkit_fixture.hpp"

namespace welmor {
namespace {

struct ItemInfo {
  UINT type = 0;
  UINT state = 0;
  UINT id = 0;
  HMENU sub = nullptr;
  HBITMAP bitmap = nullptr;
  std::string text;
};

ItemInfo Inspect(HMENU menu, UINT position) {
  char text[128] = {};
  MENUITEMINFOA mii{};
  mii.cbSize = sizeof(mii);
  mii.fMask = MIIM_FTYPE | MIIM_STATE | MIIM_ID | MIIM_SUBMENU | MIIM_STRING | MIIM_BITMAP;
  mii.dwTypeData = text;
  mii.cch = sizeof text;
  EXPECT_TRUE(::GetMenuItemInfoA(menu, position, TRUE, &mii)) << "item " << position;
  return ItemInfo{mii.fType, mii.fState, mii.wID, mii.hSubMenu, mii.hbmpItem, text};
}

class Win32Menu : public testenv::Win32Toolkit {
 protected:
  void SetUp() override {
    Win32Toolkit::SetUp();
    owner_ = std::make_unique<Form>(&App());
    menu_ = &owner_->Make<PopupMenu>();
  }
  void TearDown() override {
    owner_.reset();
    Win32Toolkit::TearDown();
  }
  MenuItem& Add(MenuItem& parent, const std::string& caption) {
    MenuItem& item = owner_->Make<MenuItem>();
    item.SetCaption(caption);
    parent.Add(item);
    return item;
  }
  MenuItem& Root() { return menu_->Items(); }

  std::unique_ptr<Form> owner_;
  PopupMenu* menu_ = nullptr;
};

TEST_F(Win32Menu, ItemsKeepTheirOrderCaptionsMarksAndStates) {
  MenuItem& graphs = Add(Root(), "&Graphs");
  Add(Root(), "-");
  Add(Root(), "-").SetEnabled(false);  // two separators in a row both stay
  MenuItem& sticky = Add(Root(), "Sticky window");
  sticky.SetChecked(true);
  MenuItem& update = Add(Root(), "Check for update");
  update.SetEnabled(false);
  MenuItem& hidden = Add(Root(), "Hidden");
  hidden.SetVisible(false);
  MenuItem& exit = Add(Root(), "E&xit");

  NativeMenu native = BuildNativeMenu(*menu_);
  ASSERT_TRUE(native.menu);
  HMENU m = native.menu.get();
  ASSERT_EQ(::GetMenuItemCount(m), 6);

  const ItemInfo first = Inspect(m, 0);
  EXPECT_EQ(first.text, "&Graphs");
  EXPECT_EQ(native.ItemForCommand(first.id), &graphs);
  EXPECT_NE(Inspect(m, 1).type & MFT_SEPARATOR, 0u);
  EXPECT_NE(Inspect(m, 2).type & MFT_SEPARATOR, 0u);
  EXPECT_EQ(Inspect(m, 1).state & MFS_GRAYED, 0u);
  EXPECT_NE(Inspect(m, 2).state & MFS_GRAYED, 0u);

  const ItemInfo checked = Inspect(m, 3);
  EXPECT_EQ(checked.text, "&Sticky window");  // automatic access key
  EXPECT_NE(checked.state & MFS_CHECKED, 0u);
  EXPECT_EQ(checked.type & MFT_RADIOCHECK, 0u);
  EXPECT_EQ(native.ItemForCommand(checked.id), &sticky);

  const ItemInfo disabled = Inspect(m, 4);
  EXPECT_EQ(disabled.text, "&Check for update");
  EXPECT_NE(disabled.state & MFS_GRAYED, 0u);
  EXPECT_EQ(disabled.state & MFS_CHECKED, 0u);

  const ItemInfo last = Inspect(m, 5);
  EXPECT_EQ(last.text, "E&xit");
  EXPECT_EQ(native.ItemForCommand(last.id), &exit);
  EXPECT_EQ(native.ItemForCommand(0), nullptr);  // the menu was dismissed
}

TEST_F(Win32Menu, SubMenusCarryRadioGroupsAndTheirOwnAccessKeys) {
  MenuItem& panels = Add(Root(), "&Panels");
  Add(panels, "Panel 1 Content");
  Add(panels, "-");
  MenuItem& freeRam = Add(panels, "Free RAM (Mb)");
  MenuItem& cpu = Add(panels, "CPU Usage (%)");
  for (MenuItem* item : {&freeRam, &cpu}) {
    item->SetRadioItem(true);
    item->SetGroupIndex(4);
  }
  cpu.SetChecked(true);

  NativeMenu native = BuildNativeMenu(*menu_);
  ASSERT_TRUE(native.menu);
  const ItemInfo head = Inspect(native.menu.get(), 0);
  ASSERT_NE(head.sub, nullptr);
  ASSERT_EQ(::GetMenuItemCount(head.sub), 4);
  EXPECT_EQ(Inspect(head.sub, 0).text, "&Panel 1 Content");  // keys are per level: P is free here
  const ItemInfo ram = Inspect(head.sub, 2);
  const ItemInfo usage = Inspect(head.sub, 3);
  EXPECT_EQ(ram.text, "&Free RAM (Mb)");
  EXPECT_EQ(usage.text, "&CPU Usage (%)");
  EXPECT_NE(ram.type & MFT_RADIOCHECK, 0u);
  EXPECT_NE(usage.type & MFT_RADIOCHECK, 0u);
  EXPECT_EQ(ram.state & MFS_CHECKED, 0u);
  EXPECT_NE(usage.state & MFS_CHECKED, 0u);
  EXPECT_EQ(native.ItemForCommand(usage.id), &cpu);
  EXPECT_NE(usage.id, ram.id);
}

TEST_F(Win32Menu, ImagesBecomeItemBitmapsWithTheCornerColourAsMenuBackground) {
  ImageList& images = owner_->Make<ImageList>();
  Bitmap arrow(16, 16);
  arrow.Fill(0xFF00FF);  // the transparent colour, taken from the bottom-left pixel
  arrow.SetPixel(8, 8, 0x0000FF);
  images.Add(arrow);
  menu_->SetImages(&images);
  MenuItem& withImage = Add(Root(), "&Panels");
  withImage.SetImageIndex(0);
  MenuItem& badIndex = Add(Root(), "&Graphs");
  badIndex.SetImageIndex(5);
  Add(Root(), "E&xit").SetImageIndex(0);

  NativeMenu native = BuildNativeMenu(*menu_);
  ASSERT_TRUE(native.menu);
  const ItemInfo shown = Inspect(native.menu.get(), 0);
  ASSERT_NE(shown.bitmap, nullptr);
  EXPECT_EQ(Inspect(native.menu.get(), 1).bitmap, nullptr);
  EXPECT_EQ(Inspect(native.menu.get(), 2).bitmap, shown.bitmap);  // one bitmap per image
  EXPECT_EQ(native.images.size(), 1u);

  BITMAP info{};
  ASSERT_TRUE(::GetObjectA(shown.bitmap, sizeof info, &info));
  EXPECT_EQ(info.bmWidth, 16);
  EXPECT_EQ(info.bmHeight, 16);
  HDC dc = ::CreateCompatibleDC(nullptr);
  HGDIOBJ old = ::SelectObject(dc, shown.bitmap);
  EXPECT_EQ(::GetPixel(dc, 8, 8), RGB(255, 0, 0));
  EXPECT_EQ(::GetPixel(dc, 0, 0), ::GetSysColor(COLOR_MENU));
  ::SelectObject(dc, old);
  ::DeleteDC(dc);
}

TEST_F(Win32Menu, BuildingAndDroppingMenusLeavesNoGdiObjects) {
  ImageList& images = owner_->Make<ImageList>();
  images.Add(Bitmap(16, 16));
  menu_->SetImages(&images);
  Add(Root(), "&Panels").SetImageIndex(0);
  const int64_t start = LiveGdiObjects();
  for (int i = 0; i < 20; ++i) {
    NativeMenu native = BuildNativeMenu(*menu_);
    EXPECT_EQ(LiveGdiObjects(), start + 1);
  }
  EXPECT_EQ(LiveGdiObjects(), start);
}

}  // namespace
}  // namespace welmor

namespace welmor {
namespace {

TEST_F(Win32Menu, ChoosingAnItemFromTheShownMenuRunsItsClick) {
  Add(Root(), "&Graphs");
  MenuItem& exit = Add(Root(), "E&xit");
  MenuItem& about = Add(Root(), "About");  // gets "&About" when it opens
  int exits = 0;
  int abouts = 0;
  exit.OnClick = [&](Component&) { ++exits; };
  about.OnClick = [&](Component&) { ++abouts; };
  {
    testenv::WhileModal chooser("#32768", [](HWND menu) { ::PostMessageA(menu, WM_CHAR, 'x', 0); });
    menu_->Popup(200, 200);
    EXPECT_TRUE(chooser.Acted());
  }
  {
    testenv::WhileModal chooser("#32768", [](HWND menu) { ::PostMessageA(menu, WM_CHAR, 'a', 0); });
    menu_->Popup(200, 200);
  }
  {
    testenv::WhileModal closer("#32768", [](HWND) { ::EndMenu(); });
    menu_->Popup(200, 200);
  }
  EXPECT_EQ(exits, 1);
  EXPECT_EQ(abouts, 1);
}

TEST_F(Win32Menu, EachSelectionNamesItsItemsHint) {
  MenuItem& misc = Add(Root(), "&Misc.");
  misc.SetHint("the options");
  Add(misc, "Show processes").SetHint("Show active processes on hint");
  Add(Root(), "-");
  Add(Root(), "E&xit");
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
const Application* g_app = nullptr;  // the test's, for the timer procedure

void CALLBACK WhileOpen(HWND, UINT, UINT_PTR, DWORD) {
  HWND menu = ::FindWindowA("#32768", nullptr);
  if (menu == nullptr || !::IsWindowVisible(menu)) return;
  if (++g_ticks == 1) {
    ::PostMessageA(menu, WM_KEYDOWN, VK_DOWN, 0);
    ::PostMessageA(menu, WM_KEYUP, VK_DOWN, 0);
  } else if (g_ticks == 4) {
    if (g_app != nullptr) g_seen = g_app->Hint();
    ::EndMenu();
  }
}

TEST_F(Win32Menu, TheOpenMenuSetsTheHintAndClosingItClearsIt) {
  Add(Root(), "Show processes").SetHint("Show active processes on hint");
  Add(Root(), "E&xit");
  g_seen.clear();
  g_ticks = 0;
  g_app = &App();
  const UINT_PTR timer = ::SetTimer(nullptr, 0, 50, &WhileOpen);
  menu_->Popup(200, 200);
  ::KillTimer(nullptr, timer);
  EXPECT_GE(g_ticks, 4);
  EXPECT_EQ(g_seen, "Show active processes on hint");
  EXPECT_EQ(App().Hint(), "");
}

}  // namespace
}  // namespace welmor
