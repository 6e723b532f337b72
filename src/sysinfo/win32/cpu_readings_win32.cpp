#include <windows.h>

#include "sysinfo/win32/nt_system_records.hpp"
#include "sysinfo/win32/sources_win32.hpp"

namespace welmor {

namespace {

int64_t ToInt64(const LARGE_INTEGER& value) { return value.QuadPart; }

class Win32CpuReadings final : public CpuReadings {
 public:
  std::optional<CpuReading> Read() override {
    if (!query_) query_ = nt::ResolveQuerySystemInformation();
    if (!query_) return std::nullopt;

    nt::SystemBasicInformation basic = {};
    nt::SystemTimeOfDayInformation timeOfDay = {};
    nt::SystemPerformanceInformation performance = {};
    // In this order, stopping at the first refusal.
    if (query_(nt::kSystemBasicInformation, &basic, sizeof basic, nullptr) != 0) return std::nullopt;
    if (query_(nt::kSystemTimeOfDayInformation, &timeOfDay, sizeof timeOfDay, nullptr) != 0)
      return std::nullopt;
    if (query_(nt::kSystemPerformanceInformation, &performance, sizeof performance, nullptr) != 0) {
      return std::nullopt;
    }
    CpuReading reading;
    reading.NumberOfProcessors = basic.NumberOfProcessors;
    reading.CurrentTime = ToInt64(timeOfDay.CurrentTime);
    reading.IdleTime = ToInt64(performance.IdleTime);
    return reading;
  }

  uint32_t ProcessorCount() override {
    // Left at 0 if the call did not fill it, which the caller answers with 1.
    SYSTEM_INFO info = {};
    GetSystemInfo(&info);
    return info.dwNumberOfProcessors;
  }

 private:
  nt::NtQuerySystemInformationFn query_ = nullptr;
};

}  // namespace

std::unique_ptr<CpuReadings> MakeWin32CpuReadings() { return std::make_unique<Win32CpuReadings>(); }

}  // namespace welmor
