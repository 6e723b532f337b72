// The clock source and its fake answer alike: the time of day in the user's
// format, and without seconds the same text less its ":ss".
#include <gtest/gtest.h>

#include <string>

#include "fakes/fake_system_probes.hpp"
#include "sysinfo/win32/sources_win32.hpp"

namespace welmor {
namespace {

// The text less its last ":ss"; empty unless it has hours, minutes and seconds.
std::string LessSeconds(const std::string& text) {
  const std::size_t colon = text.rfind(':');
  if (colon == std::string::npos || text.find(':') == colon) return "";
  return text.substr(0, colon) + text.substr(colon + 3);
}

void ExpectTimeWithAndWithoutSeconds(ClockSource& clock) {
  std::string withSeconds, without;
  // The minute may turn between the two calls.
  for (int tries = 0; tries < 3 && (tries == 0 || without != LessSeconds(withSeconds)); ++tries) {
    withSeconds = clock.LocalTimeText(true);
    without = clock.LocalTimeText(false);
  }
  EXPECT_NE(LessSeconds(withSeconds), "") << withSeconds;
  EXPECT_EQ(without, LessSeconds(withSeconds));
}

TEST(ClockSourceContract, Win32) { ExpectTimeWithAndWithoutSeconds(*MakeWin32ClockSource()); }

TEST(ClockSourceContract, Fake) {
  FakeClockSource fake;
  fake.text = "4:05:09 PM";
  ExpectTimeWithAndWithoutSeconds(fake);
}

}  // namespace
}  // namespace welmor
