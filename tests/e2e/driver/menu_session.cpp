#include "driver/menu_session.hpp"

#include <algorithm>
#include <sstream>

#include "common/line_format.hpp"
#include "driver/input.hpp"
#include "driver/windows_of_process.hpp"

namespace welmor::e2e {
namespace {

constexpr DWORD kOpenTimeoutMs = 5000;
// Generous: a busy machine can take seconds to open a sub-menu under Wine;
// each wait ends as soon as the menu has answered.
constexpr DWORD kStepTimeoutMs = 8000;
constexpr DWORD kCloseTimeoutMs = 8000;
constexpr int kMaxEscapes = 10;

std::vector<std::string> SplitTabs(const std::string& line) {
  std::vector<std::string> fields(1);
  for (char c : line) {
    if (c == '\t') {
      fields.emplace_back();
    } else {
      fields.back() += c;
    }
  }
  return fields;
}

bool SameCaptions(const std::vector<std::string>& item, const std::vector<std::string>& wanted, size_t count) {
  if (item.size() != count) return false;
  for (size_t i = 0; i < count; ++i) {
    if (WithoutAccessKeys(item[i]) != WithoutAccessKeys(wanted[i])) return false;
  }
  return true;
}

std::optional<size_t> FindItem(const std::vector<MenuLine>& items, const std::vector<std::string>& wanted,
                               size_t level) {
  for (size_t i = 0; i < items.size(); ++i) {
    if (items[i].type != "separator" && SameCaptions(items[i].segments, wanted, level + 1)) return i;
  }
  return std::nullopt;
}

std::string HilitedPaths(const std::vector<MenuLine>& items) {
  std::string paths;
  for (const MenuLine& item : items) {
    if (item.Has("hilite") || item.Has("open")) paths += item.path + "|" + item.state + "\n";
  }
  return paths;
}

std::string CaptionsAt(const std::vector<MenuLine>& items, const std::vector<std::string>& wanted, size_t level) {
  std::string list;
  for (const MenuLine& item : items) {
    if (static_cast<size_t>(item.depth) != level || item.type == "separator") continue;
    if (level > 0 && !SameCaptions({item.segments.begin(), item.segments.begin() + level}, wanted, level)) continue;
    list += (list.empty() ? "" : ", ") + item.path;
  }
  return list;
}

}  // namespace

bool MenuLine::Has(const std::string& flag) const {
  std::stringstream flags(state);
  std::string one;
  while (std::getline(flags, one, ',')) {
    if (one == flag) return true;
  }
  return false;
}

std::vector<MenuLine> ParseMenuListing(const std::string& listing) {
  std::vector<MenuLine> items;
  std::stringstream lines(listing);
  std::string line;
  while (std::getline(lines, line)) {
    const std::vector<std::string> fields = SplitTabs(line);
    if (fields.size() != 5) continue;
    MenuLine item;
    item.depth = std::stoi(fields[0]);
    item.type = fields[1];
    item.state = fields[2];
    item.id = fields[3];
    item.path = fields[4];
    item.segments = SplitMenuPath(item.path);
    items.push_back(std::move(item));
  }
  return items;
}

MenuSession::MenuSession(HWND window) : window_(window), pid_(ProcessOf(window)), probe_(pid_) {}

HWND MenuSession::AnyMenuWindow() const {
  const std::vector<HWND> menus = VisibleWindowsOfClass({pid_}, kMenuClass);
  return menus.empty() ? nullptr : menus.front();
}

bool MenuSession::IsOpen() const { return AnyMenuWindow() != nullptr; }

void MenuSession::Open(const ClickPlace& place) {
  if (IsOpen()) return;
  POINT point{};
  if (place.at) {
    point = *place.at;
  } else {
    RECT client{};
    GetClientRect(window_, &client);
    point = {client.right / 2, client.bottom / 2};
  }
  // A click that reaches a busy widget at the wrong moment (a command still
  // ending, a menu still closing) can be lost: click again, a few times.
  constexpr int kClicks = 3;
  for (int click = 0; click < kClicks; ++click) {
    if (place.real_input) {
      POINT screen = point;
      ClientToScreen(window_, &screen);
      ClickMouse(screen.x, screen.y, true);
    } else {
      PostRightClick(window_, point);
    }
    if (PollFor(kOpenTimeoutMs, [this] { return IsOpen(); })) return;
  }
  throw Failure("the context menu did not open");
}

std::string MenuSession::Listing() {
  std::string answer;
  switch (probe_.Run(ProbeCommand::ListOpenMenu, answer)) {
    case ProbeStatus::Ok: return answer;
    case ProbeStatus::NoOpenMenu: throw Failure("no open menu");
    case ProbeStatus::TooLong: throw Failure("the menu listing is too long");
    default: throw Failure("the probe could not list the menu");
  }
}

std::vector<MenuLine> MenuSession::Items() { return ParseMenuListing(Listing()); }

void MenuSession::Press(UINT virtual_key) {
  HWND menu = AnyMenuWindow();
  if (!menu) throw Failure("the menu closed unexpectedly");
  // The menu's modal loop reads every key that reaches its thread's queue.
  PostKey(menu, KeyStroke{virtual_key, false});
}

void MenuSession::Close() {
  for (int i = 0; i < kMaxEscapes && IsOpen(); ++i) {
    const size_t before = VisibleWindowsOfClass({pid_}, kMenuClass).size();
    Press(VK_ESCAPE);
    PollFor(kStepTimeoutMs, [&] { return VisibleWindowsOfClass({pid_}, kMenuClass).size() < before; });
  }
  if (IsOpen()) throw Failure("the menu does not close");
}

void MenuSession::Walk(const std::string& path, bool choose_last) {
  const std::vector<std::string> wanted = SplitMenuPath(path);
  for (size_t level = 0; level < wanted.size(); ++level) {
    std::vector<MenuLine> items = Items();
    auto target = FindItem(items, wanted, level);
    if (!target) {
      throw Failure("no menu item \"" + path + "\" (level " + std::to_string(level) +
                    " has: " + CaptionsAt(items, wanted, level) + ")");
    }
    if (items[*target].Has("disabled")) throw Failure("menu item \"" + items[*target].path + "\" is disabled");

    // A sub-menu opened deeper than this level (a pointer resting on the menu
    // opens one) would take the keys: Escape closes one sub-menu at a time.
    auto deeper_open = [&] {
      return std::any_of(items.begin(), items.end(), [&](const MenuLine& item) {
        return static_cast<size_t>(item.depth) >= level && item.Has("open");
      });
    };
    for (int i = 0; i < kMaxEscapes && deeper_open(); ++i) {
      const std::string before = HilitedPaths(items);
      Press(VK_ESCAPE);
      PollFor(kStepTimeoutMs, [&] { return HilitedPaths(items = Items()) != before; });
    }

    // Down moves the highlight through the level and wraps round; separators
    // are skipped, so twice the item count always reaches the target.
    const size_t tries = 2 * items.size() + 2;
    for (size_t i = 0; i < tries && !items[*target].Has("hilite"); ++i) {
      const std::string before = HilitedPaths(items);
      Press(VK_DOWN);
      PollFor(kStepTimeoutMs, [&] { return HilitedPaths(items = Items()) != before; });
      target = FindItem(items, wanted, level);
      if (!target) throw Failure("menu item \"" + path + "\" vanished while walking the menu");
    }
    if (!items[*target].Has("hilite")) throw Failure("cannot highlight \"" + items[*target].path + "\"");

    const bool last = choose_last && level + 1 == wanted.size();
    if (!last) {
      if (items[*target].type != "submenu") throw Failure("\"" + items[*target].path + "\" has no sub-menu");
      Press(VK_RIGHT);
      const bool opened = PollFor(kStepTimeoutMs, [&] {
        const std::vector<MenuLine> now = Items();
        const auto again = FindItem(now, wanted, level);
        return again && now[*again].Has("open");
      });
      if (!opened) throw Failure("the sub-menu \"" + items[*target].path + "\" did not open");
    } else {
      if (items[*target].type == "submenu") throw Failure("\"" + items[*target].path + "\" is a sub-menu");
      Press(VK_RETURN);
      if (!PollFor(kCloseTimeoutMs, [this] { return !IsOpen(); })) {
        throw Failure("the menu stayed open after choosing \"" + items[*target].path + "\"");
      }
    }
  }
}

}  // namespace welmor::e2e
