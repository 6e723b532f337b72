#include <windows.h>

#include <cstring>

#include "sysinfo/win32/nt_system_records.hpp"
#include "sysinfo/win32/sources_win32.hpp"

namespace welmor {

namespace {

static_assert(sizeof(OSVERSIONINFOA) == 148, "dwOSVersionInfoSize must say 148");
static_assert(sizeof(OSVERSIONINFOA::szCSDVersion) == kServicePackTextSize);

class Win32OsVersionSource final : public OsVersionSource {
 public:
  std::optional<OsVersionRecord> Query() override {
    OSVERSIONINFOA raw = {};
    raw.dwOSVersionInfoSize = sizeof raw;
    if (!GetVersionExA(&raw)) return std::nullopt;
    OsVersionRecord record;
    record.dwMajorVersion = raw.dwMajorVersion;
    record.dwMinorVersion = raw.dwMinorVersion;
    record.dwBuildNumber = raw.dwBuildNumber;
    record.dwPlatformId = raw.dwPlatformId;
    std::memcpy(record.szCSDVersion, raw.szCSDVersion, sizeof record.szCSDVersion);
    return record;
  }
};

class Win32TickSource final : public TickSource {
 public:
  uint64_t TickCount() override {
    const DWORD ticks = GetTickCount();
    // Windows 2000 has no 64-bit tick count, but the kernel keeps its boot
    // time; where that cannot be had, the tick count alone.
    if (!query_) query_ = nt::ResolveQuerySystemInformation();
    nt::SystemTimeOfDayInformation timeOfDay = {};
    if (!query_ || query_(nt::kSystemTimeOfDayInformation, &timeOfDay, sizeof timeOfDay, nullptr) != 0)
      return ticks;
    const int64_t sinceBoot = timeOfDay.CurrentTime.QuadPart - timeOfDay.BootTime.QuadPart;  // 100 ns
    return UnwrapTickCount(ticks, sinceBoot > 0 ? static_cast<uint64_t>(sinceBoot) / 10000u : 0);
  }

 private:
  nt::NtQuerySystemInformationFn query_ = nullptr;
};

}  // namespace

std::unique_ptr<OsVersionSource> MakeWin32OsVersionSource() {
  return std::make_unique<Win32OsVersionSource>();
}
std::unique_ptr<TickSource> MakeWin32TickSource() { return std::make_unique<Win32TickSource>(); }

}  // namespace welmor
