// welmor_probe.dll: loaded by the test driver into the process it inspects.
// A popup menu lives in the memory of the process that tracks it, so only
// code running inside that process can read its items; the driver runs
// welmor_probe_run on a remote thread with a ProbeRequest it has written into
// this process, and reads the answer back from the same block.

#include <windows.h>

#include <algorithm>
#include <cstring>
#include <set>
#include <string>
#include <vector>

#include "common/line_format.hpp"
#include "common/probe_protocol.hpp"

namespace welmor::e2e {
namespace {

constexpr char kMenuWindowClass[] = "#32768";
constexpr int kMaxMenuDepth = 8;
constexpr UINT kMenuQueryTimeoutMs = 2000;

HMENU MenuOfWindow(HWND window) {
  DWORD_PTR result = 0;
  if (SendMessageTimeoutA(window, MN_GETHMENU, 0, 0, SMTO_ABORTIFHUNG, kMenuQueryTimeoutMs, &result) &&
      result != 0 && IsMenu(reinterpret_cast<HMENU>(result))) {
    return reinterpret_cast<HMENU>(result);
  }
  // Menu windows keep their menu in the first extra slot.
  const auto stored = reinterpret_cast<HMENU>(GetWindowLongPtrA(window, 0));
  return stored && IsMenu(stored) ? stored : nullptr;
}

BOOL CALLBACK CollectOpenMenu(HWND window, LPARAM param) {
  DWORD pid = 0;
  GetWindowThreadProcessId(window, &pid);
  if (pid != GetCurrentProcessId() || !IsWindowVisible(window)) return TRUE;
  char name[64] = {};
  GetClassNameA(window, name, sizeof name);
  if (std::strcmp(name, kMenuWindowClass) != 0) return TRUE;
  if (HMENU menu = MenuOfWindow(window)) reinterpret_cast<std::vector<HMENU>*>(param)->push_back(menu);
  return TRUE;
}

struct MenuItem {
  UINT type = 0;
  UINT state = 0;
  UINT id = 0;
  HMENU submenu = nullptr;
  std::string caption;
};

MenuItem ReadItem(HMENU menu, int position) {
  MENUITEMINFOA info{};
  info.cbSize = sizeof info;
  info.fMask = MIIM_FTYPE | MIIM_STATE | MIIM_ID | MIIM_SUBMENU | MIIM_STRING;
  MenuItem item;
  if (!GetMenuItemInfoA(menu, static_cast<UINT>(position), TRUE, &info)) return item;
  item.type = info.fType;
  item.state = info.fState;
  item.id = info.wID;
  item.submenu = info.hSubMenu;
  if (!(info.fType & (MFT_SEPARATOR | MFT_OWNERDRAW | MFT_BITMAP)) && info.cch > 0) {
    std::string text(info.cch + 1, '\0');
    info.fMask = MIIM_STRING;
    info.dwTypeData = text.data();
    info.cch = static_cast<UINT>(text.size());
    if (GetMenuItemInfoA(menu, static_cast<UINT>(position), TRUE, &info)) {
      text.resize(std::strlen(text.c_str()));
      item.caption = std::move(text);
    }
  }
  return item;
}

std::string StateText(const MenuItem& item, const std::set<HMENU>& open) {
  std::string state;
  auto add = [&state](const char* flag) {
    if (!state.empty()) state += ',';
    state += flag;
  };
  if (item.state & MFS_CHECKED) add("checked");
  if (item.type & MFT_RADIOCHECK) add("radio");
  if (item.state & MFS_DISABLED) add("disabled");  // MFS_GRAYED is the same bits
  if (item.state & MFS_HILITE) add("hilite");
  if (item.state & MFS_DEFAULT) add("default");
  if (item.submenu && open.count(item.submenu)) add("open");
  return state.empty() ? "-" : state;
}

const char* TypeText(const MenuItem& item) {
  if (item.type & MFT_SEPARATOR) return "separator";
  if (item.type & MFT_OWNERDRAW) return "ownerdraw";
  if (item.submenu) return "submenu";
  return "item";
}

void DumpMenu(HMENU menu, int depth, const std::string& prefix, const std::set<HMENU>& open,
              std::string& out) {
  const int count = GetMenuItemCount(menu);
  for (int position = 0; position < count; ++position) {
    const MenuItem item = ReadItem(menu, position);
    const std::string segment = (item.type & MFT_SEPARATOR) ? "-" : EscapeMenuSegment(item.caption);
    const std::string path = prefix.empty() ? segment : prefix + "/" + segment;
    out += std::to_string(depth) + "\t" + TypeText(item) + "\t" + StateText(item, open) + "\t" +
           std::to_string(item.id) + "\t" + path + "\n";
    if (item.submenu && depth + 1 < kMaxMenuDepth) DumpMenu(item.submenu, depth + 1, path, open, out);
  }
}

// The open menu that is no open menu's sub-menu: the one the user opened.
HMENU RootOf(const std::vector<HMENU>& menus) {
  std::set<HMENU> children;
  for (HMENU menu : menus) {
    const int count = GetMenuItemCount(menu);
    for (int position = 0; position < count; ++position) {
      if (HMENU sub = GetSubMenu(menu, position)) children.insert(sub);
    }
  }
  const auto root = std::find_if(menus.begin(), menus.end(), [&](HMENU m) { return !children.count(m); });
  return root == menus.end() ? nullptr : *root;
}

ProbeStatus ListOpenMenu(ProbeRequest& request) {
  std::vector<HMENU> menus;
  EnumWindows(CollectOpenMenu, reinterpret_cast<LPARAM>(&menus));
  const HMENU root = RootOf(menus);
  if (!root) return ProbeStatus::NoOpenMenu;
  std::string out;
  DumpMenu(root, 0, "", std::set<HMENU>(menus.begin(), menus.end()), out);
  if (out.size() >= kProbeTextSize) return ProbeStatus::TooLong;
  std::memcpy(request.text, out.data(), out.size());
  request.text[out.size()] = '\0';
  request.length = static_cast<uint32_t>(out.size());
  return ProbeStatus::Ok;
}

}  // namespace
}  // namespace welmor::e2e

extern "C" __declspec(dllexport) DWORD WINAPI welmor_probe_run(void* param) {
  using namespace welmor::e2e;
  auto* request = static_cast<ProbeRequest*>(param);
  if (!request || request->magic != kProbeMagic) return 1;
  request->length = 0;
  switch (request->command) {
    case ProbeCommand::ListOpenMenu: request->status = ListOpenMenu(*request); break;
    default: request->status = ProbeStatus::BadRequest;
  }
  return 0;
}

BOOL WINAPI DllMain(HINSTANCE, DWORD, LPVOID) { return TRUE; }
