#include "sysinfo/probes.hpp"

#include <limits>
#include <utility>

#include "sysinfo/cpu_usage.hpp"
#include "sysinfo/drives.hpp"
#include "sysinfo/memory_status.hpp"
#include "sysinfo/os_version.hpp"
#include "sysinfo/tick_source.hpp"
#include "textutil/format.hpp"

namespace welmor {

namespace {

// Module state for the one user-interface thread.
struct ProbeState {
  SystemProbes sources;
  CpuUsageSampler sampler;
  std::function<void()> pump;
};

ProbeState& State() {
  static ProbeState state;
  return state;
}

}  // namespace

SystemProbes InstallSystemProbes(const SystemProbes& probes) noexcept {
  ProbeState& state = State();
  const SystemProbes previous = state.sources;
  state.sources = probes;
  state.sampler = CpuUsageSampler();
  return previous;
}

SystemProbes InstalledSystemProbes() noexcept { return State().sources; }

void SetCpuMessagePump(std::function<void()> pump) noexcept { State().pump = std::move(pump); }

uint64_t GetMemoryStatusValue(uint32_t selector) noexcept {
  MemorySource* memory = State().sources.memory;
  if (!memory || !IsMemorySelector(selector)) return 0;
  try {
    const std::optional<MemoryStatus> status = memory->Query();
    // A refused query leaves no figure to trust; 0 reads as "nothing free"
    // and "nothing loaded" alike and trips no alarm.
    return status ? MemoryStatusValue(*status, selector) : 0;
  } catch (...) {
    return 0;
  }
}

int32_t GetCpuUsage() noexcept {
  ProbeState& state = State();
  if (!state.sources.cpu) return 0;
  int32_t usage = 0;
  try {
    const std::optional<CpuReading> reading = state.sources.cpu->Read();
    if (!reading) return 0;  // the previous reading stays the baseline, no messages run
    usage = state.sampler.Next(*reading);
  } catch (...) {
    return 0;
  }
  try {
    // A copy, so that a pump that replaces itself does not destroy the
    // function while it runs.
    if (std::function<void()> pump = state.pump) pump();
  } catch (...) {
    // A handler's failure is not the sampler's; the usage stands.
  }
  return usage;
}

int32_t GetProcessorCount() noexcept {
  CpuReadings* cpu = State().sources.cpu;
  if (!cpu) return 1;
  try {
    const uint32_t count = cpu->ProcessorCount();
    if (count == 0) return 1;
    return count > static_cast<uint32_t>(INT32_MAX) ? INT32_MAX : static_cast<int32_t>(count);
  } catch (...) {
    return 1;
  }
}

std::string GetOSVersionText() noexcept {
  OsVersionSource* version = State().sources.version;
  if (!version) return {};
  try {
    const std::optional<OsVersionRecord> record = version->Query();
    return record ? FormatOSVersionText(*record) : std::string();
  } catch (...) {
    return {};
  }
}

std::string GetUptimeText() noexcept {
  TickSource* ticks = State().sources.ticks;
  try {
    return FormatUptime(ticks ? ticks->TickCount() : 0);
  } catch (...) {
    return {};
  }
}

std::string GetFixedDrives() noexcept {
  DriveSource* drives = State().sources.drives;
  if (!drives) return {};
  try {
    return FixedDrivesText(*drives);
  } catch (...) {
    return {};
  }
}

int64_t GetDriveFreeSpace(char letter) noexcept {
  DriveSource* drives = State().sources.drives;
  if (!drives) return -1;
  try {
    return DriveFreeBytes(*drives, letter);
  } catch (...) {
    return -1;
  }
}

void GetProcessList(ProcessList& list) noexcept {
  ProcessSource* processes = State().sources.processes;
  if (!processes) return;
  try {
    const ProcessList taken = processes->Snapshot();
    // insert of trivially copyable records either completes or leaves list
    // untouched.
    list.insert(list.end(), taken.begin(), taken.end());
  } catch (...) {
  }
}

int64_t GetProcessWorkingSet(uint32_t processId) noexcept {
  ProcessSource* processes = State().sources.processes;
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
