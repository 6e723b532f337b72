// Program entry of Welmor.exe: one instance at a time, then the main window
// on the Win32 backend with the real probes, registry and window helpers.
#include <windows.h>

#include <exception>
#include <string>

#include "app/main_form.hpp"
#include "controls/win32/win32_magnet_platform.hpp"
#include "app/win32/alarm_sound_win32.hpp"
#include "settings/win32/local_machine_registry.hpp"
#include "sysinfo/win32/win32_probes.hpp"
#include "toolkit/application.hpp"
#include "toolkit/win32/win32_backend.hpp"
#include "update/update_host.hpp"
#include "update/win32/update_services_win32.hpp"
#include "versioninfo/win32/version_source_win32.hpp"
#include "windows/win32/about_platform_win32.hpp"

namespace {

constexpr const char* kInstanceMutexName = "Orvandel";
constexpr const char* kNoWindowsText = "Welmor cannot create its windows.";

// Nothing the user types into the widget needs an input method: its boxes
// take numbers. Turned off for the thread before the first window, no input
// method starts COM for it when a window is activated (ole32, combase and
// rpcrt4 stay unmapped: about a megabyte under Wine). Only where the system
// has loaded the input method manager at all.
void TurnOffInputMethod() {
  HMODULE imm = GetModuleHandleA("imm32.dll");
  if (imm == nullptr) return;
  using ImmDisableImeFn = BOOL(WINAPI*)(DWORD);
  const auto disable =
      reinterpret_cast<ImmDisableImeFn>(reinterpret_cast<void*>(GetProcAddress(imm, "ImmDisableIME")));
  if (disable) disable(0);  // 0: this thread
}

int RunWidget(HINSTANCE instance) {
  TurnOffInputMethod();
  using namespace welmor;
  // The platform is made once, here, and reaches every window through the
  // application.
  auto backend = MakeWin32Backend(instance);
  if (!backend) {
    MessageBoxA(nullptr, kNoWindowsText, "Error", MB_OK | MB_ICONERROR);
    return 1;
  }
  Win32SystemProbes sources;
  Probes probes(sources.Sources());
  auto versionSource = MakeWin32VersionSource();
  auto magnetPlatform = MakeWin32MagnetPlatform();
  auto soundPlayer = MakeWin32SoundPlayer();
  Win32UpdateServices updates([&backend] { return backend->AppWindow(); },
                              [] { return ReadUpdateHost(*MakeLocalMachineRegistryKey(), kSettingsKeyPath); },
                              [&versionSource] { return versionSource->ExecutablePath(); });
  auto aboutPlatform = MakeWin32AboutPlatform();

  Application app(*backend);
  app.SetTitle("");
  MainFormServices services;
  services.probes = &probes;
  services.versionSource = versionSource.get();
  services.makeSettingsStore = [](SettingsHooks hooks) {
    return std::make_unique<SettingsStore>(LocalMachineRegistry(), std::move(hooks));
  };
  services.magnetPlatform = magnetPlatform.get();
  services.soundPlayer = soundPlayer.get();
  services.updates = &updates.Services();
  services.aboutPlatform = aboutPlatform.get();
  app.CreateForm<TfrmMain>(std::move(services));
  app.Run();
  return 0;
}

}  // namespace

int WINAPI WinMain(HINSTANCE instance, HINSTANCE, LPSTR, int) {
  // Held for the life of the process on purpose: the system releases it when
  // the process ends, which is what tells the next start that we are gone.
  HANDLE instanceMutex = CreateMutexA(nullptr, FALSE, kInstanceMutexName);
  if (WaitForSingleObject(instanceMutex, 0) == WAIT_TIMEOUT) return 0;
  try {
    return RunWidget(instance);
  } catch (const std::exception& e) {
    MessageBoxA(nullptr, e.what(), "Error", MB_OK | MB_ICONERROR);
  } catch (...) {
  }
  return 0;
}
