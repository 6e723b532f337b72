#include <gtest/gtest.h>

#include <cstring>
#include <string>

#include "fakes/fake_system_probes.hpp"
#include "sysinfo/os_version.hpp"
#include "sysinfo/probes.hpp"
#include "textutil/format.hpp"

namespace welmor {
namespace {

OsVersionRecord Record(uint32_t major, uint32_t minor, uint32_t build, uint32_t platform, const char* csd) {
  OsVersionRecord r;
  r.dwMajorVersion = major;
  r.dwMinorVersion = minor;
  r.dwBuildNumber = build;
  r.dwPlatformId = platform;
  std::strncpy(r.szCSDVersion, csd, sizeof r.szCSDVersion - 1);
  return r;
}

TEST(OSVersionText, NtFiveFamily) {
  // Start-up looks for "NT 5" at characters 5 to 8, the drop shadow for
  // "NT 5.1" at 5 to 10.
  const std::string w2k = FormatOSVersionText(Record(5, 0, 2195, kPlatformWin32Nt, ""));
  EXPECT_EQ(w2k, "Win NT 5 (Build: 2195)");
  EXPECT_EQ(w2k.substr(4, 4), "NT 5");
  EXPECT_NE(w2k.substr(4, 6), "NT 5.1");

  const std::string xp = FormatOSVersionText(Record(5, 1, 2600, kPlatformWin32Nt, "  Service Pack 2   "));
  EXPECT_EQ(xp, "Win NT 5.1 (Build: 2600 Service Pack 2)");
  EXPECT_EQ(xp.substr(4, 6), "NT 5.1");

  EXPECT_EQ(FormatOSVersionText(Record(5, 2, 3790, kPlatformWin32Nt, "Service Pack 2")),
            "Win NT 5.2 (Build: 3790 Service Pack 2)");
  const std::string seven = FormatOSVersionText(Record(6, 1, 7601, kPlatformWin32Nt, "Service Pack 1"));
  EXPECT_EQ(seven, "Win NT 6.1 (Build: 7601 Service Pack 1)");
  EXPECT_NE(seven.substr(4, 4), "NT 5");
}

TEST(OSVersionText, ServicePackTextEdges) {
  EXPECT_EQ(FormatOSVersionText(Record(5, 2, 3790, kPlatformWin32Nt, "     ")), "Win NT 5.2 (Build: 3790)");
  // Only spaces are trimmed; a tab is part of the text.
  EXPECT_EQ(FormatOSVersionText(Record(5, 0, 2195, kPlatformWin32Nt, " \tSP4 ")),
            "Win NT 5 (Build: 2195 \tSP4)");
  // All 128 characters used, no terminating NUL: read to the end of the
  // field and no further (the sanitizers watch the rest).
  OsVersionRecord full = Record(5, 1, 2600, kPlatformWin32Nt, "");
  std::memset(full.szCSDVersion, 'x', sizeof full.szCSDVersion);
  EXPECT_EQ(FormatOSVersionText(full), "Win NT 5.1 (Build: 2600 " + std::string(128, 'x') + ")");
  // The text ends at the first NUL even when more follows.
  OsVersionRecord cut = Record(5, 1, 2600, kPlatformWin32Nt, "Service Pack 3");
  cut.szCSDVersion[12] = '\0';
  EXPECT_EQ(FormatOSVersionText(cut), "Win NT 5.1 (Build: 2600 Service Pack)");
}

TEST(OSVersionText, BuildKeepsItsLow16Bits) {
  EXPECT_EQ(FormatOSVersionText(Record(5, 1, 65536 + 2600, kPlatformWin32Nt, "")),
            "Win NT 5.1 (Build: 2600)");
  EXPECT_EQ(FormatOSVersionText(Record(5, 1, 65535, kPlatformWin32Nt, "")), "Win NT 5.1 (Build: 65535)");
  // Windows 98 SE puts its version into the high bytes of the build.
  EXPECT_EQ(FormatOSVersionText(Record(4, 10, 0x040A08AE, 1, " A ")), "Windows 4.10 (Build: 2222 A)");
}

TEST(OSVersionProbe, EmptyWhenTheVersionCannotBeRead) {
  FakeSystemProbes fakes;
  Probes installed(fakes.Sources());
  fakes.version.Set(5, 0, 2195, kPlatformWin32Nt, "Service Pack 4");
  EXPECT_EQ(installed.GetOSVersionText(), "Win NT 5 (Build: 2195 Service Pack 4)");
  fakes.version.fails = true;
  EXPECT_EQ(installed.GetOSVersionText(), "");
  Probes none{SystemProbes{}};
  EXPECT_EQ(none.GetOSVersionText(), "");
}

TEST(UptimeProbe, FormatsTheTickCount) {
  FakeSystemProbes fakes;
  Probes installed(fakes.Sources());
  fakes.ticks.ticks = 90'061'000;
  EXPECT_EQ(installed.GetUptimeText(), "1:1:1:1");
  fakes.ticks.ticks = 999;
  EXPECT_EQ(installed.GetUptimeText(), "0:0:0:0");
  // Just before the count wraps after 49.7 days.
  fakes.ticks.ticks = UINT32_MAX;
  EXPECT_EQ(installed.GetUptimeText(), "49:17:2:47");
}

}  // namespace
}  // namespace welmor
