#pragma once
// The memory figures the panels and the RAM alarms ask for, one selector at a
// time. The selector table works on a filled-in record so that it can be
// exercised without the platform.

#include <cstdint>
#include <optional>

namespace welmor {

// The fields of the platform's memory-status record that the selectors read:
// bytes, except dwMemoryLoad, which is the percentage of physical memory in
// use (0..100).
struct MemoryStatus {
  uint32_t dwMemoryLoad = 0;
  uint64_t ullTotalPhys = 0;
  uint64_t ullAvailPhys = 0;
  uint64_t ullTotalPageFile = 0;
  uint64_t ullAvailPageFile = 0;
  uint64_t ullTotalVirtual = 0;
  uint64_t ullAvailVirtual = 0;
  uint64_t ullAvailExtendedVirtual = 0;
};

// Where the memory status comes from.
class MemorySource {
 public:
  virtual ~MemorySource() = default;
  // A fresh snapshot on every call; nullopt when the platform refused.
  virtual std::optional<MemoryStatus> Query() = 0;
};

// Selectors the panels use.
inline constexpr uint32_t kMemAvailPhys = 1;
inline constexpr uint32_t kMemTotalPhys = 2;
inline constexpr uint32_t kMemFreePercent = 3;
inline constexpr uint32_t kMemLoadPercent = 4;
inline constexpr uint32_t kMemAvailPageFile = 5;
inline constexpr uint32_t kMemTotalPageFile = 6;
inline constexpr uint32_t kMemAvailVirtual = 7;
inline constexpr uint32_t kMemAvailExtendedVirtual = 8;

// True for the selectors 1..8 that name a figure; every other selector
// answers 0 without a query.
bool IsMemorySelector(uint32_t selector);

// The figure a selector names, read from status; 0 for any other selector.
uint64_t MemoryStatusValue(const MemoryStatus& status, uint32_t selector);

}  // namespace welmor
