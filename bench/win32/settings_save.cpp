// Cost of one SaveSettings(false): the widget saves on every mouse movement
// over it, and each save writes the whole record and reads it back. Measured
// against the real registry (under Wine) and against the in-memory hive,
// which shows how much of the cost is the store's own work.
#include <windows.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <string>
#include <vector>

#include "fakes/memory_registry.hpp"
#include "settings/settings_store.hpp"
#include "settings/win32/local_machine_registry.hpp"

namespace {

using namespace welmor;

constexpr int kWarmUp = 20;
constexpr int kRounds = 1000;

SettingsHooks Hooks() {
  SettingsHooks hooks;
  hooks.fileVersion = [] { return std::string("3.9.5.15"); };
  hooks.executablePath = [] { return std::string("C:\\Welmor\\Welmor.exe"); };
  hooks.screenWidth = [] { return 1024; };
  hooks.windowPosition = [] { return WindowPosition{5, 300}; };
  hooks.showInformation = [](const std::string&) {};
  return hooks;
}

// Median and 90th percentile of one save, in microseconds.
void Measure(const char* label, SettingsStore& store) {
  store.LoadSettings();  // first run: writes the defaults
  for (int i = 0; i < kWarmUp; ++i) store.SaveSettings(false);
  std::vector<double> micros;
  micros.reserve(kRounds);
  for (int i = 0; i < kRounds; ++i) {
    store.Record().PTop = i;  // something changes, as when the window moves
    const auto start = std::chrono::steady_clock::now();
    store.SaveSettings(false);
    const auto end = std::chrono::steady_clock::now();
    micros.push_back(std::chrono::duration<double, std::micro>(end - start).count());
  }
  std::sort(micros.begin(), micros.end());
  std::printf("%-28s median %9.1f us   p90 %9.1f us   (%d saves)\n", label, micros[kRounds / 2],
              micros[kRounds * 9 / 10], kRounds);
}

}  // namespace

int main() {
  const std::string root = "Software\\WelmorBench\\settings-" + std::to_string(GetCurrentProcessId());
  SettingsLocations locations;
  locations.settingsKey = root + "\\Brannic\\Welmor";
  locations.legacyKey = root + "\\Quessel\\Welmor";
  locations.runValue = "WelmorBench-absent";  // read at every load, never written
  {
    SettingsStore store(LocalMachineRegistry(), Hooks(), locations);
    Measure("SaveSettings, registry", store);
  }
  MakeLocalMachineRegistryKey()->DeleteKey("Software\\WelmorBench");

  MemoryRegistry hive;
  SettingsStore store(hive.Factory(), Hooks(), locations);
  Measure("SaveSettings, in memory", store);
  return 0;
}
