// The registry wrapper and the settings store against Wine's real registry.
// Everything is written below a key of its own that the tests remove again;
// only the Run entry lives where the program puts it, and its old content is
// put back.
#include <gtest/gtest.h>

#include <windows.h>

#include <string>
#include <variant>
#include <vector>

#include "settings/settings_store.hpp"
#include "settings/win32/local_machine_registry.hpp"
#include "winapi/win32/handles.hpp"

namespace welmor {
namespace {

struct RawValue {
  DWORD type = REG_NONE;
  std::vector<uint8_t> data;
};

// Reads a value with the plain API, so a fault in the wrapper cannot hide itself.
std::optional<RawValue> QueryRaw(const std::string& path, const std::string& name) {
  HKEY key = nullptr;
  if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, path.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS)
    return std::nullopt;
  RawValue value;
  DWORD size = 0;
  LONG result = RegQueryValueExA(key, name.c_str(), nullptr, &value.type, nullptr, &size);
  if (result == ERROR_SUCCESS) {
    value.data.resize(size);
    result = RegQueryValueExA(key, name.c_str(), nullptr, &value.type, value.data.data(), &size);
  }
  RegCloseKey(key);
  if (result != ERROR_SUCCESS) return std::nullopt;
  return value;
}

void SetRaw(const std::string& path, const std::string& name, DWORD type, const std::vector<uint8_t>& data) {
  HKEY key = nullptr;
  ASSERT_EQ(RegCreateKeyExA(HKEY_LOCAL_MACHINE, path.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key,
                            nullptr),
            ERROR_SUCCESS);
  EXPECT_EQ(RegSetValueExA(key, name.c_str(), 0, type, data.data(), static_cast<DWORD>(data.size())),
            ERROR_SUCCESS);
  RegCloseKey(key);
}

bool RawKeyExists(const std::string& path) {
  HKEY key = nullptr;
  if (RegOpenKeyExA(HKEY_LOCAL_MACHINE, path.c_str(), 0, KEY_READ, &key) != ERROR_SUCCESS) return false;
  RegCloseKey(key);
  return true;
}

std::vector<uint8_t> TextBytes(const std::string& text) {
  std::vector<uint8_t> bytes(text.begin(), text.end());
  bytes.push_back(0);
  return bytes;
}

std::vector<uint8_t> DwordBytes(uint32_t number) {
  return {static_cast<uint8_t>(number), static_cast<uint8_t>(number >> 8), static_cast<uint8_t>(number >> 16),
          static_cast<uint8_t>(number >> 24)};
}

std::string ModulePath() {
  char path[MAX_PATH] = {};
  const DWORD length = GetModuleFileNameA(nullptr, path, MAX_PATH);
  return std::string(path, length);
}

bool RunningUnderWine() {
  const HMODULE ntdll = GetModuleHandleA("ntdll.dll");
  return ntdll && GetProcAddress(ntdll, "wine_get_version");
}

class LocalMachineRegistryTest : public ::testing::Test {
 protected:
  void SetUp() override {
    root_ = "Software\\WelmorTests\\settings-" + std::to_string(GetCurrentProcessId());
    key_ = MakeLocalMachineRegistryKey();
    ASSERT_FALSE(RawKeyExists(root_));
  }
  void TearDown() override {
    key_.reset();
    MakeLocalMachineRegistryKey()->DeleteKey("Software\\WelmorTests");
    EXPECT_FALSE(RawKeyExists("Software\\WelmorTests"));
  }

  std::string root_;
  std::unique_ptr<RegistryKey> key_;
};

TEST_F(LocalMachineRegistryTest, RoundTripsTextsAndIntegersWithTheirTypes) {
  const std::string path = root_ + "\\Values";
  ASSERT_TRUE(key_->OpenKey(path, KeyAccess::CreateForWrite));

  key_->WriteString("Text", "C:\\Program Files\\Welmor.exe");
  key_->WriteString("Empty", "");
  key_->WriteInteger("Negative", -5);
  key_->WriteInteger("Largest", INT32_MAX);
  key_->WriteInteger("Colour", static_cast<int32_t>(0xF0CAA6u));

  const auto text = QueryRaw(path, "Text");
  ASSERT_TRUE(text);
  EXPECT_EQ(text->type, static_cast<DWORD>(REG_SZ));
  EXPECT_EQ(text->data, TextBytes("C:\\Program Files\\Welmor.exe"));
  const auto negative = QueryRaw(path, "Negative");
  ASSERT_TRUE(negative);
  EXPECT_EQ(negative->type, static_cast<DWORD>(REG_DWORD));
  EXPECT_EQ(negative->data, DwordBytes(0xFFFFFFFBu));

  EXPECT_EQ(key_->ReadString("Text"), "C:\\Program Files\\Welmor.exe");
  EXPECT_EQ(key_->ReadString("Empty"), "");
  EXPECT_EQ(key_->ReadInteger("negative"), -5);  // names ignore case
  EXPECT_EQ(key_->ReadInteger("Largest"), INT32_MAX);
  EXPECT_EQ(key_->ReadInteger("Colour"), 0xF0CAA6);
  EXPECT_TRUE(key_->ValueExists("Empty"));

  // Overwriting changes the type along with the data.
  key_->WriteInteger("Text", 1);
  EXPECT_EQ(QueryRaw(path, "Text")->type, static_cast<DWORD>(REG_DWORD));

  key_->CloseKey();
  EXPECT_FALSE(key_->ValueExists("Text"));
  EXPECT_EQ(key_->ReadString("Text"), "");
}

TEST_F(LocalMachineRegistryTest, DeletesValuesAndWholeTrees) {
  SetRaw(root_ + "\\Tree", "Top", REG_DWORD, DwordBytes(1));
  SetRaw(root_ + "\\Tree\\A\\B\\C", "Deep", REG_SZ, TextBytes("x"));
  SetRaw(root_ + "\\Tree\\A\\Second", "V", REG_SZ, TextBytes("y"));
  SetRaw(root_ + "\\Tree\\D", "V", REG_SZ, TextBytes("z"));
  SetRaw(root_ + "\\Keep", "V", REG_SZ, TextBytes("kept"));

  ASSERT_TRUE(key_->OpenKey(root_ + "\\Tree", KeyAccess::Write));
  EXPECT_TRUE(key_->DeleteValue("Top"));
  EXPECT_FALSE(QueryRaw(root_ + "\\Tree", "Top"));
  EXPECT_FALSE(key_->DeleteValue("Top"));
  key_->CloseKey();

  EXPECT_TRUE(key_->DeleteKey(root_ + "\\Tree"));
  EXPECT_FALSE(RawKeyExists(root_ + "\\Tree"));
  EXPECT_FALSE(key_->KeyExists(root_ + "\\Tree\\A"));
  EXPECT_TRUE(RawKeyExists(root_ + "\\Keep"));
  EXPECT_FALSE(key_->DeleteKey(root_ + "\\Tree"));
}

class SettingsStoreWin32Test : public LocalMachineRegistryTest {
 protected:
  SettingsStore MakeStore() {
    SettingsHooks hooks;
    hooks.fileVersion = [] { return std::string("3.9.5.15"); };
    hooks.executablePath = [] { return ModulePath(); };
    hooks.screenWidth = [] { return 1024; };
    hooks.windowPosition = [] { return WindowPosition{12, 34}; };
    hooks.showInformation = [this](const std::string& text) { notices_.push_back(text); };
    SettingsLocations locations;
    locations.settingsKey = root_ + "\\Brannic\\Welmor";
    locations.legacyKey = root_ + "\\Quessel\\Welmor";
    return SettingsStore(LocalMachineRegistry(), hooks, locations);
  }
  std::vector<std::string> notices_;
};

TEST_F(SettingsStoreWin32Test, FirstLoadWritesAllValuesWithTheirTypes) {
  const std::string settings = root_ + "\\Brannic\\Welmor";
  SetRaw(root_ + "\\Quessel\\Welmor\\Below", "Old", REG_SZ, TextBytes("gone"));
  SettingsStore store = MakeStore();
  store.LoadSettings();
  EXPECT_EQ(notices_, std::vector<std::string>{kLanguageNotice});
  EXPECT_FALSE(RawKeyExists(root_ + "\\Quessel\\Welmor"));

  // Version, then every stored setting's first-run value with its type.
  std::vector<std::pair<std::string, StoredData>> expected = {{"Version", "3.9.5.15"}};
  const Settings firstRun = FirstRunSettings(1024);
  for (const StoredSetting& stored : StoredSettings())
    expected.emplace_back(stored.name, StoredValue(firstRun, stored));
  HKEY key = nullptr;
  ASSERT_EQ(RegOpenKeyExA(HKEY_LOCAL_MACHINE, settings.c_str(), 0, KEY_READ, &key), ERROR_SUCCESS);
  DWORD valueCount = 0;
  EXPECT_EQ(RegQueryInfoKeyA(key, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, &valueCount, nullptr,
                             nullptr, nullptr, nullptr),
            ERROR_SUCCESS);
  RegCloseKey(key);
  EXPECT_EQ(valueCount, expected.size());
  for (const auto& [name, value] : expected) {
    const auto raw = QueryRaw(settings, name);
    ASSERT_TRUE(raw) << name;
    if (const auto* text = std::get_if<std::string>(&value)) {
      EXPECT_EQ(raw->type, static_cast<DWORD>(REG_SZ)) << name;
      EXPECT_EQ(raw->data, TextBytes(*text)) << name;
    } else {
      EXPECT_EQ(raw->type, static_cast<DWORD>(REG_DWORD)) << name;
      EXPECT_EQ(raw->data, DwordBytes(static_cast<uint32_t>(std::get<int32_t>(value)))) << name;
    }
  }

  // A save with the position on takes the window's place; a second store reads it all back.
  store.Record().ColorBG = 0x123456;
  store.SaveSettings(false);
  SettingsStore next = MakeStore();
  next.LoadSettings();
  EXPECT_EQ(next.Record().ColorBG, 0x123456u);
  EXPECT_EQ(next.Record().PTop, 12);
  EXPECT_EQ(next.Record().PLeft, 34);
  EXPECT_FALSE(next.Record().CPUAlarm_1);
  EXPECT_EQ(notices_.size(), 1u);
}

TEST_F(SettingsStoreWin32Test, RunEntryIsWrittenAndRemovedWithTheModulePath) {
  if (!RunningUnderWine()) GTEST_SKIP() << "writes the machine's Run key; only inside a Wine prefix";
  const std::string exe = ModulePath();
  ASSERT_FALSE(exe.empty());
  const std::optional<RawValue> before = QueryRaw(kRunKeyPath, kRunValueName);

  SettingsStore store = MakeStore();
  store.LoadSettings();
  store.SetRunAtStartup(true);
  EXPECT_TRUE(store.Record().RunAtStartup);
  const auto written = QueryRaw(kRunKeyPath, kRunValueName);
  ASSERT_TRUE(written);
  EXPECT_EQ(written->type, static_cast<DWORD>(REG_SZ));
  EXPECT_EQ(written->data, TextBytes(exe));

  SettingsStore next = MakeStore();
  next.LoadSettings();
  EXPECT_TRUE(next.Record().RunAtStartup);

  next.SetRunAtStartup(false);
  EXPECT_FALSE(next.Record().RunAtStartup);
  EXPECT_FALSE(QueryRaw(kRunKeyPath, kRunValueName));
  store.LoadSettings();
  EXPECT_FALSE(store.Record().RunAtStartup);

  if (before) SetRaw(kRunKeyPath, kRunValueName, before->type, before->data);
}

}  // namespace
}  // namespace welmor
