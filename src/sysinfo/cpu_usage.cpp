#include "sysinfo/cpu_usage.hpp"

#include "textutil/format.hpp"

namespace welmor {

double LargeIntegerToDouble(int64_t value) {
  const auto high = static_cast<int32_t>(value >> 32);
  const auto low = static_cast<uint32_t>(static_cast<uint64_t>(value) & 0xFFFFFFFFu);
  return static_cast<double>(high) * 4294967296.0 + static_cast<double>(low);
}

int32_t CpuUsageSampler::Next(const CpuReading& reading) {
  int32_t usage = 0;
  if (previousIdleTime_ != 0) {
    const double idleDelta = LargeIntegerToDouble(reading.IdleTime) - LargeIntegerToDouble(previousIdleTime_);
    const double timeDelta =
        LargeIntegerToDouble(reading.CurrentTime) - LargeIntegerToDouble(previousSystemTime_);
    // The small terms keep equal clock readings from dividing by zero.
    const double idleRatio = (0.0001 + idleDelta) / (0.0001 + timeDelta);
    // No system has zero processors; a reading that says so must not turn
    // the ratio into an infinity.
    const double processors = reading.NumberOfProcessors == 0 ? 1.0 : reading.NumberOfProcessors;
    const int32_t idlePercent = RoundHalfUp(idleRatio * 100.0 / processors);
    // RoundHalfUp saturates at the int32 limits; keep the difference inside
    // them too.
    const int64_t difference = int64_t{100} - idlePercent;
    usage = difference > INT32_MAX ? INT32_MAX : static_cast<int32_t>(difference);
  }
  previousIdleTime_ = reading.IdleTime;
  previousSystemTime_ = reading.CurrentTime;
  return usage;
}

}  // namespace welmor
