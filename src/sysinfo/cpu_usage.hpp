#pragma once
// CPU usage over all processors, from two successive readings of the
// system's accumulated idle time and of the system clock. The arithmetic
// below runs on recorded readings; CpuReadings is where live ones come from.

#include <cstdint>
#include <optional>

namespace welmor {

// One reading, in the platform's 100-nanosecond units.
struct CpuReading {
  uint8_t NumberOfProcessors = 0;
  int64_t CurrentTime = 0;  // system time
  int64_t IdleTime = 0;     // idle time summed over all processors
};

// Where the readings come from.
class CpuReadings {
 public:
  virtual ~CpuReadings() = default;
  // All three figures of one reading, or nullopt when any of them could not
  // be read.
  virtual std::optional<CpuReading> Read() = 0;
  // The number of processors the system reports; 0 when it cannot tell.
  virtual uint32_t ProcessorCount() = 0;
};

// High 32 bits as signed times 2^32 plus low 32 bits as unsigned, the way the
// readings have always been turned into doubles.
double LargeIntegerToDouble(int64_t value);

// Keeps the previous reading and turns each new one into a percentage.
class CpuUsageSampler {
 public:
  // Usage since the previous reading, then the reading becomes the previous
  // one. Without a previous reading (its idle time still 0) the answer is 0.
  // Not clamped: readings taken a little apart can give -1 or 101.
  int32_t Next(const CpuReading& reading);

  bool HasBaseline() const { return previousIdleTime_ != 0; }

 private:
  int64_t previousIdleTime_ = 0;
  int64_t previousSystemTime_ = 0;
};

}  // namespace welmor
