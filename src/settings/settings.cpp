#include "settings/settings.hpp"

#include <algorithm>

namespace welmor {

namespace {
constexpr int64_t kLongestTimerMs = 0x7FFFFFFF;  // USER_TIMER_MAXIMUM
constexpr int64_t kFallbackIntervalMs = 1000;
}  // namespace

uint32_t RefreshIntervalMs(const Settings& settings) {
  if (settings.Interval <= 0) return static_cast<uint32_t>(kFallbackIntervalMs);
  return static_cast<uint32_t>(std::min<int64_t>(int64_t{settings.Interval} * 1000, kLongestTimerMs));
}

}  // namespace welmor
