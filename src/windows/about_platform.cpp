#include "windows/about_platform.hpp"

namespace welmor {

std::string FileDateText(AboutPlatform& platform) {
  const std::optional<LocalDateTime> when = platform.ExecutableModified();
  if (!when) return {};
  const std::string date = platform.ShortDateText(*when);
  if (when->hour == 0 && when->minute == 0 && when->second == 0) return date;
  return date + " " + platform.LongTimeText(*when);
}

}  // namespace welmor
