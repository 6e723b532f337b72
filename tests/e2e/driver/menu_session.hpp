#pragma once
// The context menu of an inspected window: opening it with a right click,
// reading it through the probe, choosing an item by its path, closing it.

#include <windows.h>

#include <optional>
#include <string>
#include <vector>

#include "driver/remote_probe.hpp"

namespace welmor::e2e {

struct MenuLine {
  int depth = 0;
  std::string type;   // item, submenu, separator, ownerdraw
  std::string state;  // comma list: checked radio disabled hilite default open, or "-"
  std::string id;
  std::string path;   // escaped segments joined by "/"
  std::vector<std::string> segments;

  bool Has(const std::string& flag) const;
};

std::vector<MenuLine> ParseMenuListing(const std::string& listing);

struct ClickPlace {
  bool real_input = false;          // SendInput instead of posted messages
  std::optional<POINT> at;          // client point; the window's centre when absent
};

class MenuSession {
 public:
  explicit MenuSession(HWND window);

  bool IsOpen() const;
  // Right click and wait for the menu; does nothing when one is open.
  void Open(const ClickPlace& place);
  // The probe's listing of the open menu (see ParseMenuListing).
  std::string Listing();
  // Escape until no menu of the process is shown.
  void Close();
  // Walks to the item with the keyboard (Down, Right into sub-menus) and
  // chooses it with Return. Captions match without their "&" markers.
  void Choose(const std::string& path) { Walk(path, true); }
  // Walks the same way into the sub-menu at path and leaves it open.
  void ShowSubMenu(const std::string& path) { Walk(path, false); }

 private:
  HWND AnyMenuWindow() const;
  void Press(UINT virtual_key);
  std::vector<MenuLine> Items();
  void Walk(const std::string& path, bool choose_last);

  HWND window_;
  DWORD pid_;
  RemoteProbe probe_;
};

}  // namespace welmor::e2e
