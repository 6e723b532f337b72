// The memory probe under Wine against /proc/meminfo. Wine counts MemFree,
// Buffers and Cached as available physical memory, and adds swap to both
// page-file figures (commit limit = RAM + swap).
#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <functional>

#include "sysinfo/probes.hpp"
#include "sysinfo/win32/win32_probes.hpp"
#include "win32/linux_truth.hpp"

namespace welmor {
namespace {

using Meminfo = std::map<std::string, uint64_t>;

// Memory moves while other programs run; a figure must fall inside what
// /proc/meminfo said just before and just after the probe, widened by this.
constexpr uint64_t kSlack = uint64_t{64} << 20;

uint64_t Available(const Meminfo& m) { return m.at("MemFree") + m.at("Buffers") + m.at("Cached"); }

// Asks the probe between two readings of /proc/meminfo; passes when the
// figure lies within the bracket. A burst of activity elsewhere can move
// memory by more than the slack, so up to three tries. Wine hands out the
// same memory status for a second after reading it, so a try that may have
// seen an old one is repeated after that second.
void ExpectWithinMeminfo(Probes& probes, uint32_t selector, const std::function<uint64_t(const Meminfo&)>& truth) {
  uint64_t value = 0;
  uint64_t low = 0;
  uint64_t high = 0;
  for (int attempt = 0; attempt < 3; ++attempt) {
    if (attempt > 0) Sleep(1100);
    const Meminfo before = testenv::ReadMeminfo();
    value = probes.GetMemoryStatusValue(selector);
    const Meminfo after = testenv::ReadMeminfo();
    low = std::min(truth(before), truth(after));
    high = std::max(truth(before), truth(after));
    low = low > kSlack ? low - kSlack : 0;
    high += kSlack;
    if (value >= low && value <= high) return;
  }
  ADD_FAILURE() << "selector " << selector << " gave " << value << ", /proc/meminfo says " << low << " to "
                << high;
}

class MemoryProbeOnWine : public ::testing::Test {
 protected:
  void SetUp() override {
    const Meminfo m = testenv::ReadMeminfo();
    ASSERT_TRUE(m.count("MemTotal") && m.count("MemFree") && m.count("Buffers") && m.count("Cached") &&
                m.count("SwapTotal") && m.count("SwapFree"))
        << "Z:\\proc\\meminfo unreadable";
  }
  Win32SystemProbes real_;
  Probes probes_{real_.Sources()};
};

TEST_F(MemoryProbeOnWine, ByteFiguresAgreeWithProcMeminfo) {
  ExpectWithinMeminfo(probes_, kMemAvailPhys, Available);
  ExpectWithinMeminfo(probes_, kMemTotalPhys, [](const Meminfo& m) { return m.at("MemTotal"); });
  ExpectWithinMeminfo(probes_, kMemAvailPageFile, [](const Meminfo& m) { return Available(m) + m.at("SwapFree"); });
  ExpectWithinMeminfo(probes_, kMemTotalPageFile,
                      [](const Meminfo& m) { return m.at("MemTotal") + m.at("SwapTotal"); });
}

TEST_F(MemoryProbeOnWine, PercentagesAddUpAndFollowTheBytes) {
  // Two separate queries: retry when the load moved in between.
  bool addsUp = false;
  for (int attempt = 0; attempt < 5 && !addsUp; ++attempt) {
    const uint64_t free = probes_.GetMemoryStatusValue(kMemFreePercent);
    const uint64_t load = probes_.GetMemoryStatusValue(kMemLoadPercent);
    EXPECT_LE(load, 100u);
    addsUp = free + load == 100;
  }
  EXPECT_TRUE(addsUp);
  const Meminfo m = testenv::ReadMeminfo();
  const double used =
      100.0 * (1.0 - static_cast<double>(Available(m)) / static_cast<double>(m.at("MemTotal")));
  EXPECT_NEAR(static_cast<double>(probes_.GetMemoryStatusValue(kMemLoadPercent)), used, 3.0);
}

TEST_F(MemoryProbeOnWine, SelectorsOutsideTheTableGiveZero) {
  EXPECT_EQ(probes_.GetMemoryStatusValue(9), 0u);
  EXPECT_EQ(probes_.GetMemoryStatusValue(0), 0u);
  // The address-space figure is the process's own: far above 4 GiB in a
  // 64-bit process, most of the 2 GiB of a 32-bit one.
  const uint64_t avail = probes_.GetMemoryStatusValue(kMemAvailVirtual);
  if constexpr (sizeof(void*) == 8) {
    EXPECT_GT(avail, uint64_t{1} << 32);
  } else {
    EXPECT_GT(avail, uint64_t{1} << 30);
    EXPECT_LE(avail, uint64_t{1} << 31);
  }
}

}  // namespace
}  // namespace welmor
