#pragma once
// Turns a PopupMenu's item tree into a native popup menu, afresh each time it
// opens: captions with their access keys, separators exactly as listed,
// check marks, radio marks, disabled items, images and sub-menus.

#include "toolkit/win32/windows_api.hpp"

#include <vector>

#include "toolkit/menu.hpp"
#include "winapi/win32/handles.hpp"

namespace welmor {

struct NativeMenu {
  // A menu does not own its item bitmaps; they outlive it (the menu is
  // declared last, so it goes first).
  std::vector<unique_hbitmap> images;
  // Command id n stands for commands[n - 1].
  std::vector<MenuItem*> commands;
  // Where the highlighted item's hint goes.
  Application* app = nullptr;
  unique_hmenu menu;

  MenuItem* ItemForCommand(UINT id) const {
    return id >= 1 && id <= commands.size() ? commands[id - 1] : nullptr;
  }
};

// An empty NativeMenu (no menu) when the system refuses to make one.
NativeMenu BuildNativeMenu(PopupMenu& menu);

// A 16 x 16 (or the image's own size) bitmap for a menu item. Pixels of the
// colour at the bottom-left corner are the transparent ones, as in classic
// image lists; they take the menu's own background colour.
unique_hbitmap MakeMenuBitmap(const Bitmap& image, COLORREF menuColor);

}  // namespace welmor
