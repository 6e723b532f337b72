#include <windows.h>

#include "sysinfo/win32/sources_win32.hpp"

namespace welmor {

namespace {

static_assert(sizeof(MEMORYSTATUSEX) == 64, "dwLength must say 64");

class Win32MemorySource final : public MemorySource {
 public:
  std::optional<MemoryStatus> Query() override {
    MEMORYSTATUSEX raw = {};
    raw.dwLength = sizeof raw;
    if (!GlobalMemoryStatusEx(&raw)) return std::nullopt;
    MemoryStatus status;
    status.dwMemoryLoad = raw.dwMemoryLoad;
    status.ullTotalPhys = raw.ullTotalPhys;
    status.ullAvailPhys = raw.ullAvailPhys;
    status.ullTotalPageFile = raw.ullTotalPageFile;
    status.ullAvailPageFile = raw.ullAvailPageFile;
    status.ullTotalVirtual = raw.ullTotalVirtual;
    status.ullAvailVirtual = raw.ullAvailVirtual;
    status.ullAvailExtendedVirtual = raw.ullAvailExtendedVirtual;
    return status;
  }
};

}  // namespace

std::unique_ptr<MemorySource> MakeWin32MemorySource() { return std::make_unique<Win32MemorySource>(); }

}  // namespace welmor
