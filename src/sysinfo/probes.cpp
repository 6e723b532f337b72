#include "sysinfo/probes.hpp"

#include <limits>

#include "sysinfo/clock_source.hpp"
#include "sysinfo/cpu_usage.hpp"
#include "sysinfo/drives.hpp"
#include "sysinfo/memory_status.hpp"
#include "sysinfo/os_version.hpp"
#include "sysinfo/tick_source.hpp"
#include "textutil/format.hpp"

namespace welmor {

uint64_t Probes::GetMemoryStatusValue(uint32_t selector) noexcept {
  if (!sources_.memory || !IsMemorySelector(selector)) return 0;
  const std::optional<MemoryStatus> status = GetMemoryStatus();
  // A refused query leaves no figure to trust; 0 reads as "nothing free"
  // and "nothing loaded" alike and trips no alarm.
  return status ? MemoryStatusValue(*status, selector) : 0;
}

std::optional<MemoryStatus> Probes::GetMemoryStatus() noexcept {
  MemorySource* memory = sources_.memory;
  if (!memory) return std::nullopt;
  try {
    return memory->Query();
  } catch (...) {
    return std::nullopt;
  }
}

int32_t Probes::GetCpuUsage() noexcept {
  if (!sources_.cpu) return 0;
  int32_t usage = 0;
  try {
    const std::optional<CpuReading> reading = sources_.cpu->Read();
    if (!reading) return 0;  // the previous reading stays the baseline, no messages run
    usage = sampler_.Next(*reading);
  } catch (...) {
    return 0;
  }
  try {
    // A copy, so that a pump that replaces itself does not destroy the
    // function while it runs.
    if (std::function<void()> pump = pump_) pump();
  } catch (...) {
    // A handler's failure is not the sampler's; the usage stands.
  }
  return usage;
}

int32_t Probes::GetProcessorCount() noexcept {
  CpuReadings* cpu = sources_.cpu;
  if (!cpu) return 1;
  try {
    const uint32_t count = cpu->ProcessorCount();
    if (count == 0) return 1;
    return count > static_cast<uint32_t>(INT32_MAX) ? INT32_MAX : static_cast<int32_t>(count);
  } catch (...) {
    return 1;
  }
}

std::string Probes::GetOSVersionText() noexcept {
  OsVersionSource* version = sources_.version;
  if (!version) return {};
  try {
    const std::optional<OsVersionRecord> record = version->Query();
    return record ? FormatOSVersionText(*record) : std::string();
  } catch (...) {
    return {};
  }
}

std::string Probes::GetUptimeText() noexcept {
  TickSource* ticks = sources_.ticks;
  try {
    return FormatUptime(ticks ? ticks->TickCount() : 0);
  } catch (...) {
    return {};
  }
}

std::string Probes::GetLocalTimeText(bool withSeconds) noexcept {
  try {
    return sources_.clock ? sources_.clock->LocalTimeText(withSeconds) : std::string();
  } catch (...) {
    return {};
  }
}

std::string Probes::GetFixedDrives() noexcept {
  DriveSource* drives = sources_.drives;
  if (!drives) return {};
  try {
    return FixedDrivesText(*drives);
  } catch (...) {
    return {};
  }
}

int64_t Probes::GetDriveFreeSpace(char letter) noexcept {
  DriveSource* drives = sources_.drives;
  if (!drives) return -1;
  try {
    return DriveFreeBytes(*drives, letter);
  } catch (...) {
    return -1;
  }
}

void Probes::GetProcessList(ProcessList& list) noexcept {
  ProcessSource* processes = sources_.processes;
  if (!processes) return;
  try {
    const ProcessList taken = processes->Snapshot();
    // insert of trivially copyable records either completes or leaves list
    // untouched.
    list.insert(list.end(), taken.begin(), taken.end());
  } catch (...) {
  }
}

int64_t Probes::GetProcessWorkingSet(uint32_t processId) noexcept {
  ProcessSource* processes = sources_.processes;
  if (!processes) return -1;
  try {
    const std::optional<uint64_t> size = processes->WorkingSetSize(processId);
    if (!size) return -1;
    constexpr auto kMax = static_cast<uint64_t>(std::numeric_limits<int64_t>::max());
    return static_cast<int64_t>(*size > kMax ? kMax : *size);
  } catch (...) {
    return -1;
  }
}

}  // namespace welmor
