#include "settings/settings.hpp"

#include <type_traits>

namespace welmor {

namespace {
#define WELMOR_STORED_SETTING(field, type, start, firstRun, ...) \
  StoredSetting{#field, &Settings::field __VA_OPT__(, __VA_ARGS__)},
const StoredSetting kStoredSettings[] = {WELMOR_STORED_SETTINGS(WELMOR_STORED_SETTING)};
#undef WELMOR_STORED_SETTING
}  // namespace

std::span<const StoredSetting> StoredSettings() { return kStoredSettings; }

StoredData StoredValue(const Settings& settings, const StoredSetting& stored) {
  return std::visit(
      [&](auto member) -> StoredData {
        if constexpr (std::is_same_v<decltype(member), std::string Settings::*>)
          return settings.*member;
        else
          return static_cast<int32_t>(settings.*member);
      },
      stored.field);
}

Settings FirstRunSettings(int32_t screenWidth) {
  Settings values;
#define WELMOR_FIRST_RUN(field, type, start, firstRun, ...) values.field = firstRun;
  WELMOR_STORED_SETTINGS(WELMOR_FIRST_RUN)
#undef WELMOR_FIRST_RUN
  return values;
}

}  // namespace welmor
