#pragma once
// TfrmMain on the headless backend with fake probes, an in-memory registry
// and a scripted user; shared by the main window's tests.

#include <gtest/gtest.h>

#include <memory>
#include <optional>
#include <string>

#include "app/main_form.hpp"
#include "fakes/fake_about_platform.hpp"
#include "fakes/fake_magnet_platform.hpp"
#include "fakes/fake_sound_player.hpp"
#include "fakes/fake_system_probes.hpp"
#include "fakes/fake_version_source.hpp"
#include "fakes/memory_registry.hpp"
#include "toolkit/headless/headless_backend.hpp"

namespace welmor::testenv {

constexpr uint64_t kMiB = 1024ull * 1024ull;
constexpr uint64_t kGiB = 1024ull * kMiB;
constexpr Color kSkyBlue = 0xF0CAA6;

class MainFormTest : public ::testing::Test {
 protected:
  void SetUp() override {
    version.SetEnglishTable("3.9.5.15");
    memory.status.dwMemoryLoad = 37;
    memory.status.ullTotalPhys = 4 * kGiB;
    memory.status.ullAvailPhys = kGiB + 512 * kMiB;
    memory.status.ullTotalPageFile = 3 * kGiB + 512 * kMiB;
    memory.status.ullAvailPageFile = 2 * kGiB;
    cpu.processorCount = 2;
    cpu.SetSteadyUsage(25, 2);
    drives.Add('A', 2);
    drives.Add('C', kDriveFixed, 5 * kGiB);
    drives.Add('D', 5);
    drives.Add('E', kDriveFixed, 1024);
    ticks.ticks = 90061000;
  }

  // Settings as a running version left them: every start value.
  void StoreVersionOnly() { registry.PutString(kSettingsKeyPath, "Version", "3.9.5.15"); }

  void Start() {
    app = std::make_unique<Application>(backend);
    MainFormServices services;
    services.probes = &probes;
    services.versionSource = &version;
    services.makeSettingsStore = [this](SettingsHooks hooks) {
      return std::make_unique<SettingsStore>(registry.Factory(), std::move(hooks));
    };
    services.magnetPlatform = &magnet;
    services.soundPlayer = &sounds;
    services.aboutPlatform = &aboutPlatform;
    form = &app->CreateForm<TfrmMain>(std::move(services));
    app->Run();
  }

  MenuItem& Item(const std::string& name) {
    auto* item = dynamic_cast<MenuItem*>(form->FindComponent(name));
    if (!item) {
      ADD_FAILURE() << "no menu item " << name;
      static MenuItem none(nullptr);
      return none;
    }
    return *item;
  }

  void Tick() { form->trm->Tick(); }
  Timer* ChartTimer() {
    for (std::size_t i = 0; i < form->gr->ComponentCount(); ++i)
      if (auto* t = dynamic_cast<Timer*>(&form->gr->ComponentAt(i))) return t;
    return nullptr;
  }
  std::string Text(int k) { return form->Panels[k]->Caption(); }

  FakeMemorySource memory;
  FakeCpuReadings cpu;
  FakeOsVersionSource os;
  FakeTickSource ticks;
  FakeDriveSource drives;
  FakeProcessSource processes;
  MemoryRegistry registry;
  FakeVersionSource version;
  FakeSoundPlayer sounds;
  FakeMagnetPlatform magnet;
  FakeAboutPlatform aboutPlatform;
  FakeClockSource clock;
  Probes probes{SystemProbes{&memory, &cpu, &os, &ticks, &drives, &processes, &clock}};
  HeadlessBackend backend;
  HeadlessWindows& windows = backend.windows;
  std::unique_ptr<Application> app;
  TfrmMain* form = nullptr;
};

}  // namespace welmor::testenv
