// welmor_driver.exe: inspects and drives a running Win32 program for the
// end-to-end tests. One command per run; results on stdout, one record a
// line; exit status 0 on success, 1 on a failure or time-out (with a message
// on stderr), 2 on wrong usage.

#include <fcntl.h>
#include <io.h>
#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <functional>
#include <map>
#include <string>
#include <vector>

#include "common/line_format.hpp"
#include "driver/input.hpp"
#include "driver/menu_session.hpp"
#include "driver/windows_of_process.hpp"

namespace welmor::e2e {
namespace {

constexpr char kUsage[] =
    "usage: welmor_driver COMMAND ARGS...\n"
    "TARGET is a process id, an executable name (Welmor.exe) or, except for wait-window\n"
    "and wait-exit, one window's handle (0x...).\n"
    "  wait-window TARGET TIMEOUT_MS     wait for the main window; prints: hwnd, pid\n"
    "  window-info TARGET                key value lines: hwnd pid class title rect(L T W H) client(W H)\n"
    "                                    style exstyle classstyle topmost owner owner_exstyle\n"
    "                                    owner_toolwindow visible_windows (shown and not empty)\n"
    "  windows TARGET                    every top-level window: HWND CLASS VISIBLE L T W H TITLE\n"
    "  panels TARGET                     child windows, top to bottom, left to right:\n"
    "                                    INDEX CLASS L T W H VISIBLE TEXT (client coordinates)\n"
    "  controls TARGET                   the same for every descendant, each line ending in its HWND\n"
    "  menu TARGET [OPTIONS]             open the context menu, list it, close it with Escape;\n"
    "                                    lines: DEPTH TYPE STATE ID PATH\n"
    "  menu-open TARGET [OPTIONS]        open the context menu and leave it open\n"
    "  menu-list TARGET                  list the open menu\n"
    "  menu-close TARGET                 close the open menu with Escape\n"
    "  menu-click TARGET PATH [OPTIONS]  open the menu and choose PATH (\"&Graphs/Active\";\n"
    "                                    '&' markers are ignored, a '/' inside a caption is \\/)\n"
    "  menu-show TARGET PATH [OPTIONS]   open the menu and the sub-menus along PATH, leave them open\n"
    "      OPTIONS: --input (a real right click with SendInput instead of posted\n"
    "               messages), --at X Y (client point; default the centre)\n"
    "  msgbox TARGET CAPTION TIMEOUT_MS  wait for a message box; prints: text TEXT, button TEXT...\n"
    "  msgbox-press TARGET CAPTION BUTTON [TIMEOUT_MS]\n"
    "                                    press a button ('&' ignored) and wait for the box to go\n"
    "  dialog TARGET CAPTION TIMEOUT_MS  wait for a dialog; its controls: ID CLASS VISIBLE TEXT\n"
    "  dialog-type TARGET CAPTION ID TEXT\n"
    "                                    select all of control ID's text and type TEXT over it\n"
    "  dialog-click TARGET CAPTION BUTTON\n"
    "                                    press a button and leave the dialog open\n"
    "  key TARGET KEY                    post a key to the main window: ALT+F4, ESCAPE, RETURN, F10, A\n"
    "  mouse-move X Y                    move the pointer (screen coordinates)\n"
    "  mouse-pos                         print the pointer's position: X Y\n"
    "  click X Y [left|right]            click at a screen point\n"
    "  wait-exit TARGET TIMEOUT_MS       wait until no such process runs\n"
    "  reg-access KEY none|all           empty the access list of HKLM\\KEY, or let everyone do\n"
    "                                    everything again (its owner may always change the list)\n"
    "Fields are separated by tabs; texts escape \\\\ \\t \\r \\n.\n";

constexpr DWORD kDefaultPressTimeoutMs = 5000;

struct Usage {};

using Args = std::vector<std::string>;

DWORD ParseMs(const std::string& text) {
  try {
    return static_cast<DWORD>(std::stoul(text));
  } catch (const std::exception&) {
    throw Usage{};
  }
}

int ParseInt(const std::string& text) {
  try {
    return std::stoi(text);
  } catch (const std::exception&) {
    throw Usage{};
  }
}

void Need(const Args& args, size_t least, size_t most) {
  if (args.size() < least || args.size() > most) throw Usage{};
}

std::string Hex(uintptr_t value) {
  char text[32];
  std::snprintf(text, sizeof text, "0x%llx", static_cast<unsigned long long>(value));
  return text;
}

std::string Hwnd(HWND window) { return Hex(reinterpret_cast<uintptr_t>(window)); }

void Print(const std::string& line) { std::fwrite(line.data(), 1, line.size(), stdout); std::fputc('\n', stdout); }

// For listings: a window that is being destroyed while it is listed shows no text.
std::string TextOrNothing(HWND window) {
  try {
    return TextOf(window);
  } catch (const Failure&) {
    return "";
  }
}

std::vector<DWORD> RunningProcesses(const std::string& target) {
  std::vector<DWORD> pids = ProcessesOf(target);
  if (pids.empty()) throw Failure("no process " + target);
  return pids;
}

// A target of "0x..." names one window directly (as `windows` lists them):
// a program's second window is inspected and driven like its main one.
HWND MainWindow(const std::string& target) {
  if (target.rfind("0x", 0) == 0) {
    HWND named = nullptr;
    try {
      named = reinterpret_cast<HWND>(static_cast<uintptr_t>(std::stoull(target, nullptr, 16)));
    } catch (const std::exception&) {
      throw Usage{};
    }
    if (!IsWindow(named)) throw Failure("no window " + target);
    return named;
  }
  HWND window = FindMainWindow(RunningProcesses(target));
  if (!window) throw Failure("process " + target + " shows no window");
  return window;
}

// Option parsing shared by the menu commands.
ClickPlace ParsePlace(const Args& args, size_t from) {
  ClickPlace place;
  for (size_t i = from; i < args.size(); ++i) {
    if (args[i] == "--input") {
      place.real_input = true;
    } else if (args[i] == "--at" && i + 2 < args.size()) {
      place.at = POINT{ParseInt(args[i + 1]), ParseInt(args[i + 2])};
      i += 2;
    } else {
      throw Usage{};
    }
  }
  return place;
}

int WaitWindow(const Args& args) {
  Need(args, 2, 2);
  const DWORD timeout = ParseMs(args[1]);
  HWND window = PollFor(timeout, [&]() -> HWND {
    const std::vector<DWORD> pids = ProcessesOf(args[0]);
    return pids.empty() ? nullptr : FindMainWindow(pids);
  });
  if (!window) throw Failure("no window of " + args[0] + " within " + args[1] + " ms");
  Print("hwnd " + Hwnd(window));
  Print("pid " + std::to_string(ProcessOf(window)));
  return 0;
}

int WindowInfo(const Args& args) {
  Need(args, 1, 1);
  HWND window = MainWindow(args[0]);
  RECT rect{};
  RECT client{};
  GetWindowRect(window, &rect);
  GetClientRect(window, &client);
  const auto exstyle = static_cast<DWORD>(GetWindowLongA(window, GWL_EXSTYLE));
  HWND owner = GetWindow(window, GW_OWNER);
  const DWORD owner_exstyle = owner ? static_cast<DWORD>(GetWindowLongA(owner, GWL_EXSTYLE)) : 0;
  const std::vector<HWND> all = TopLevelWindows({ProcessOf(window)});
  // What a user can see: a shown window of size zero (an application window
  // that only carries the task-bar entry) does not count.
  const auto visible = std::count_if(all.begin(), all.end(), [](HWND w) {
    RECT r{};
    return IsWindowVisible(w) && GetWindowRect(w, &r) && r.right > r.left && r.bottom > r.top;
  });

  Print("hwnd " + Hwnd(window));
  Print("pid " + std::to_string(ProcessOf(window)));
  Print("class " + EscapeText(ClassOf(window)));
  Print("title " + EscapeText(TextOf(window)));
  Print("rect " + std::to_string(rect.left) + " " + std::to_string(rect.top) + " " +
        std::to_string(rect.right - rect.left) + " " + std::to_string(rect.bottom - rect.top));
  Print("client " + std::to_string(client.right) + " " + std::to_string(client.bottom));
  Print("style " + Hex(static_cast<DWORD>(GetWindowLongA(window, GWL_STYLE))));
  Print("exstyle " + Hex(exstyle));
  Print("classstyle " + Hex(static_cast<DWORD>(GetClassLongA(window, GCL_STYLE))));
  Print(std::string("topmost ") + ((exstyle & WS_EX_TOPMOST) ? "1" : "0"));
  Print("owner " + Hwnd(owner));
  Print("owner_exstyle " + Hex(owner_exstyle));
  Print(std::string("owner_toolwindow ") + ((owner_exstyle & WS_EX_TOOLWINDOW) ? "1" : "0"));
  Print("visible_windows " + std::to_string(visible));
  return 0;
}

int Windows(const Args& args) {
  Need(args, 1, 1);
  for (HWND window : TopLevelWindows(RunningProcesses(args[0]))) {
    RECT rect{};
    GetWindowRect(window, &rect);
    Print(Hwnd(window) + "\t" + EscapeText(ClassOf(window)) + "\t" + (IsWindowVisible(window) ? "1" : "0") + "\t" +
          std::to_string(rect.left) + "\t" + std::to_string(rect.top) + "\t" +
          std::to_string(rect.right - rect.left) + "\t" + std::to_string(rect.bottom - rect.top) + "\t" +
          EscapeText(TextOrNothing(window)));
  }
  return 0;
}

struct Child {
  HWND window;
  RECT rect;  // client coordinates of the listed window
};

// A window callback is __stdcall on 32-bit Windows, which a lambda is not.
BOOL CALLBACK CollectChild(HWND child, LPARAM param) {
  reinterpret_cast<std::vector<HWND>*>(param)->push_back(child);
  return TRUE;
}

std::vector<Child> ChildrenOf(HWND window, bool descendants) {
  std::vector<HWND> found;
  if (descendants) {
    EnumChildWindows(window, CollectChild, reinterpret_cast<LPARAM>(&found));
  } else {
    for (HWND child = GetWindow(window, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) found.push_back(child);
  }
  std::vector<Child> children;
  for (HWND child : found) {
    RECT rect{};
    GetWindowRect(child, &rect);
    MapWindowPoints(nullptr, window, reinterpret_cast<POINT*>(&rect), 2);
    children.push_back({child, rect});
  }
  return children;
}

int ListChildren(const Args& args, bool descendants) {
  Need(args, 1, 1);
  std::vector<Child> children = ChildrenOf(MainWindow(args[0]), descendants);
  std::stable_sort(children.begin(), children.end(), [](const Child& a, const Child& b) {
    return a.rect.top != b.rect.top ? a.rect.top < b.rect.top : a.rect.left < b.rect.left;
  });
  int index = 1;
  for (const Child& child : children) {
    const RECT& r = child.rect;
    Print(std::to_string(index++) + "\t" + EscapeText(ClassOf(child.window)) + "\t" + std::to_string(r.left) + "\t" +
          std::to_string(r.top) + "\t" + std::to_string(r.right - r.left) + "\t" + std::to_string(r.bottom - r.top) +
          "\t" + (IsWindowVisible(child.window) ? "1" : "0") + "\t" + EscapeText(TextOf(child.window)) +
          (descendants ? "\t" + Hwnd(child.window) : std::string()));
  }
  return 0;
}

int Panels(const Args& args) { return ListChildren(args, false); }

int Controls(const Args& args) { return ListChildren(args, true); }

void PrintListing(const std::string& listing) { std::fwrite(listing.data(), 1, listing.size(), stdout); }

int Menu(const Args& args) {
  if (args.empty()) throw Usage{};
  const ClickPlace place = ParsePlace(args, 1);
  MenuSession menu(MainWindow(args[0]));
  menu.Open(place);
  PrintListing(menu.Listing());
  menu.Close();
  return 0;
}

int MenuOpen(const Args& args) {
  if (args.empty()) throw Usage{};
  const ClickPlace place = ParsePlace(args, 1);
  MenuSession(MainWindow(args[0])).Open(place);
  return 0;
}

int MenuList(const Args& args) {
  Need(args, 1, 1);
  PrintListing(MenuSession(MainWindow(args[0])).Listing());
  return 0;
}

int MenuClose(const Args& args) {
  Need(args, 1, 1);
  MenuSession(MainWindow(args[0])).Close();
  return 0;
}

int MenuClick(const Args& args) {
  if (args.size() < 2) throw Usage{};
  const ClickPlace place = ParsePlace(args, 2);
  MenuSession menu(MainWindow(args[0]));
  menu.Open(place);
  try {
    menu.Choose(args[1]);
  } catch (const Failure&) {
    // Leave the program as it was found, so that the next check starts clean.
    try {
      menu.Close();
    } catch (const Failure&) {
    }
    throw;
  }
  Print("chosen " + args[1]);
  return 0;
}

int MenuShow(const Args& args) {
  if (args.size() < 2) throw Usage{};
  const ClickPlace place = ParsePlace(args, 2);
  MenuSession menu(MainWindow(args[0]));
  menu.Open(place);
  menu.ShowSubMenu(args[1]);
  Print("shown " + args[1]);
  return 0;
}

HWND FindMessageBox(const std::string& target, const std::string& caption, DWORD timeout) {
  HWND box = PollFor(timeout, [&]() -> HWND {
    const std::vector<DWORD> pids = ProcessesOf(target);
    if (pids.empty()) return nullptr;
    for (HWND dialog : VisibleWindowsOfClass(pids, kDialogClass)) {
      if (TextOf(dialog) == caption) return dialog;
    }
    return nullptr;
  });
  if (!box) throw Failure("no message box \"" + caption + "\" of " + target + " within " + std::to_string(timeout) + " ms");
  return box;
}

std::vector<HWND> ButtonsOf(HWND dialog) {
  std::vector<HWND> buttons;
  for (HWND child = GetWindow(dialog, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
    if (IsWindowVisible(child) && lstrcmpiA(ClassOf(child).c_str(), "Button") == 0) buttons.push_back(child);
  }
  return buttons;
}

// The message text is the static control with the id 65535.
constexpr int kMessageTextId = 0xFFFF;

int MsgBox(const Args& args) {
  Need(args, 3, 3);
  HWND box = FindMessageBox(args[0], args[1], ParseMs(args[2]));
  HWND text = GetDlgItem(box, kMessageTextId);
  if (!text) throw Failure("the message box has no text control");
  Print("text\t" + EscapeText(TextOf(text)));
  for (HWND button : ButtonsOf(box)) Print("button\t" + EscapeText(TextOf(button)));
  return 0;
}

// The button of a dialog whose caption matches ('&' markers ignored).
HWND ButtonOf(HWND dialog, const std::string& wanted) {
  std::string offered;
  for (HWND button : ButtonsOf(dialog)) {
    const std::string caption = TextOf(button);
    if (WithoutAccessKeys(caption) == WithoutAccessKeys(wanted)) return button;
    offered += (offered.empty() ? "" : ", ") + caption;
  }
  throw Failure("no button \"" + wanted + "\" (buttons: " + offered + ")");
}

// The dialog's own notification, as a click on the button sends it.
void PressButton(HWND dialog, HWND button) {
  PostMessageA(dialog, WM_COMMAND, MAKEWPARAM(GetDlgCtrlID(button), BN_CLICKED), reinterpret_cast<LPARAM>(button));
}

int MsgBoxPress(const Args& args) {
  Need(args, 3, 4);
  const DWORD timeout = args.size() == 4 ? ParseMs(args[3]) : kDefaultPressTimeoutMs;
  HWND box = FindMessageBox(args[0], args[1], timeout);
  HWND button = ButtonOf(box, args[2]);
  const std::string caption = TextOf(button);
  PressButton(box, button);
  if (!PollFor(timeout, [box] { return !IsWindow(box) || !IsWindowVisible(box); })) {
    throw Failure("the message box stayed open after \"" + caption + "\"");
  }
  Print("pressed " + caption);
  return 0;
}

int Dialog(const Args& args) {
  Need(args, 3, 3);
  HWND dialog = FindMessageBox(args[0], args[1], ParseMs(args[2]));
  for (HWND child = GetWindow(dialog, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
    Print(std::to_string(GetDlgCtrlID(child)) + "\t" + EscapeText(ClassOf(child)) + "\t" +
          (IsWindowVisible(child) ? "1" : "0") + "\t" + EscapeText(TextOrNothing(child)));
  }
  return 0;
}

int DialogType(const Args& args) {
  Need(args, 4, 4);
  HWND dialog = FindMessageBox(args[0], args[1], kDefaultPressTimeoutMs);
  HWND control = GetDlgItem(dialog, ParseInt(args[2]));
  if (!control) throw Failure("the dialog has no control " + args[2]);
  // As a user does it: everything selected, then the new text typed over it.
  PostMessageA(control, EM_SETSEL, 0, -1);
  for (char c : args[3]) PostMessageA(control, WM_CHAR, static_cast<unsigned char>(c), 1);
  const std::string wanted = args[3];
  if (!PollFor(kDefaultPressTimeoutMs, [&] { return TextOrNothing(control) == wanted; })) {
    throw Failure("control " + args[2] + " reads \"" + TextOrNothing(control) + "\", not \"" + wanted + "\"");
  }
  Print("typed " + args[3]);
  return 0;
}

int DialogClick(const Args& args) {
  Need(args, 3, 3);
  HWND dialog = FindMessageBox(args[0], args[1], kDefaultPressTimeoutMs);
  HWND button = ButtonOf(dialog, args[2]);
  PressButton(dialog, button);
  Print("pressed " + TextOf(button));
  return 0;
}

int Key(const Args& args) {
  Need(args, 2, 2);
  const KeyStroke key = ParseKey(args[1]);
  PostKey(MainWindow(args[0]), key);
  return 0;
}

int MouseMoveCommand(const Args& args) {
  Need(args, 2, 2);
  MoveMouse(ParseInt(args[0]), ParseInt(args[1]));
  return 0;
}

int MousePos(const Args& args) {
  Need(args, 0, 0);
  POINT point{};
  if (!GetCursorPos(&point)) throw Failure("GetCursorPos failed");
  Print(std::to_string(point.x) + " " + std::to_string(point.y));
  return 0;
}

int Click(const Args& args) {
  Need(args, 2, 3);
  bool right = false;
  if (args.size() == 3) {
    if (args[2] != "left" && args[2] != "right") throw Usage{};
    right = args[2] == "right";
  }
  ClickMouse(ParseInt(args[0]), ParseInt(args[1]), right);
  return 0;
}

int WaitExit(const Args& args) {
  Need(args, 2, 2);
  if (!PollFor(ParseMs(args[1]), [&] { return ProcessesOf(args[0]).empty(); })) {
    throw Failure(args[0] + " still runs after " + args[1] + " ms");
  }
  return 0;
}

int RegAccess(const Args& args) {
  Need(args, 2, 2);
  if (args[1] != "none" && args[1] != "all") throw Usage{};
  HKEY key = nullptr;
  if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, args[0].c_str(), 0, WRITE_DAC, &key) != ERROR_SUCCESS)
    throw Failure("cannot open HKLM\\" + args[0] + " to change its access list");
  ACL empty;
  InitializeAcl(&empty, sizeof empty, ACL_REVISION);
  SECURITY_DESCRIPTOR security;
  InitializeSecurityDescriptor(&security, SECURITY_DESCRIPTOR_REVISION);
  // No list at all grants everything; an empty one grants nothing.
  SetSecurityDescriptorDacl(&security, TRUE, args[1] == "none" ? &empty : nullptr, FALSE);
  const LONG result = RegSetKeySecurity(key, DACL_SECURITY_INFORMATION, &security);
  RegCloseKey(key);
  if (result != ERROR_SUCCESS) throw Failure("the access list was refused: " + std::to_string(result));
  return 0;
}

int Dispatch(const std::string& command, const Args& args) {
  static const std::map<std::string, std::function<int(const Args&)>> commands = {
      {"wait-window", WaitWindow}, {"window-info", WindowInfo}, {"windows", Windows},
      {"panels", Panels}, {"controls", Controls},          {"menu", Menu},              {"menu-open", MenuOpen},
      {"menu-list", MenuList},     {"menu-close", MenuClose},   {"menu-click", MenuClick},
      {"menu-show", MenuShow},     {"dialog", Dialog},          {"dialog-type", DialogType},
      {"dialog-click", DialogClick},
      {"msgbox", MsgBox},          {"msgbox-press", MsgBoxPress}, {"key", Key},
      {"mouse-move", MouseMoveCommand}, {"mouse-pos", MousePos}, {"click", Click},       {"wait-exit", WaitExit},
      {"reg-access", RegAccess},
  };
  const auto found = commands.find(command);
  if (found == commands.end()) throw Usage{};
  return found->second(args);
}

}  // namespace
}  // namespace welmor::e2e

int main(int argc, char** argv) {
  using namespace welmor::e2e;
  // Lines end in "\n" only, whatever the C runtime's text mode would add.
  _setmode(_fileno(stdout), _O_BINARY);
  if (argc < 2) {
    std::fputs(kUsage, stderr);
    return 2;
  }
  try {
    const int status = Dispatch(argv[1], Args(argv + 2, argv + argc));
    std::fflush(stdout);
    return status;
  } catch (const Usage&) {
    std::fputs(kUsage, stderr);
    return 2;
  } catch (const std::exception& error) {
    std::fflush(stdout);
    std::fprintf(stderr, "welmor_driver %s: %s\n", argv[1], error.what());
    return 1;
  }
}
