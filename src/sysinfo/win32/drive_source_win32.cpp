#include <windows.h>

#include "sysinfo/win32/sources_win32.hpp"

namespace welmor {

namespace {

// Keeps the system from asking the user to insert a disk while a drive
// without a medium is queried; puts the caller's error mode back afterwards.
class CriticalErrorBoxesOff {
 public:
  CriticalErrorBoxesOff() : previous_(SetErrorMode(SEM_FAILCRITICALERRORS)) {
    // SetErrorMode replaces every flag; keep the caller's others on as well.
    SetErrorMode(previous_ | SEM_FAILCRITICALERRORS);
  }
  ~CriticalErrorBoxesOff() { SetErrorMode(previous_); }
  CriticalErrorBoxesOff(const CriticalErrorBoxesOff&) = delete;
  CriticalErrorBoxesOff& operator=(const CriticalErrorBoxesOff&) = delete;

 private:
  UINT previous_;
};

class Win32DriveSource final : public DriveSource {
 public:
  uint32_t LogicalDriveMask() override { return GetLogicalDrives(); }

  uint32_t DriveType(const std::string& root) override { return GetDriveTypeA(root.c_str()); }

  std::optional<uint64_t> FreeBytesAvailable(const std::string& root) override {
    ULARGE_INTEGER available = {};
    CriticalErrorBoxesOff noBoxes;
    if (!GetDiskFreeSpaceExA(root.c_str(), &available, nullptr, nullptr)) return std::nullopt;
    return available.QuadPart;
  }
};

}  // namespace

std::unique_ptr<DriveSource> MakeWin32DriveSource() { return std::make_unique<Win32DriveSource>(); }

}  // namespace welmor
