// The least a widget like ours can do each second, written straight against
// the system: the same memory, CPU and clock queries as Welmor's refresh
// tick, three text panels rewritten, nothing else. bench/side_by_side.sh runs
// it next to Welmor.exe to show what our own layers cost on top.
#include <windows.h>

#include <cstdio>

#include "sysinfo/win32/nt_system_records.hpp"

namespace {

constexpr int kPanelWidth = 140;
constexpr int kPanelHeight = 17;
constexpr UINT_PTR kTickTimer = 1;

HWND g_panels[3];
welmor::nt::NtQuerySystemInformationFn g_query = nullptr;
LONGLONG g_lastIdle = 0;
LONGLONG g_lastTime = 0;

void Tick() {
  // Five memory figures, as the panels and bars read them.
  MEMORYSTATUSEX memory{};
  memory.dwLength = sizeof(memory);
  for (int i = 0; i < 5; ++i) ::GlobalMemoryStatusEx(&memory);
  // CPU usage over all processors since the last tick.
  welmor::nt::SystemBasicInformation basic{};
  welmor::nt::SystemTimeOfDayInformation timeOfDay{};
  welmor::nt::SystemPerformanceInformation performance{};
  int usage = 0;
  if (g_query && g_query(welmor::nt::kSystemBasicInformation, &basic, sizeof basic, nullptr) == 0 &&
      g_query(welmor::nt::kSystemTimeOfDayInformation, &timeOfDay, sizeof timeOfDay, nullptr) == 0 &&
      g_query(welmor::nt::kSystemPerformanceInformation, &performance, sizeof performance, nullptr) == 0) {
    const LONGLONG idle = performance.IdleTime.QuadPart;
    const LONGLONG now = timeOfDay.CurrentTime.QuadPart;
    if (g_lastTime != 0 && now > g_lastTime && basic.NumberOfProcessors > 0) {
      const double idleShare = static_cast<double>(idle - g_lastIdle) /
                               static_cast<double>(now - g_lastTime) / basic.NumberOfProcessors;
      usage = static_cast<int>(100.0 - idleShare * 100.0 + 0.5);
    }
    g_lastIdle = idle;
    g_lastTime = now;
  }
  char clock[80] = {};
  ::GetTimeFormatA(LOCALE_USER_DEFAULT, 0, nullptr, nullptr, clock, sizeof clock);

  char text[3][96];
  std::snprintf(text[0], sizeof text[0], "Free RAM: %.2f MiB",
                static_cast<double>(memory.ullAvailPhys) / (1024.0 * 1024.0));
  std::snprintf(text[1], sizeof text[1], "%u CPUs Usage: %d%%",
                static_cast<unsigned>(basic.NumberOfProcessors), usage);
  std::snprintf(text[2], sizeof text[2], "%s", clock);
  for (int i = 0; i < 3; ++i) ::SetWindowTextA(g_panels[i], text[i]);
}

LRESULT CALLBACK WindowProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  switch (msg) {
    case WM_TIMER:
      Tick();
      return 0;
    case WM_DESTROY:
      ::PostQuitMessage(0);
      return 0;
    default:
      return ::DefWindowProcA(hwnd, msg, wParam, lParam);
  }
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
  g_query = reinterpret_cast<welmor::nt::NtQuerySystemInformationFn>(
      reinterpret_cast<void*>(::GetProcAddress(::GetModuleHandleA("ntdll.dll"), "NtQuerySystemInformation")));
  WNDCLASSA wc{};
  wc.lpfnWndProc = WindowProc;
  wc.hInstance = instance;
  wc.hbrBackground = reinterpret_cast<HBRUSH>(COLOR_BTNFACE + 1);
  wc.lpszClassName = "BareWidget";
  if (!::RegisterClassA(&wc)) return 1;
  HWND window = ::CreateWindowExA(WS_EX_TOPMOST | WS_EX_TOOLWINDOW, "BareWidget", "Bare widget", WS_POPUP, 0,
                                  0, 3 * kPanelWidth + 2, kPanelHeight, nullptr, nullptr, instance, nullptr);
  if (window == nullptr) return 1;
  for (int i = 0; i < 3; ++i) {
    g_panels[i] = ::CreateWindowExA(0, "STATIC", "Gathering data ...",
                                    WS_CHILD | WS_VISIBLE | SS_CENTER | WS_BORDER, i * (kPanelWidth + 1), 0,
                                    kPanelWidth, kPanelHeight, window, nullptr, instance, nullptr);
  }
  ::ShowWindow(window, SW_SHOWNOACTIVATE);
  ::SetTimer(window, kTickTimer, 1000, nullptr);
  MSG msg;
  while (::GetMessageA(&msg, nullptr, 0, 0) > 0) {
    ::TranslateMessage(&msg);
    ::DispatchMessageA(&msg);
  }
  return 0;
}
