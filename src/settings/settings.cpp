#include "settings/settings.hpp"

#include <algorithm>
#include <type_traits>

namespace welmor {

namespace {
constexpr int64_t kLongestTimerMs = 0x7FFFFFFF;  // USER_TIMER_MAXIMUM
constexpr int64_t kFallbackIntervalMs = 1000;

#define WELMOR_STORED_SETTING(field, type, start, firstRun, ...) \
  StoredSetting{#field, &Settings::field __VA_OPT__(, __VA_ARGS__)},
const StoredSetting kStoredSettings[] = {WELMOR_STORED_SETTINGS(WELMOR_STORED_SETTING)};
#undef WELMOR_STORED_SETTING
}  // namespace

std::span<const StoredSetting> StoredSettings() { return kStoredSettings; }

StoredData StoredValue(const Settings& settings, const StoredSetting& stored) {
  return std::visit(
      [&](auto member) -> StoredData {
        const auto& field = settings.*member;
        using T = std::remove_cvref_t<decltype(field)>;
        if constexpr (std::is_same_v<T, std::string>) {
          return field;
        } else {
          return static_cast<int32_t>(field);
        }
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

uint32_t RefreshIntervalMs(const Settings& settings) {
  if (settings.Interval <= 0) return static_cast<uint32_t>(kFallbackIntervalMs);
  return static_cast<uint32_t>(std::min<int64_t>(int64_t{settings.Interval} * 1000, kLongestTimerMs));
}

}  // namespace welmor
