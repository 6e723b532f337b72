#pragma once
// SettingsStore: the one Settings record of the program and its home in the
// local machine's registry hive, plus the machine-wide start-up entry.
//
// The program keeps a single store for its whole run. Every operation makes
// its own registry wrapper through the factory and lets it go at the end, so
// no key stays open between calls and none leaks when an operation throws.
//
// How failures and notices reach the user:
// - Notices (the first-run language notice, the other-version notice) go
//   through SettingsHooks::showInformation, which the main window points at
//   its information box.
// - Registry failures throw ERegistryException (see settings/registry_key.hpp)
//   with the wrapper's own text; the caller's event dispatch shows it in the
//   default error box. An operation stops at the value that failed: values
//   written before it stay written, fields read before it keep their new
//   contents, and a save that fails does not reload.
// - A load reads every value it can: a wrongly typed value keeps its field
//   and the first such error is thrown once the rest has been read.
// - A settings key that exists but cannot be opened fails the load with
//   "Failed to get data for 'Version'", and every save first tries the load
//   again and writes nothing until it succeeds, so start values never go
//   over settings that were never read; the save whose load succeeds keeps
//   the stored position rather than the window's, which start values placed.
//   The failed load counts as the reported refusal of the saves that come by
//   themselves.
// - Saves that come by themselves (mouse movements) report a run of refused
//   saves once: the first refusal throws, later ones return quietly until a
//   save gets through again. A user without write access to the hive would
//   otherwise get an error box on every mouse movement over the widget. A
//   save the user asked for (a menu command) reports every refusal.

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>

#include "settings/registry_key.hpp"
#include "settings/settings.hpp"

namespace welmor {

inline constexpr const char* kSettingsKeyPath = "Software\\Brannic\\Welmor";
// Key of an earlier maker; removed whenever it turns up, nothing is taken over.
inline constexpr const char* kLegacySettingsKeyPath = "Software\\Quessel\\Welmor";
inline constexpr const char* kRunKeyPath = "Software\\Microsoft\\Windows\\CurrentVersion\\Run";
inline constexpr const char* kRunValueName = "Welmor";

inline constexpr const char* kLanguageNotice =
    "If system language is not English, some dispay bugs (missing text) will be around.";
inline constexpr const char* kOtherVersionNotice =
    "     Setting from diferent version found in Registry. \r\n\r\n"
    " Please make sure you read the History for changes";

// Where the store keeps things, below the registry factory's hive. The
// program uses the defaults; tests under Wine move the settings keys out of
// the way.
struct SettingsLocations {
  std::string settingsKey = kSettingsKeyPath;
  std::string legacyKey = kLegacySettingsKeyPath;
  std::string runKey = kRunKeyPath;
  std::string runValue = kRunValueName;
};

// Longer paths than this come back from the platform cut short.
inline constexpr std::size_t kMaxExecutablePathLength = 259;

enum class RefusalReport { Always, OncePerRun };

struct WindowPosition {
  int32_t top = 0;
  int32_t left = 0;
};

// What the store needs from the running program. Each is asked at the moment
// it is needed, so later changes (a re-read version resource, a moved window)
// are seen. All five must be set.
struct SettingsHooks {
  // File version of the running program, e.g. "3.9.5.15".
  std::function<std::string()> fileVersion;
  // Full path of the running executable as the platform reports it.
  std::function<std::string()> executablePath;
  // Width of the primary screen in pixels (first-run window position).
  std::function<int32_t()> screenWidth;
  // The main window's current top and left (asked only while SavePosition is on).
  std::function<WindowPosition()> windowPosition;
  // Shows an information box and returns when it is closed.
  std::function<void(const std::string& text)> showInformation;
};

class SettingsStore {
 public:
  // Throws std::invalid_argument when the factory or a hook is missing.
  SettingsStore(RegistryFactory registry, SettingsHooks hooks, SettingsLocations locations = {});

  Settings& Record() { return settings_; }
  const Settings& Record() const { return settings_; }

  // Reads the Run entry into RunAtStartup, removes the legacy key, and either
  // reads the settings key into the record or, when the key is missing, shows
  // the language notice and saves the first-run values.
  void LoadSettings();

  // Writes Version and the record (or the first-run values), then reloads.
  // With SavePosition on, the window's position is taken into PTop and PLeft
  // first.
  void SaveSettings(bool defaults, RefusalReport report = RefusalReport::Always);

  // Rewrites Version, ContentHDDs, ShowProcesses and Interval, then reloads.
  void UpgradeSettings();

  // For the main window's first showing: when the loaded settings were
  // written by another program version, shows the other-version notice and
  // upgrades them. Returns whether it did.
  bool CheckSettingsVersion();

  // Writes (on) or deletes (off) the Run entry naming the running executable
  // and sets RunAtStartup. A write that is refused throws and leaves
  // RunAtStartup as it was; so does an executable path that is empty or was
  // cut short. A delete that fails is silent.
  void SetRunAtStartup(bool on);

 private:
  // The executable's path, or "" when the platform could not give it whole.
  std::string UsableExecutablePath() const;
  void WriteAll(RegistryKey& key, bool defaults, bool takePosition);

  RegistryFactory registry_;
  SettingsHooks hooks_;
  SettingsLocations locations_;
  Settings settings_;
  bool refusalReported_ = false;
  // The settings key exists but the last load could not open it.
  bool keyUnread_ = false;
};

}  // namespace welmor
