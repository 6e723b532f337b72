#include <gtest/gtest.h>

#include <climits>
#include <cstdint>
#include <stdexcept>

#include "fakes/fake_system_probes.hpp"
#include "sysinfo/cpu_usage.hpp"
#include "sysinfo/probes.hpp"

namespace welmor {
namespace {

constexpr int64_t kSecond = 10'000'000;              // 100-ns units
constexpr int64_t kStart = 132'000'000'000'000'000;  // a plausible system time

CpuReading Reading(int64_t idle, int64_t time, uint8_t processors) {
  CpuReading r;
  r.IdleTime = idle;
  r.CurrentTime = time;
  r.NumberOfProcessors = processors;
  return r;
}

TEST(LargeIntegerToDouble, JoinsSignedHighAndUnsignedLowHalves) {
  EXPECT_EQ(LargeIntegerToDouble(0), 0.0);
  EXPECT_EQ(LargeIntegerToDouble(0xFFFFFFFFLL), 4294967295.0);  // low half is unsigned
  EXPECT_EQ(LargeIntegerToDouble((int64_t{3} << 32) + 5), 3.0 * 4294967296.0 + 5.0);
  EXPECT_EQ(LargeIntegerToDouble(-1), -1.0);  // high -1, low 0xFFFFFFFF
  EXPECT_EQ(LargeIntegerToDouble(INT64_MIN), -9223372036854775808.0);
  EXPECT_EQ(LargeIntegerToDouble(kStart), 132000000000000000.0);
}

// Usage of the second of two readings, on a fresh sampler.
int32_t UsageBetween(const CpuReading& first, const CpuReading& second) {
  CpuUsageSampler sampler;
  EXPECT_EQ(sampler.Next(first), 0);
  return sampler.Next(second);
}

TEST(CpuUsageSampler, FirstReadingOnlySetsTheBaseline) {
  CpuUsageSampler sampler;
  EXPECT_FALSE(sampler.HasBaseline());
  EXPECT_EQ(sampler.Next(Reading(50 * kSecond, kStart, 1)), 0);
  EXPECT_TRUE(sampler.HasBaseline());
  // No idle time over one second on one processor: fully busy.
  EXPECT_EQ(sampler.Next(Reading(50 * kSecond, kStart + kSecond, 1)), 100);
}

TEST(CpuUsageSampler, ExamplesFromTheField) {
  // Two processors, 1.5 s idle over 1 s: the ratio sits just below 1.5, the
  // idle share just below 75 rounds to 75.
  EXPECT_EQ(UsageBetween(Reading(kSecond, kStart, 2), Reading(kSecond + 15'000'000, kStart + kSecond, 2)),
            25);
  // Equal clock readings and no idle time: 0.0001 / 0.0001, fully idle.
  EXPECT_EQ(UsageBetween(Reading(kSecond, kStart, 1), Reading(kSecond, kStart, 1)), 0);
  // Idle running ahead of the clock: the share rounds to 101 and the usage
  // to -1, unclamped.
  EXPECT_EQ(UsageBetween(Reading(kSecond, kStart, 1), Reading(kSecond + 10'060'000, kStart + kSecond, 1)),
            -1);
  // Exactly 100.5 on paper, but the 0.0001 terms pull it just below.
  EXPECT_EQ(UsageBetween(Reading(kSecond, kStart, 1), Reading(kSecond + 10'050'000, kStart + kSecond, 1)), 0);
  // Half idle on four processors over two seconds.
  EXPECT_EQ(
      UsageBetween(Reading(kSecond, kStart, 4), Reading(kSecond + 4 * kSecond, kStart + 2 * kSecond, 4)), 50);
}

TEST(CpuUsageSampler, OnlyAZeroIdleTimeMeansNoBaseline) {
  CpuUsageSampler sampler;
  // A reading whose idle time is 0 is stored but does not count as a baseline.
  EXPECT_EQ(sampler.Next(Reading(0, kStart, 1)), 0);
  EXPECT_FALSE(sampler.HasBaseline());
  EXPECT_EQ(sampler.Next(Reading(kSecond / 2, kStart + kSecond, 1)), 0);
  EXPECT_EQ(sampler.Next(Reading(kSecond, kStart + 2 * kSecond, 1)), 50);
}

TEST(CpuUsageSampler, ImpossibleReadingsStayDefined) {
  // No processors: taken as one rather than dividing by zero.
  EXPECT_EQ(UsageBetween(Reading(kSecond, kStart, 0), Reading(kSecond + kSecond / 4, kStart + kSecond, 0)),
            75);
  // The idle time running backwards on a frozen clock would round far below
  // INT32_MIN; the result saturates instead of overflowing.
  EXPECT_EQ(UsageBetween(Reading(100 * kSecond, kStart, 1), Reading(kSecond, kStart, 1)), INT32_MAX);
  EXPECT_EQ(UsageBetween(Reading(kSecond, kStart, 1), Reading(100 * kSecond, kStart, 1)), 100 - INT32_MAX);
}

class CpuProbe : public ::testing::Test {
 protected:
  FakeSystemProbes fakes_;
  Probes probes_{fakes_.Sources()};
};

TEST_F(CpuProbe, FailedReadingKeepsTheEarlierBaseline) {
  fakes_.cpu.Push(10 * kSecond, kStart);
  fakes_.cpu.PushFailure();
  fakes_.cpu.Push(10 * kSecond + 2 * kSecond, kStart + 4 * kSecond);
  EXPECT_EQ(probes_.GetCpuUsage(), 0);
  EXPECT_EQ(probes_.GetCpuUsage(), 0);   // failed: nothing measured, nothing stored
  EXPECT_EQ(probes_.GetCpuUsage(), 50);  // 2 s idle over the 4 s since the first reading
  EXPECT_EQ(fakes_.cpu.reads, 3);
}

TEST_F(CpuProbe, FailureBeforeAnyReadingLeavesNoBaseline) {
  fakes_.cpu.PushFailure();
  fakes_.cpu.Push(10 * kSecond, kStart);
  fakes_.cpu.Push(10 * kSecond, kStart + kSecond);
  EXPECT_EQ(probes_.GetCpuUsage(), 0);
  EXPECT_EQ(probes_.GetCpuUsage(), 0);
  EXPECT_EQ(probes_.GetCpuUsage(), 100);
}

TEST_F(CpuProbe, MessagesRunOnceAfterASuccessfulReadingOnly) {
  int pumped = 0;
  probes_.SetCpuMessagePump([&] { ++pumped; });
  fakes_.cpu.Push(10 * kSecond, kStart);
  fakes_.cpu.PushFailure();
  fakes_.cpu.Push(10 * kSecond, kStart + kSecond);
  probes_.GetCpuUsage();
  EXPECT_EQ(pumped, 1);
  probes_.GetCpuUsage();
  EXPECT_EQ(pumped, 1);
  probes_.GetCpuUsage();
  EXPECT_EQ(pumped, 2);
}

TEST_F(CpuProbe, AHandlerRunByThePumpSeesTheNewBaseline) {
  // A chart tick or menu command handled inside the refresh tick may ask
  // again; it must measure from the reading just taken, not the one before.
  fakes_.cpu.Push(10 * kSecond, kStart);
  fakes_.cpu.Push(10 * kSecond, kStart + kSecond);                // outer: fully busy
  fakes_.cpu.Push(10 * kSecond + kSecond, kStart + 2 * kSecond);  // inner: fully idle
  EXPECT_EQ(probes_.GetCpuUsage(), 0);
  int32_t inner = -100;
  probes_.SetCpuMessagePump([&] {
    probes_.SetCpuMessagePump(nullptr);  // replacing the pump from inside it is allowed
    inner = probes_.GetCpuUsage();
  });
  EXPECT_EQ(probes_.GetCpuUsage(), 100);
  EXPECT_EQ(inner, 0);
}

TEST_F(CpuProbe, NothingEscapesFromSourceOrPump) {
  struct ThrowingReadings : CpuReadings {
    std::optional<CpuReading> Read() override { throw std::runtime_error("gone"); }
    uint32_t ProcessorCount() override { throw std::runtime_error("gone"); }
  } throwing;
  SystemProbes probes = fakes_.Sources();
  probes.cpu = &throwing;
  Probes failing(probes);
  EXPECT_EQ(failing.GetCpuUsage(), 0);
  EXPECT_EQ(failing.GetProcessorCount(), 1);
  fakes_.cpu.SetSteadyUsage(30);
  probes_.SetCpuMessagePump([] { throw std::runtime_error("handler failed"); });
  EXPECT_EQ(probes_.GetCpuUsage(), 0);
  EXPECT_EQ(probes_.GetCpuUsage(), 30);
}

TEST_F(CpuProbe, EachSetOfSourcesKeepsItsOwnBaseline) {
  fakes_.cpu.SetSteadyUsage(40);
  EXPECT_EQ(probes_.GetCpuUsage(), 0);
  EXPECT_EQ(probes_.GetCpuUsage(), 40);
  FakeSystemProbes other;
  other.cpu.SetSteadyUsage(70, 2);
  Probes second(other.Sources());
  EXPECT_EQ(second.GetCpuUsage(), 0);
  EXPECT_EQ(second.GetCpuUsage(), 70);
  // The first one's readings never mixed with the second's.
  EXPECT_EQ(probes_.GetCpuUsage(), 40);
}

TEST_F(CpuProbe, ProcessorCountFallsBackToOne) {
  fakes_.cpu.processorCount = 2;
  EXPECT_EQ(probes_.GetProcessorCount(), 2);
  fakes_.cpu.processorCount = 0;
  EXPECT_EQ(probes_.GetProcessorCount(), 1);
  Probes none;
  EXPECT_EQ(none.GetProcessorCount(), 1);
  EXPECT_EQ(none.GetCpuUsage(), 0);
}

}  // namespace
}  // namespace welmor
