// The settings store against the in-memory hive.
#include "settings/settings_store.hpp"

#include <gtest/gtest.h>

#include "fakes/expect_registry_error.hpp"

#include <string>
#include <utility>
#include <variant>
#include <vector>

#include "fakes/memory_registry.hpp"

namespace welmor {
namespace {

const std::string kKey = "Software\\Brannic\\Welmor";
const std::string kLegacyKey = "Software\\Quessel\\Welmor";
const std::string kRun = "Software\\Microsoft\\Windows\\CurrentVersion\\Run";
const std::string kExe = "C:\\Program Files\\Welmor\\Welmor.exe";
const std::string kVersion = "3.9.5.15";
const std::string kLanguageText =
    "If system language is not English, some dispay bugs (missing text) will be around.";
const std::string kOtherVersionText =
    "     Setting from diferent version found in Registry. \r\n\r\n"
    " Please make sure you read the History for changes";

struct Expected {
  std::string name;
  StoredData value;
};

// What a first run leaves in the key, in write order, on a 1279-pixel screen.
std::vector<Expected> FirstRunListing() {
  std::vector<Expected> listing = {{"Version", kVersion}};
  const Settings values = FirstRunSettings(1279);
  for (const StoredSetting& stored : StoredSettings())
    listing.push_back({stored.name, StoredValue(values, stored)});
  return listing;
}

// What earlier versions stored on a first run; a new setting may come
// between them, but none of them changes.
// clang-format off
const std::vector<Expected> kEarlierFirstRun = {
    {"Version", kVersion},        {"ContentPanels", "167"},     {"ContentHDDs", "CCC"},
    {"GraphCPU", 0},              {"GraphRAM", 0},              {"CPUAlarm_1", 0},
    {"CPUAlarm_1_Value", 50},     {"CPUAlarm_1_Interval", 10},  {"CPUAlarm_2", 0},
    {"CPUAlarm_2_Value", 50},     {"CPUAlarm_2_Interval", 10},  {"RAMAlarm_1", 0},
    {"RAMAlarm_1_Value", 50},     {"RAMAlarm_1_Interval", 10},  {"RAMAlarm_2", 0},
    {"RAMAlarm_2_Value", 50},     {"RAMAlarm_2_Interval", 10},  {"ColorT", 0},
    {"ColorB", 255},              {"ColorBG", 15780518},        {"Sticky", 0},
    {"ShowProcesses", 1},         {"AutoUpdate", 1},            {"Interval", 1},
    {"SavePosition", 1},          {"PTop", 5},                  {"PLeft", 639},
};
// clang-format on

class SettingsStoreTest : public ::testing::Test {
 protected:
  SettingsStore MakeStore() {
    SettingsHooks hooks;
    hooks.fileVersion = [this] { return version; };
    hooks.executablePath = [this] { return exe; };
    hooks.screenWidth = [] { return 1279; };
    hooks.windowPosition = [this] { return position; };
    hooks.showInformation = [this](const std::string& text) { notices.push_back(text); };
    return SettingsStore(hive.Factory(), hooks);
  }

  // A key a user has made their own: every value differs from its start value.
  void PutCustomised() {
    for (const auto& [name, value] : Customised()) hive.Put(kKey, name, value);
  }
  static std::vector<std::pair<std::string, RegistryValue>> Customised() {
    std::vector<std::pair<std::string, RegistryValue>> values = {
        {"Version", RegistryValue::FromText(kVersion)},
        {"ContentPanels", RegistryValue::FromText("935")},
        {"ContentHDDs", RegistryValue::FromText("DEF")},
    };
    const std::pair<const char*, uint32_t> numbers[] = {
        {"GraphCPU", 1},          {"GraphRAM", 1},          {"CPUAlarm_1", 0},    {"CPUAlarm_1_Value", 70},
        {"CPUAlarm_1_Interval", 20}, {"CPUAlarm_2", 1},     {"CPUAlarm_2_Value", 30},
        {"CPUAlarm_2_Interval", 40}, {"RAMAlarm_1", 1},     {"RAMAlarm_1_Value", 80},
        {"RAMAlarm_1_Interval", 50}, {"RAMAlarm_2", 1},     {"RAMAlarm_2_Value", 15},
        {"RAMAlarm_2_Interval", 60}, {"ColorT", 77},        {"ColorB", 88},       {"ColorBG", 99},
        {"Sticky", 1},            {"ShowProcesses", 0},     {"AutoUpdate", 0},    {"Interval", 5},
        {"SavePosition", 0},      {"PTop", 123},            {"PLeft", 0xFFFFFE0C},  // -500
    };
    for (const auto& [name, number] : numbers) values.emplace_back(name, RegistryValue::FromDword(number));
    // Not a setting; only the update check reads it. Kept byte for byte.
    values.emplace_back("UpdateHost",
                        RegistryValue{RegistryValueKind::ExpandText, {'m', 0xE9, ':', '8', 0, 'x'}});
    return values;
  }

  MemoryRegistry hive;
  std::string exe = kExe;
  std::string version = kVersion;
  WindowPosition position;
  std::vector<std::string> notices;
};

TEST_F(SettingsStoreTest, FirstRunWritesEveryValueWithTheFirstRunColumn) {
  SettingsStore store = MakeStore();
  ASSERT_TRUE(store.Record().CPUAlarm_1);
  store.LoadSettings();

  EXPECT_EQ(notices, std::vector<std::string>{kLanguageText});
  const std::vector<Expected> firstRun = FirstRunListing();
  EXPECT_EQ(hive.ValueCount(kKey), firstRun.size());
  std::vector<std::string> expectedWrites;
  auto earlier = kEarlierFirstRun.begin();
  for (const Expected& e : firstRun) {
    if (earlier != kEarlierFirstRun.end() && earlier->name == e.name) {
      EXPECT_EQ(earlier->value, e.value) << e.name;
      ++earlier;
    }
    if (const auto* text = std::get_if<std::string>(&e.value)) {
      EXPECT_EQ(hive.GetString(kKey, e.name), *text) << e.name;
    } else {
      EXPECT_EQ(hive.GetDword(kKey, e.name), std::get<int32_t>(e.value)) << e.name;
    }
    expectedWrites.push_back(e.name);
    if (e.name == "Interval") expectedWrites.push_back(e.name);
  }
  EXPECT_EQ(hive.writeLog, expectedWrites);
  EXPECT_EQ(earlier, kEarlierFirstRun.end()) << "missing or out of order: " << earlier->name;

  // The reload took the first-run values, not the start values.
  const Settings& s = store.Record();
  EXPECT_FALSE(s.CPUAlarm_1);
  EXPECT_EQ(s.PTop, 5);
  EXPECT_EQ(s.PLeft, 639);
  EXPECT_EQ(s.SettingsVersion, kVersion);
  EXPECT_FALSE(store.CheckSettingsVersion());
  EXPECT_EQ(notices.size(), 1u);

  // The next start finds the key and shows nothing.
  SettingsStore second = MakeStore();
  second.LoadSettings();
  EXPECT_EQ(notices.size(), 1u);
  EXPECT_FALSE(second.Record().CPUAlarm_1);
}

TEST_F(SettingsStoreTest, MissingValuesKeepTheirFields) {
  hive.PutString(kKey, "Version", kVersion);
  SettingsStore store = MakeStore();
  store.LoadSettings();
  const Settings& s = store.Record();
  EXPECT_TRUE(notices.empty());
  EXPECT_TRUE(hive.writeLog.empty());
  EXPECT_TRUE(s.CPUAlarm_1);
  EXPECT_EQ(s.CPUAlarm_1_Value, 50);
  EXPECT_EQ(s.CPUAlarm_1_Interval, 10);
  EXPECT_EQ(s.ContentPanels, "167");
  EXPECT_EQ(s.ColorBG, 0xF0CAA6u);
  EXPECT_EQ(s.PTop, 0);
  EXPECT_EQ(s.PLeft, 0);

  // Fields changed in memory survive a load that finds no value for them.
  store.Record().Sticky = true;
  store.Record().Interval = 9;
  hive.PutDword(kKey, "Interval", 3);
  store.LoadSettings();
  EXPECT_TRUE(s.Sticky);
  EXPECT_EQ(s.Interval, 3);
}

TEST_F(SettingsStoreTest, KeyWithoutVersionCountsAsThisVersion) {
  hive.PutDword(kKey, "ColorT", 42);
  SettingsStore store = MakeStore();
  store.LoadSettings();
  EXPECT_EQ(store.Record().SettingsVersion, kVersion);
  EXPECT_EQ(store.Record().ColorT, 42u);
  EXPECT_FALSE(store.CheckSettingsVersion());
  EXPECT_TRUE(notices.empty());
  EXPECT_FALSE(hive.Get(kKey, "Version").has_value());
}

TEST_F(SettingsStoreTest, OtherVersionIsNoticedOnceAndUpgraded) {
  hive.PutString(kKey, "Version", "3.8.0.1");
  hive.PutString(kKey, "ContentHDDs", "DEF");
  hive.PutDword(kKey, "ShowProcesses", 0);
  hive.PutDword(kKey, "Interval", 7);
  hive.PutDword(kKey, "ColorT", 123);
  hive.PutDword(kKey, "Sticky", 1);
  hive.PutString(kKey, "ContentPanels", "912");

  SettingsStore store = MakeStore();
  store.LoadSettings();
  EXPECT_EQ(store.Record().SettingsVersion, "3.8.0.1");
  EXPECT_TRUE(notices.empty());

  EXPECT_TRUE(store.CheckSettingsVersion());
  EXPECT_EQ(notices, std::vector<std::string>{kOtherVersionText});
  EXPECT_EQ(hive.writeLog, (std::vector<std::string>{"Version", "ContentHDDs", "ShowProcesses", "Interval"}));
  const Settings& s = store.Record();
  EXPECT_EQ(s.SettingsVersion, kVersion);
  EXPECT_EQ(s.ContentHDDs, "CCC");
  EXPECT_TRUE(s.ShowProcesses);
  EXPECT_EQ(s.Interval, 1);
  EXPECT_EQ(s.ColorT, 123u);
  EXPECT_TRUE(s.Sticky);
  EXPECT_EQ(s.ContentPanels, "912");
  EXPECT_EQ(hive.GetString(kKey, "Version"), kVersion);

  EXPECT_FALSE(store.CheckSettingsVersion());
  EXPECT_EQ(notices.size(), 1u);
}

TEST_F(SettingsStoreTest, SaveTakesThePositionOnlyWhileSavePositionIsOn) {
  SettingsStore store = MakeStore();
  store.LoadSettings();

  position = {100, 200};
  store.SaveSettings(false);
  EXPECT_EQ(hive.GetDword(kKey, "PTop"), 100);
  EXPECT_EQ(hive.GetDword(kKey, "PLeft"), 200);

  store.Record().SavePosition = false;
  store.SaveSettings(false);
  position = {300, 400};
  store.SaveSettings(false);
  EXPECT_EQ(hive.GetDword(kKey, "SavePosition"), 0);
  EXPECT_EQ(hive.GetDword(kKey, "PTop"), 100);
  EXPECT_EQ(hive.GetDword(kKey, "PLeft"), 200);
  EXPECT_EQ(store.Record().PTop, 100);
  EXPECT_EQ(store.Record().PLeft, 200);
}

TEST_F(SettingsStoreTest, SaveWritesTheRecordAndReloadsIt) {
  SettingsStore store = MakeStore();
  store.LoadSettings();
  hive.PutDword(kKey, "GraphCPU", 7);  // any non-zero number is on
  store.LoadSettings();
  ASSERT_TRUE(store.Record().GraphCPU);

  Settings& s = store.Record();
  s.ContentPanels = "845";
  s.ColorBG = 0xFFFFFFFF;  // top bit set: stored as a negative DWORD, read back unchanged
  s.RAMAlarm_2_Interval = 3600;
  s.CPUAlarm_1_Count = 7;
  hive.CreateKey(kLegacyKey);  // the reload deletes it
  hive.writeLog.clear();
  store.SaveSettings(false);

  EXPECT_EQ(hive.writeLog.size(), StoredSettings().size() + 1);
  EXPECT_EQ(hive.ValueCount(kKey), StoredSettings().size() + 1);  // the alarm counters are not stored
  EXPECT_EQ(hive.GetString(kKey, "ContentPanels"), "845");
  EXPECT_EQ(hive.GetDword(kKey, "ColorBG"), -1);
  EXPECT_EQ(hive.GetDword(kKey, "RAMAlarm_2_Interval"), 3600);
  EXPECT_EQ(hive.GetDword(kKey, "GraphCPU"), 1);
  EXPECT_FALSE(hive.HasKey(kLegacyKey));
  EXPECT_EQ(s.ColorBG, 0xFFFFFFFFu);
  EXPECT_EQ(s.CPUAlarm_1_Count, 7);
}

TEST_F(SettingsStoreTest, LegacyKeyIsDeletedWithItsSubkeysAndNothingTakenOver) {
  hive.PutString(kKey, "Version", kVersion);
  hive.PutDword(kLegacyKey, "ColorT", 5);
  hive.PutDword(kLegacyKey + "\\Deeper\\Still", "X", 1);
  hive.CreateKey("Software\\Quessel\\Other");
  SettingsStore store = MakeStore();
  store.LoadSettings();
  EXPECT_FALSE(hive.HasKey(kLegacyKey));
  EXPECT_FALSE(hive.HasKey(kLegacyKey + "\\Deeper"));
  EXPECT_FALSE(hive.HasKey(kLegacyKey + "\\Deeper\\Still"));
  EXPECT_TRUE(hive.HasKey("Software\\Quessel\\Other"));
  EXPECT_EQ(store.Record().ColorT, 0u);
}

TEST_F(SettingsStoreTest, RunEntryCountsOnlyWhenItIsExactlyTheExecutablePath) {
  hive.PutString(kKey, "Version", kVersion);
  const struct {
    std::string entry;
    bool ours;
  } cases[] = {
      {kExe, true},
      {"C:\\PROGRAM FILES\\WELMOR\\WELMOR.EXE", false},
      {"c:\\Program Files\\Welmor\\Welmor.exe", false},
      {"\"" + kExe + "\"", false},
      {kExe + " /min", false},
      {kExe + " ", false},
      {"D:\\Old\\Welmor.exe", false},
      {"", false},
  };
  SettingsStore store = MakeStore();
  for (const auto& c : cases) {
    hive.PutString(kRun, "Welmor", c.entry);
    store.LoadSettings();
    EXPECT_EQ(store.Record().RunAtStartup, c.ours) << c.entry;
  }
  hive.PutString(kRun, "Other", kExe);
  hive.Put(kRun, "Welmor", {});
  store.LoadSettings();
  EXPECT_FALSE(store.Record().RunAtStartup);

  // Anything else under our name is not ours, and the load goes on.
  PutCustomised();
  const RegistryValue others[] = {
      RegistryValue::FromDword(1),
      {RegistryValueKind::Binary, {'C', ':', 0}},
      {RegistryValueKind::MultiText, {'C', ':', 0, 0}},
      {RegistryValueKind::Dword, std::vector<uint8_t>(4096, 0xFF)},
  };
  for (const RegistryValue& other : others) {
    hive.Put(kRun, "Welmor", other);
    store.Record() = Settings();
    EXPECT_NO_THROW(store.LoadSettings());
    EXPECT_FALSE(store.Record().RunAtStartup);
    EXPECT_EQ(store.Record().ContentPanels, "935");
    EXPECT_EQ(store.Record().PLeft, -500);
  }
  EXPECT_TRUE(notices.empty());
}

TEST_F(SettingsStoreTest, AnExecutablePathThatIsEmptyOrCutShortIsNeverWritten) {
  hive.PutString(kKey, "Version", kVersion);
  for (const std::string& path : {std::string(), "C:\\" + std::string(257, 'w')}) {
    exe = path;
    hive.PutString(kRun, "Welmor", path);
    SettingsStore store = MakeStore();
    store.LoadSettings();
    EXPECT_FALSE(store.Record().RunAtStartup) << path.size();
    hive.PutString(kRun, "Welmor", "C:\\old\\Welmor.exe");
    ExpectRegistryError([&] { store.SetRunAtStartup(true); }, "Failed to set data for 'Welmor'");
    EXPECT_EQ(hive.GetString(kRun, "Welmor"), "C:\\old\\Welmor.exe");
  }
  exe = "C:\\" + std::string(256, 'w');  // 259 characters: the longest whole path
  SettingsStore store = MakeStore();
  store.SetRunAtStartup(true);
  EXPECT_EQ(hive.GetString(kRun, "Welmor"), exe);
}

TEST_F(SettingsStoreTest, SetRunAtStartupWritesAndDeletesThePlainPath) {
  hive.PutString(kKey, "Version", kVersion);
  hive.PutString(kRun, "Welmor", "\"" + kExe + "\" /min");
  hive.PutString(kRun, "Another", "C:\\another.exe");
  SettingsStore store = MakeStore();
  store.LoadSettings();
  ASSERT_FALSE(store.Record().RunAtStartup);

  store.SetRunAtStartup(true);
  EXPECT_TRUE(store.Record().RunAtStartup);
  EXPECT_EQ(hive.GetString(kRun, "Welmor"), kExe);
  store.Record().RunAtStartup = false;
  store.LoadSettings();
  EXPECT_TRUE(store.Record().RunAtStartup);

  store.SetRunAtStartup(false);
  EXPECT_FALSE(store.Record().RunAtStartup);
  EXPECT_FALSE(hive.Get(kRun, "Welmor").has_value());
  EXPECT_EQ(hive.GetString(kRun, "Another"), "C:\\another.exe");
  store.SetRunAtStartup(false);  // nothing left to delete: silent
  EXPECT_FALSE(store.Record().RunAtStartup);
  EXPECT_EQ(hive.openKeys, 0);
}

TEST_F(SettingsStoreTest, AWronglyTypedValueIsReportedAndEveryOtherValueSurvivesTheNextSave) {
  const struct {
    std::string name;
    RegistryValue value;
    std::string error;
    bool unreadable = false;
  } cases[] = {
      {"ContentPanels", RegistryValue::FromDword(935), "Invalid data type for 'ContentPanels'"},  // first
      {"ColorT", RegistryValue::FromText("ab"), "Invalid data type for 'ColorT'"},                // middle
      {"ColorT", RegistryValue::FromText("abcd"), "Failed to get data for 'ColorT'"},
      {"ColorT", RegistryValue{RegistryValueKind::Binary, {1, 0, 0, 0}}, "Invalid data type for 'ColorT'"},
      {"PLeft", RegistryValue{RegistryValueKind::Binary, {1, 0, 0, 0, 0}},
       "Failed to get data for 'PLeft'"},  // last
      {"Version", RegistryValue::FromDword(3), "Invalid data type for 'Version'"},
      {"Version", RegistryValue::FromText(kVersion), "Failed to get data for 'Version'", true},
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.error);
    MemoryRegistry fresh;
    std::swap(hive, fresh);
    PutCustomised();
    hive.Put(kKey, c.name, c.value);
    if (c.unreadable) hive.unreadableValue = c.name;
    SettingsStore store = MakeStore();
    ExpectRegistryError([&] { store.LoadSettings(); }, c.error);
    EXPECT_EQ(store.Record().ContentHDDs, "DEF");  // read although a value before it failed
    EXPECT_EQ(store.Record().PTop, 123);
    EXPECT_EQ(hive.openKeys, 0);
    // A load that could not read Version never counts as another version's.
    EXPECT_FALSE(store.CheckSettingsVersion());

    hive.unreadableValue.clear();
    store.SaveSettings(false);
    for (const auto& [name, value] : Customised()) {
      if (name != c.name) {
        EXPECT_EQ(hive.Get(kKey, name), value) << name;
      }
    }
    store.UpgradeSettings();
    EXPECT_EQ(hive.Get(kKey, "UpdateHost"), Customised().back().second);
    EXPECT_TRUE(notices.empty());
  }
}

TEST_F(SettingsStoreTest, AKeyThatWillNotOpenIsReportedAndNeverWrittenOverUntilItLoads) {
  PutCustomised();
  hive.PutDword(kKey, "SavePosition", 1);
  position = {5, 512};  // where start values put the window
  hive.unopenableKey = kKey;
  SettingsStore store = MakeStore();
  ExpectRegistryError([&] { store.LoadSettings(); }, "Failed to get data for 'Version'");
  EXPECT_NO_THROW(store.SaveSettings(false, RefusalReport::OncePerRun));  // already reported
  ExpectRegistryError([&] { store.SaveSettings(false); }, "Failed to get data for 'Version'");
  EXPECT_TRUE(hive.writeLog.empty());

  hive.unopenableKey.clear();
  store.SaveSettings(false, RefusalReport::OncePerRun);
  for (const auto& [name, value] : Customised()) {
    if (name != "SavePosition") {
      EXPECT_EQ(hive.Get(kKey, name), value) << name;
    }
  }
  EXPECT_EQ(hive.writeLog.size(), StoredSettings().size() + 1);
}

TEST_F(SettingsStoreTest, AReadOnlyHiveLoadsEveryStoredValue) {
  PutCustomised();
  hive.PutString(kRun, "Welmor", kExe);
  hive.readOnly = true;
  SettingsStore store = MakeStore();
  store.LoadSettings();
  const Settings& s = store.Record();
  EXPECT_TRUE(s.RunAtStartup);
  EXPECT_EQ(s.ContentPanels, "935");
  EXPECT_EQ(s.RAMAlarm_2_Interval, 60);
  EXPECT_EQ(s.ColorBG, 99u);
  EXPECT_FALSE(s.SavePosition);
  EXPECT_EQ(s.PLeft, -500);
  EXPECT_TRUE(notices.empty());
}

TEST_F(SettingsStoreTest, TextValuesReadUpToTheirFirstNulAndShortOnesAreFilled) {
  hive.PutString(kKey, "Version", kVersion);
  hive.Put(kKey, "ContentPanels", RegistryValue{RegistryValueKind::ExpandText, {'2', 0, '9', 0}});
  hive.Put(kKey, "ContentHDDs", RegistryValue{RegistryValueKind::Text, {}});
  SettingsStore store = MakeStore();
  store.LoadSettings();
  EXPECT_EQ(store.Record().ContentPanels, "267");
  EXPECT_EQ(store.Record().ContentHDDs, "CCC");

  hive.PutString(kKey, "ContentPanels", "1234");
  hive.Put(kKey, "ContentHDDs", RegistryValue{RegistryValueKind::Text, {'D', 'E'}});  // no NUL at all
  store.LoadSettings();
  EXPECT_EQ(store.Record().ContentPanels, "1234");
  EXPECT_EQ(store.Record().ContentHDDs, "DEC");
}

TEST_F(SettingsStoreTest, RefusedWriteStopsTheSaveWithoutReload) {
  SettingsStore store = MakeStore();
  store.LoadSettings();
  store.Record().ContentPanels = "999";
  store.Record().GraphRAM = true;
  store.Record().ColorT = 4242;
  hive.CreateKey(kLegacyKey);  // a reload would delete it
  hive.writesAllowed = 5;      // Version, ContentPanels, ContentHDDs, GraphCPU, GraphRAM

  ExpectRegistryError([&] { store.SaveSettings(false); }, "Failed to set data for 'CPUAlarm_1'");
  EXPECT_EQ(hive.GetString(kKey, "ContentPanels"), "999");
  EXPECT_EQ(hive.GetDword(kKey, "GraphRAM"), 1);
  EXPECT_EQ(hive.GetDword(kKey, "ColorT"), 0);
  EXPECT_TRUE(hive.HasKey(kLegacyKey));
  EXPECT_EQ(hive.openKeys, 0);
  EXPECT_EQ(store.Record().ColorT, 4242u);
}

TEST_F(SettingsStoreTest, RefusedSavesByThemselvesAreReportedOnceThoseAskedForEveryTime) {
  SettingsStore store = MakeStore();
  store.LoadSettings();
  hive.readOnly = true;
  const auto quietSave = [&] { store.SaveSettings(false, RefusalReport::OncePerRun); };

  ExpectRegistryError(quietSave, "Failed to set data for 'Version'");
  hive.CreateKey(kLegacyKey);
  EXPECT_NO_THROW(quietSave());
  EXPECT_NO_THROW(quietSave());
  EXPECT_EQ(hive.refusedWrites, 3);
  EXPECT_TRUE(hive.HasKey(kLegacyKey));  // silent refusals do not reload either

  // What the user asked for is reported every time.
  ExpectRegistryError([&] { store.SaveSettings(false); }, "Failed to set data for 'Version'");
  ExpectRegistryError([&] { store.SetRunAtStartup(true); }, "Failed to set data for 'Welmor'");
  ExpectRegistryError([&] { store.UpgradeSettings(); }, "Failed to set data for 'Version'");
  EXPECT_NO_THROW(quietSave());

  hive.readOnly = false;
  store.Record().Sticky = true;
  quietSave();
  EXPECT_EQ(hive.GetDword(kKey, "Sticky"), 1);
  EXPECT_FALSE(hive.HasKey(kLegacyKey));

  hive.readOnly = true;
  ExpectRegistryError(quietSave, "Failed to set data for 'Version'");
  EXPECT_NO_THROW(quietSave());
}

TEST_F(SettingsStoreTest, ReadOnlyFirstRunShowsTheNoticeThenTheError) {
  hive.readOnly = true;
  SettingsStore store = MakeStore();
  ExpectRegistryError([&] { store.LoadSettings(); }, "Failed to set data for 'Version'");
  EXPECT_EQ(notices, std::vector<std::string>{kLanguageText});
  EXPECT_FALSE(hive.HasKey(kKey));
  EXPECT_TRUE(store.Record().CPUAlarm_1);
  EXPECT_FALSE(store.CheckSettingsVersion());  // nothing was read: no upgrade either
  EXPECT_NO_THROW(store.SaveSettings(false, RefusalReport::OncePerRun));  // already reported
}

TEST_F(SettingsStoreTest, RefreshIntervalNeverSpinsNorStalls) {
  // A stored Interval outside the 1..60 the refresh dialog keeps reads as 1.
  hive.PutString(kKey, "Version", kVersion);
  SettingsStore store = MakeStore();
  const std::pair<uint32_t, int32_t> stored[] = {{0, 1},  {0x7FFFFFFF, 1}, {0xFFFFFFFF, 1},
                                                 {61, 1}, {60, 60},        {1, 1}};
  for (const auto& [value, read] : stored) {
    hive.Put(kKey, "Interval", RegistryValue::FromDword(value));
    store.LoadSettings();
    EXPECT_EQ(store.Record().Interval, read) << value;
    EXPECT_EQ(RefreshIntervalMs(store.Record()), read * 1000u) << value;
  }
}

TEST(SettingsStoreConstruction, RefusesMissingHooks) {
  MemoryRegistry hive;
  SettingsHooks hooks;
  hooks.fileVersion = [] { return std::string("1"); };
  EXPECT_THROW(SettingsStore(hive.Factory(), hooks), std::invalid_argument);
}

}  // namespace
}  // namespace welmor
