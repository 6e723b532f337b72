#include <gtest/gtest.h>

#include <cstdint>

#include "fakes/fake_system_probes.hpp"
#include "sysinfo/memory_status.hpp"
#include "sysinfo/probes.hpp"

namespace welmor {
namespace {

constexpr uint64_t kGiB = uint64_t{1} << 30;

// Every byte field a different count above 4 GiB, so a selector that reads
// the wrong field or drops the high half shows.
MemoryStatus DistinctStatus() {
  MemoryStatus s;
  s.dwMemoryLoad = 37;
  s.ullTotalPhys = 16 * kGiB + 1;
  s.ullAvailPhys = 5 * kGiB + 2;
  s.ullTotalPageFile = 24 * kGiB + 3;
  s.ullAvailPageFile = 9 * kGiB + 4;
  s.ullTotalVirtual = 128 * kGiB + 5;
  s.ullAvailVirtual = 127 * kGiB + 6;
  s.ullAvailExtendedVirtual = 7 * kGiB + 7;
  return s;
}

TEST(MemoryStatusValue, EachSelectorReadsItsFieldWhole) {
  const MemoryStatus s = DistinctStatus();
  EXPECT_EQ(MemoryStatusValue(s, 1), 5 * kGiB + 2);
  EXPECT_EQ(MemoryStatusValue(s, 2), 16 * kGiB + 1);
  EXPECT_EQ(MemoryStatusValue(s, 3), 63u);
  EXPECT_EQ(MemoryStatusValue(s, 4), 37u);
  EXPECT_EQ(MemoryStatusValue(s, 5), 9 * kGiB + 4);
  EXPECT_EQ(MemoryStatusValue(s, 6), 24 * kGiB + 3);
  EXPECT_EQ(MemoryStatusValue(s, 7), 127 * kGiB + 6);
  EXPECT_EQ(MemoryStatusValue(s, 8), 7 * kGiB + 7);
  for (uint32_t selector : {0u, 9u, 10u, 0x80000000u, UINT32_MAX}) {
    EXPECT_EQ(MemoryStatusValue(s, selector), 0u) << selector;
  }
}

TEST(MemoryStatusValue, FreeAndLoadedPercentAtTheEnds) {
  MemoryStatus s;
  s.dwMemoryLoad = 100;
  EXPECT_EQ(MemoryStatusValue(s, kMemFreePercent), 0u);
  EXPECT_EQ(MemoryStatusValue(s, kMemLoadPercent), 100u);
  s.dwMemoryLoad = 0;
  EXPECT_EQ(MemoryStatusValue(s, kMemFreePercent), 100u);
  EXPECT_EQ(MemoryStatusValue(s, kMemLoadPercent), 0u);
  // A load past 100 must not wrap the free share to four billion percent.
  s.dwMemoryLoad = 101;
  EXPECT_EQ(MemoryStatusValue(s, kMemFreePercent), 0u);
}

class MemoryProbe : public ::testing::Test {
 protected:
  FakeSystemProbes fakes_;
  Probes probes_{fakes_.Sources()};
};

TEST_F(MemoryProbe, QueriesAfreshOnEveryCall) {
  fakes_.memory.status = DistinctStatus();
  EXPECT_EQ(probes_.GetMemoryStatusValue(4), 37u);
  fakes_.memory.status.dwMemoryLoad = 80;
  EXPECT_EQ(probes_.GetMemoryStatusValue(4), 80u);
  EXPECT_EQ(probes_.GetMemoryStatusValue(3), 20u);
  EXPECT_EQ(probes_.GetMemoryStatusValue(2), 16 * kGiB + 1);
  EXPECT_EQ(fakes_.memory.queries, 4);
}

TEST_F(MemoryProbe, UnknownSelectorsAskNothing) {
  fakes_.memory.status = DistinctStatus();
  EXPECT_EQ(probes_.GetMemoryStatusValue(0), 0u);
  EXPECT_EQ(probes_.GetMemoryStatusValue(9), 0u);
  EXPECT_EQ(probes_.GetMemoryStatusValue(UINT32_MAX), 0u);
  EXPECT_EQ(fakes_.memory.queries, 0);
}

TEST_F(MemoryProbe, RefusedQueryGivesZeroForEverySelector) {
  fakes_.memory.status = DistinctStatus();
  fakes_.memory.fails = true;
  for (uint32_t selector = 1; selector <= 8; ++selector) {
    EXPECT_EQ(probes_.GetMemoryStatusValue(selector), 0u) << selector;
  }
}

TEST(MemoryProbeWithoutSource, AnswersZero) {
  Probes none{SystemProbes{}};
  EXPECT_EQ(none.GetMemoryStatusValue(2), 0u);
  EXPECT_EQ(none.GetMemoryStatusValue(3), 0u);
}

}  // namespace
}  // namespace welmor
