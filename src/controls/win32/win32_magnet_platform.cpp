#include "controls/win32/win32_magnet_platform.hpp"

#include "controls/hook_list.hpp"
#include "controls/win32/hook_procedures.hpp"
#include "toolkit/win32/native_window.hpp"
#include "toolkit/win32/window_operations.hpp"
#include "winapi/win32/handles.hpp"

namespace welmor {

namespace {

constexpr char kUtilityClassName[] = "WelmorHookUtility";

HWND AsWindow(uintptr_t window) { return reinterpret_cast<HWND>(window); }

Rect FromRect(const RECT& r) { return Rect{r.left, r.top, r.right, r.bottom}; }

LRESULT CALLBACK UtilityProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) noexcept {
  if (msg != kRehookMessage) return ::DefWindowProcA(hwnd, msg, wParam, lParam);
  // Only the registry that made this window is ever asked; a newer one has a
  // window of its own.
  auto* registry = reinterpret_cast<THookList*>(::GetWindowLongPtrA(hwnd, GWLP_USERDATA));
  if (registry == nullptr || registry != THookList::Instance()) return 0;
  // Found first: re-hooking may end the registry.
  Application* app = registry->App();
  try {
    registry->Rehook(static_cast<uintptr_t>(lParam));
  } catch (...) {
    Application::ReportCurrentException(app);
  }
  return 0;
}

class UtilityWindow final : public HookUtilityWindow {
 public:
  explicit UtilityWindow(HWND hwnd) : window_(hwnd) {}
  void PostRehook(uintptr_t window) override {
    ::PostMessageA(window_.get(), kRehookMessage, 0, static_cast<LPARAM>(window));
  }

 private:
  unique_hwnd window_;
};

class Win32MagnetPlatform final : public MagnetPlatform {
 public:
  uintptr_t WindowProcedure(uintptr_t window) override {
    return static_cast<uintptr_t>(::GetWindowLongPtrA(AsWindow(window), GWLP_WNDPROC));
  }
  void SetWindowProcedure(uintptr_t window, uintptr_t procedure) override {
    ::SetWindowLongPtrA(AsWindow(window), GWLP_WNDPROC, static_cast<LONG_PTR>(procedure));
  }
  uintptr_t MakeHookProcedure(TMagnetFormHookComponent& component) override {
    return reinterpret_cast<uintptr_t>(AcquireHookProcedure(component));
  }
  void FreeHookProcedure(uintptr_t procedure) override {
    ReleaseHookProcedure(reinterpret_cast<WNDPROC>(procedure));
  }
  intptr_t CallProcedure(uintptr_t procedure, uintptr_t window, const HookMessage& msg) override {
    if (procedure == 0) return ::DefWindowProcA(AsWindow(window), msg.message, msg.wParam, msg.lParam);
    return ::CallWindowProcA(reinterpret_cast<WNDPROC>(procedure), AsWindow(window), msg.message, msg.wParam,
                             msg.lParam);
  }
  std::unique_ptr<HookUtilityWindow> MakeUtilityWindow(THookList& registry) override {
    const HINSTANCE instance = ::GetModuleHandleA(nullptr);
    WNDCLASSA wc{};
    if (!::GetClassInfoA(instance, kUtilityClassName, &wc)) {
      wc.lpfnWndProc = &UtilityProc;
      wc.hInstance = instance;
      wc.lpszClassName = kUtilityClassName;
      if (!::RegisterClassA(&wc)) return nullptr;
    }
    HWND hwnd =
        ::CreateWindowExA(0, kUtilityClassName, "", 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr, instance, nullptr);
    if (hwnd == nullptr) return nullptr;
    ::SetWindowLongPtrA(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(&registry));
    return std::make_unique<UtilityWindow>(hwnd);
  }

  Point CursorPos() override {
    POINT p{};
    ::GetCursorPos(&p);
    return Point{p.x, p.y};
  }
  Rect ClientRectOnScreen(uintptr_t window) override {
    RECT r{};
    ::GetClientRect(AsWindow(window), &r);
    POINT corners[2] = {{r.left, r.top}, {r.right, r.bottom}};
    ::MapWindowPoints(AsWindow(window), HWND_DESKTOP, corners, 2);
    return Rect{corners[0].x, corners[0].y, corners[1].x, corners[1].y};
  }
  uint32_t Style(uintptr_t window) override {
    return static_cast<uint32_t>(::GetWindowLongA(AsWindow(window), GWL_STYLE));
  }
  uint32_t ExStyle(uintptr_t window) override {
    return static_cast<uint32_t>(::GetWindowLongA(AsWindow(window), GWL_EXSTYLE));
  }
  std::optional<Monitor> MonitorOf(const Rect& window) override {
    return win32_window_ops::MonitorOf(window);
  }
  Rect DesktopRect() override {
    RECT r{};
    ::GetWindowRect(::GetDesktopWindow(), &r);
    return FromRect(r);
  }
  bool PrimaryButtonDown() override {
    const int key = ::GetSystemMetrics(SM_SWAPBUTTON) ? VK_RBUTTON : VK_LBUTTON;
    return (::GetAsyncKeyState(key) & 0x8000) != 0;
  }
  Rect MovingRect(const HookMessage& msg) override {
    return FromRect(*reinterpret_cast<const RECT*>(msg.lParam));
  }
  void SetMovingRect(const HookMessage& msg, const Rect& r) override {
    *reinterpret_cast<RECT*>(msg.lParam) = RECT{r.left, r.top, r.right, r.bottom};
  }
};

}  // namespace

std::unique_ptr<MagnetPlatform> MakeWin32MagnetPlatform() { return std::make_unique<Win32MagnetPlatform>(); }

}  // namespace welmor
