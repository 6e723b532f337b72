#pragma once
// What the about window needs from the system besides the toolkit: the date
// of the program's file in the user's formats, and a way to open a link with
// whatever program the user has for it.

#include <cstdint>
#include <optional>
#include <string>

namespace welmor {

// A local date and time to the second.
struct LocalDateTime {
  int32_t year = 0;
  int32_t month = 0;  // 1..12
  int32_t day = 0;
  int32_t hour = 0;
  int32_t minute = 0;
  int32_t second = 0;
};

class AboutPlatform {
 public:
  virtual ~AboutPlatform() = default;
  // Last modification of the running program's file, in local time; nothing
  // when the file cannot be read.
  virtual std::optional<LocalDateTime> ExecutableModified() = 0;
  // In the user's short date and long time formats.
  virtual std::string ShortDateText(const LocalDateTime& when) = 0;
  virtual std::string LongTimeText(const LocalDateTime& when) = 0;
  // Opens a URL (web page, mail) with its registered program; failures are
  // the system's to show or not.
  virtual void Open(const std::string& target) = 0;
};

// The short date, a space and the long time; the date alone at exactly
// midnight, the way date-and-time texts leave out an empty time. Empty when
// the file's time cannot be read.
std::string FileDateText(AboutPlatform& platform);

}  // namespace welmor
