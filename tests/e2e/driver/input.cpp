#include "driver/input.hpp"

#include <algorithm>
#include <cctype>
#include <cstdlib>
#include <iterator>

#include "driver/windows_of_process.hpp"

namespace welmor::e2e {
namespace {

struct NamedKey {
  const char* name;
  UINT key;
};

constexpr NamedKey kNamedKeys[] = {
    {"ESCAPE", VK_ESCAPE}, {"ESC", VK_ESCAPE}, {"RETURN", VK_RETURN}, {"ENTER", VK_RETURN},
    {"TAB", VK_TAB},       {"SPACE", VK_SPACE}, {"UP", VK_UP},        {"DOWN", VK_DOWN},
    {"LEFT", VK_LEFT},     {"RIGHT", VK_RIGHT}, {"HOME", VK_HOME},    {"END", VK_END},
};

std::string Upper(std::string text) {
  std::transform(text.begin(), text.end(), text.begin(), [](unsigned char c) { return std::toupper(c); });
  return text;
}

LPARAM KeyParam(KeyStroke key, bool up) {
  const UINT scan = MapVirtualKeyA(key.virtual_key, 0 /* MAPVK_VK_TO_VSC */);
  LPARAM param = 1 | (static_cast<LPARAM>(scan & 0xFF) << 16);
  if (key.alt) param |= LPARAM{1} << 29;
  if (up) param |= (LPARAM{1} << 30) | (LPARAM{1} << 31);
  return param;
}

// SendInput's absolute coordinates run from 0 to 65535 over the screen;
// rounding up makes the system's conversion back land on the same pixel.
LONG Normalised(int pixel, int screen_size) {
  return static_cast<LONG>((static_cast<long long>(pixel) * 65536 + screen_size - 1) / screen_size);
}

INPUT MouseInput(int x, int y, DWORD flags) {
  INPUT input{};
  input.type = INPUT_MOUSE;
  input.mi.dx = Normalised(x, GetSystemMetrics(SM_CXSCREEN));
  input.mi.dy = Normalised(y, GetSystemMetrics(SM_CYSCREEN));
  input.mi.dwFlags = flags | MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
  return input;
}

void Send(INPUT* inputs, UINT count) {
  if (SendInput(count, inputs, sizeof(INPUT)) != count) {
    throw Failure("SendInput failed, error " + std::to_string(GetLastError()));
  }
}

}  // namespace

KeyStroke ParseKey(const std::string& name) {
  KeyStroke stroke;
  std::string key = Upper(name);
  if (key.rfind("ALT+", 0) == 0) {
    stroke.alt = true;
    key.erase(0, 4);
  }
  for (const NamedKey& named : kNamedKeys) {
    if (key == named.name) stroke.virtual_key = named.key;
  }
  if (key.size() >= 2 && key.size() <= 3 && key[0] == 'F' && std::isdigit(static_cast<unsigned char>(key[1]))) {
    const int number = std::atoi(key.c_str() + 1);
    if (number >= 1 && number <= 12) stroke.virtual_key = VK_F1 + number - 1;
  }
  if (key.size() == 1 && std::isalnum(static_cast<unsigned char>(key[0]))) stroke.virtual_key = key[0];
  if (stroke.virtual_key == 0) throw Failure("unknown key: " + name);
  return stroke;
}

void PostKey(HWND window, KeyStroke key) {
  const UINT down = key.alt ? WM_SYSKEYDOWN : WM_KEYDOWN;
  const UINT up = key.alt ? WM_SYSKEYUP : WM_KEYUP;
  if (!PostMessageA(window, down, key.virtual_key, KeyParam(key, false))) {
    throw Failure("cannot post a key to the window, error " + std::to_string(GetLastError()));
  }
  // The key-down may already have closed the window (Escape on a menu); its
  // key-up then has nowhere to go and is not missed.
  PostMessageA(window, up, key.virtual_key, KeyParam(key, true));
}

void MoveMouse(int x, int y) {
  INPUT input = MouseInput(x, y, 0);
  Send(&input, 1);
}

void ClickMouse(int x, int y, bool right_button) {
  INPUT inputs[] = {
      MouseInput(x, y, 0),
      MouseInput(x, y, right_button ? MOUSEEVENTF_RIGHTDOWN : MOUSEEVENTF_LEFTDOWN),
      MouseInput(x, y, right_button ? MOUSEEVENTF_RIGHTUP : MOUSEEVENTF_LEFTUP),
  };
  Send(inputs, static_cast<UINT>(std::size(inputs)));
}

void PostRightClick(HWND window, POINT client_point) {
  HWND target = ChildWindowFromPointEx(window, client_point, CWP_SKIPINVISIBLE);
  if (!target) target = window;
  POINT point = client_point;
  MapWindowPoints(window, target, &point, 1);
  const LPARAM where = MAKELPARAM(point.x, point.y);
  if (!PostMessageA(target, WM_RBUTTONDOWN, MK_RBUTTON, where) || !PostMessageA(target, WM_RBUTTONUP, 0, where)) {
    throw Failure("cannot post the right click");
  }
}

}  // namespace welmor::e2e
