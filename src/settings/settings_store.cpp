#include "settings/settings_store.hpp"

#include <functional>
#include <memory>
#include <optional>
#include <stdexcept>
#include <string_view>
#include <type_traits>
#include <utility>
#include <variant>

namespace welmor {

namespace {

constexpr const char* kVersionValue = "Version";

// A stored number outside the setting's range reads as its start value.
void ReadField(RegistryKey& key, const StoredSetting& stored, Settings& settings) {
  std::visit(
      [&](auto member) {
        auto& field = settings.*member;
        using T = std::remove_reference_t<decltype(field)>;
        if constexpr (std::is_same_v<T, std::string>) {
          field = key.ReadString(stored.name);
        } else {
          const int32_t n = key.ReadInteger(stored.name);
          field = n >= stored.lowest && n <= stored.highest ? static_cast<T>(n) : Settings{}.*member;
        }
      },
      stored.field);
}

void WriteField(RegistryKey& key, const StoredSetting& stored, const Settings& settings) {
  const StoredData value = StoredValue(settings, stored);
  if (const auto* text = std::get_if<std::string>(&value)) {
    key.WriteString(stored.name, *text);
  } else {
    key.WriteInteger(stored.name, std::get<int32_t>(value));
  }
}

// The panels use characters 1 to 3 of these texts without looking at their
// length; a hand-edited shorter text gets its missing places from the start
// value so that every panel has a content and a drive.
void FillShortText(std::string& text, const std::string& startValue) {
  if (text.size() < startValue.size()) text += startValue.substr(text.size());
}

}  // namespace

SettingsStore::SettingsStore(RegistryFactory registry, SettingsHooks hooks, SettingsLocations locations)
    : registry_(std::move(registry)), hooks_(std::move(hooks)), locations_(std::move(locations)) {
  if (!registry_ || !hooks_.fileVersion || !hooks_.executablePath || !hooks_.screenWidth ||
      !hooks_.windowPosition || !hooks_.showInformation)
    throw std::invalid_argument("SettingsStore needs a registry and every hook");
}

void SettingsStore::LoadSettings() {
  std::unique_ptr<RegistryKey> key = registry_();

  // Whatever else put a value of our name under Run (a number, a list, ...)
  // is simply not our entry; it must not keep the settings from loading.
  key->OpenKey(locations_.runKey, KeyAccess::Read);
  try {
    const std::string path = UsableExecutablePath();
    settings_.RunAtStartup = !path.empty() && key->ReadString(locations_.runValue) == path;
  } catch (const ERegistryException&) {
    settings_.RunAtStartup = false;
  }
  key->CloseKey();

  if (key->KeyExists(locations_.legacyKey)) key->DeleteKey(locations_.legacyKey);

  // Until Version is read, the settings count as this version's: a load
  // that fails early must not bring on the other-version upgrade.
  settings_.SettingsVersion = hooks_.fileVersion();

  if (!key->KeyExists(locations_.settingsKey)) {
    key.reset();
    keyUnread_ = false;  // nothing stored that a save could write over
    hooks_.showInformation(kLanguageNotice);
    SaveSettings(true);
    return;
  }

  // A wrongly typed value is reported, but only that field keeps what it
  // held: stopping there would let the next save write start values over
  // every later value the user has stored.
  std::optional<ERegistryException> firstError;
  const auto readOrNote = [&](const std::function<void()>& read) {
    try {
      read();
    } catch (const ERegistryException& e) {
      if (!firstError) firstError = e;
    }
  };
  if (!key->OpenKey(locations_.settingsKey, KeyAccess::Read)) {
    // The key is there but would not open (out of resources, a changed
    // access list): every value would look missing, and the next save would
    // put start values over all of them. Saves wait for a load that works.
    keyUnread_ = true;
    refusalReported_ = true;
    throw ERegistryException(GetDataFailedText(kVersionValue));
  }
  keyUnread_ = false;
  if (key->ValueExists(kVersionValue)) {
    readOrNote([&] { settings_.SettingsVersion = key->ReadString(kVersionValue); });
  }
  const Settings start;
  for (const StoredSetting& stored : StoredSettings()) {
    if (key->ValueExists(stored.name)) readOrNote([&] { ReadField(*key, stored, settings_); });
  }
  FillShortText(settings_.ContentPanels, start.ContentPanels);
  FillShortText(settings_.ContentHDDs, start.ContentHDDs);
  key->CloseKey();
  if (firstError) throw *firstError;
}

std::string SettingsStore::UsableExecutablePath() const {
  std::string path = hooks_.executablePath();
  // A path the platform cut at its buffer names some other file.
  if (path.size() > kMaxExecutablePathLength) path.clear();
  return path;
}

void SettingsStore::WriteAll(RegistryKey& key, bool defaults, bool takePosition) {
  // A key that cannot be opened or created shows up as the first refused
  // write below, which names the value.
  key.OpenKey(locations_.settingsKey, KeyAccess::CreateForWrite);
  key.WriteString(kVersionValue, hooks_.fileVersion());
  if (defaults) {
    const Settings values = FirstRunSettings(hooks_.screenWidth());
    for (const StoredSetting& stored : StoredSettings()) {
      WriteField(key, stored, values);
      // Interval has always gone down twice on a first run (28 writes); the
      // second write changes nothing.
      if (std::string_view(stored.name) == "Interval") WriteField(key, stored, values);
    }
  } else {
    if (settings_.SavePosition && takePosition) {
      const WindowPosition position = hooks_.windowPosition();
      settings_.PTop = position.top;
      settings_.PLeft = position.left;
    }
    for (const StoredSetting& stored : StoredSettings()) WriteField(key, stored, settings_);
  }
  key.CloseKey();
}

void SettingsStore::SaveSettings(bool defaults, RefusalReport report) {
  try {
    // The record holds start values, not the user's: read the key first, and
    // write nothing while it still cannot be read. The window stands where
    // start values put it, so the stored position is kept too.
    const bool unread = keyUnread_;
    if (unread) LoadSettings();
    WriteAll(*registry_(), defaults, !unread);
  } catch (const ERegistryException&) {
    // Saves come with every mouse movement: one box per run of refusals.
    if (report == RefusalReport::OncePerRun && refusalReported_) return;
    refusalReported_ = true;
    throw;
  }
  refusalReported_ = false;
  LoadSettings();
}

void SettingsStore::UpgradeSettings() {
  {
    std::unique_ptr<RegistryKey> key = registry_();
    key->OpenKey(locations_.settingsKey, KeyAccess::CreateForWrite);
    key->WriteString(kVersionValue, hooks_.fileVersion());
    key->WriteString("ContentHDDs", "CCC");
    key->WriteInteger("ShowProcesses", 1);
    key->WriteInteger("Interval", 1);
    key->CloseKey();
  }
  LoadSettings();
}

bool SettingsStore::CheckSettingsVersion() {
  if (settings_.SettingsVersion == hooks_.fileVersion()) return false;
  hooks_.showInformation(kOtherVersionNotice);
  UpgradeSettings();
  return true;
}

void SettingsStore::SetRunAtStartup(bool on) {
  std::unique_ptr<RegistryKey> key = registry_();
  key->OpenKey(locations_.runKey, KeyAccess::Write);
  if (on) {
    // An entry naming no file or a cut-off one would start nothing; refuse
    // it as a write the registry refused.
    const std::string path = UsableExecutablePath();
    if (path.empty()) throw ERegistryException(SetDataFailedText(locations_.runValue));
    key->WriteString(locations_.runValue, path);
    settings_.RunAtStartup = true;
  } else {
    key->DeleteValue(locations_.runValue);
    settings_.RunAtStartup = false;
  }
  key->CloseKey();
}

}  // namespace welmor
