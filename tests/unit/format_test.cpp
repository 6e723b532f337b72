#include "textutil/format.hpp"
#include "sysinfo/tick_source.hpp"

#include <gtest/gtest.h>

#include <cstdint>

namespace welmor {
namespace {

TEST(FormatByteSize, PicksTheLargestUnitBeforeRounding) {
  struct Case {
    int64_t bytes;
    const char* text;
  };
  const Case cases[] = {
      {0, "0 Byte(s)"},
      {-1, "-1 Byte(s)"},
      {INT64_MIN, "-9223372036854775808 Byte(s)"},
      {1023, "1023 Byte(s)"},
      {1024, "1.00 KiB"},
      {1536, "1.50 KiB"},
      {1048575, "1024.00 KiB"},
      {1048576, "1.00 MiB"},
      {5368709120LL, "5.00 GiB"},
      {1099511627776LL, "1.00 TiB"},
      {INT64_MAX, "8388608.00 TiB"},
      // 4 GiB and more: a 32-bit long would have wrapped.
      {4294967296LL + 536870912LL, "4.50 GiB"},
  };
  for (const Case& c : cases) EXPECT_EQ(FormatByteSize(c.bytes), c.text) << c.bytes;
}

TEST(FormatByteSize, RoundsExactHalvesAwayFromZero) {
  // 1152 / 1024 = 1.125 exactly; the C runtimes print "1.12".
  EXPECT_EQ(FormatByteSize(1152), "1.13 KiB");
  EXPECT_EQ(FormatByteSize(1024 + 128 + 256), "1.38 KiB");  // 1.375
  EXPECT_EQ(FormatByteSize(1029), "1.00 KiB");              // 1.0049
  EXPECT_EQ(FormatByteSize(2047), "2.00 KiB");              // 1.999 rounds up a unit's worth
  // 1.164999999... TiB: just below a half, however close.
  EXPECT_EQ(FormatByteSize(1280931046359LL), "1.16 TiB");
  EXPECT_EQ(FormatByteSize(1280931046360LL), "1.17 TiB");  // and just above it
}

TEST(FormatUptime, SplitsIntoDaysHoursMinutesSeconds) {
  EXPECT_EQ(FormatUptime(0), "0:0:0:0");
  EXPECT_EQ(FormatUptime(999), "0:0:0:0");
  EXPECT_EQ(FormatUptime(2u * 86400000u + 5u * 3600000u + 7u * 60000u + 9000u + 999u), "2:5:7:9");
  EXPECT_EQ(FormatUptime(86399999u), "0:23:59:59");
  EXPECT_EQ(FormatUptime(86400000u), "1:0:0:0");
  EXPECT_EQ(FormatUptime(4294967295u), "49:17:2:47");
  EXPECT_EQ(FormatUptime(50ull * 86400000u + 1000u), "50:0:0:1");
}

TEST(UnwrapTickCount, AddsTheRoundsTheBootTimeShows) {
  constexpr uint64_t k = uint64_t{1} << 32;
  struct Case {
    uint32_t ticks;
    uint64_t sinceStart;
    uint64_t full;
  };
  const Case cases[] = {
      {5000, 5300, 5000},                  // below 2^32: the tick count itself
      {5000, 4700, 5000},                  // a clock slightly behind
      {5000, 0, 5000},                     // no measure
      {4294967196u, k + 50, 4294967196u},  // the clock past 2^32 first
      {50, k - 100, k + 50},               // the tick count past it first
      {1000, 3 * k + 900, 3 * k + 1000},   // 149 days
  };
  for (const Case& c : cases) EXPECT_EQ(UnwrapTickCount(c.ticks, c.sinceStart), c.full) << c.ticks;
}

TEST(Explode, KeepsEmptyPartsAndTheRest) {
  using V = std::vector<std::string>;
  EXPECT_EQ(Explode(" ", ""), V{""});
  EXPECT_EQ(Explode(" ", "abc"), V{"abc"});
  EXPECT_EQ(Explode(" ", "a  b"), (V{"a", "", "b"}));
  EXPECT_EQ(Explode(" ", "C: D: "), (V{"C:", "D:", ""}));
  EXPECT_EQ(Explode("", "a b"), V{"a b"});
  EXPECT_EQ(Explode("--", "x--y--"), (V{"x", "y", ""}));
}

TEST(TrimSpaces, TrimsOnlyTheSpaceCharacter) {
  EXPECT_EQ(TrimSpaces("  text  "), "text");
  EXPECT_EQ(TrimSpaces("   "), "");
  EXPECT_EQ(TrimSpaces(""), "");
  EXPECT_EQ(TrimSpaces("\ttext\t"), "\ttext\t");
  EXPECT_EQ(TrimLeftSpaces("  a b  "), "a b  ");
  EXPECT_EQ(TrimRightSpaces("  a b  "), "  a b");
}

TEST(IsDigits, AcceptsOnlyZeroToNine) {
  EXPECT_TRUE(IsDigits(""));
  EXPECT_TRUE(IsDigits("0123456789"));
  EXPECT_FALSE(IsDigits("12a"));
  EXPECT_FALSE(IsDigits("-1"));
  EXPECT_FALSE(IsDigits("1 2"));
  EXPECT_FALSE(IsDigits(" 12"));
  EXPECT_FALSE(IsDigits(std::string("1\xB2", 2)));  // a superscript two is no digit
}

TEST(LastCharPos, FindsTheLastOccurrenceOneBased) {
  EXPECT_EQ(LastCharPos('\\', "C:\\Dir\\File"), 7);
  EXPECT_EQ(LastCharPos('C', "C:\\Dir\\File"), 1);
  EXPECT_EQ(LastCharPos('x', "C:\\Dir\\File"), -1);
  EXPECT_EQ(LastCharPos('a', ""), -1);
}

TEST(IfThen, PicksByFlag) {
  EXPECT_EQ(IfThenStr(true, "a", "b"), "a");
  EXPECT_EQ(IfThenStr(false, "a", "b"), "b");
  EXPECT_EQ(IfThenInt(true, 1, -2), 1);
  EXPECT_EQ(IfThenInt(false, 1, -2), -2);
}

TEST(RoundHalfUp, RoundsHalvesUpAndTruncatesNegatives) {
  EXPECT_EQ(RoundHalfUp(2.5), 3);
  EXPECT_EQ(RoundHalfUp(2.49), 2);
  EXPECT_EQ(RoundHalfUp(0.0), 0);
  EXPECT_EQ(RoundHalfUp(99.9999), 100);
  EXPECT_EQ(RoundHalfUp(-0.5), 0);
  EXPECT_EQ(RoundHalfUp(-0.7), 0);
  EXPECT_EQ(RoundHalfUp(-2.5), -2);
  EXPECT_EQ(RoundHalfUp(1e12), INT32_MAX);
  EXPECT_EQ(RoundHalfUp(-1e12), INT32_MIN);
}

}  // namespace
}  // namespace welmor
