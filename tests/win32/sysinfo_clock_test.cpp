// The clock source and its fake answer alike: the time of day in the user's
// format, and without seconds the same text less its last ":ss".
#include <gtest/gtest.h>

#include <string>

#include "fakes/fake_system_probes.hpp"
#include "sysinfo/win32/sources_win32.hpp"

namespace welmor {
namespace {

void ExpectTimeWithAndWithoutSeconds(ClockSource& clock) {
  for (int tries = 1;; ++tries) {  // the minute may turn between the two calls
    const std::string with = clock.LocalTimeText(true), without = clock.LocalTimeText(false);
    const std::size_t colon = with.rfind(':');
    ASSERT_NE(with.find(':'), colon) << with;  // hours, minutes and seconds
    if (without == with.substr(0, colon) + with.substr(colon + 3)) return;
    ASSERT_LT(tries, 3) << with << " / " << without;
  }
}

TEST(ClockSourceContract, Win32) { ExpectTimeWithAndWithoutSeconds(*MakeWin32ClockSource()); }

TEST(ClockSourceContract, Fake) {
  FakeClockSource fake;
  fake.text = "4:05:09 PM";
  ExpectTimeWithAndWithoutSeconds(fake);
}

}  // namespace
}  // namespace welmor
