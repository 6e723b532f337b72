#include <windows.h>

#include <cstring>

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
  uint32_t TickCount() override { return GetTickCount(); }
};

}  // namespace

std::unique_ptr<OsVersionSource> MakeWin32OsVersionSource() {
  return std::make_unique<Win32OsVersionSource>();
}
std::unique_ptr<TickSource> MakeWin32TickSource() { return std::make_unique<Win32TickSource>(); }

}  // namespace welmor
