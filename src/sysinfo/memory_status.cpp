#include "sysinfo/memory_status.hpp"

namespace welmor {

bool IsMemorySelector(uint32_t selector) {
  return selector >= kMemAvailPhys && selector <= kMemAvailExtendedVirtual;
}

uint64_t MemoryStatusValue(const MemoryStatus& status, uint32_t selector) {
  switch (selector) {
    case kMemAvailPhys:
      return status.ullAvailPhys;
    case kMemTotalPhys:
      return status.ullTotalPhys;
    case kMemFreePercent:
      // A load above 100 would wrap the 32-bit difference into a huge "free"
      // percentage; the platform never reports one, but a free share below
      // nothing is still nothing.
      return status.dwMemoryLoad >= 100u ? 0u : 100u - status.dwMemoryLoad;
    case kMemLoadPercent:
      return status.dwMemoryLoad;
    case kMemAvailPageFile:
      return status.ullAvailPageFile;
    case kMemTotalPageFile:
      return status.ullTotalPageFile;
    case kMemAvailVirtual:
      return status.ullAvailVirtual;
    case kMemAvailExtendedVirtual:
      return status.ullAvailExtendedVirtual;
    default:
      return 0;
  }
}

}  // namespace welmor
