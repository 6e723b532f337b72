#pragma once
// The system probes: memory, CPU usage, processor count, OS version,
// uptime, the local time, fixed disks and their free space, the process list
// and one process's working set. Every call asks the platform afresh.
//
// A Probes object reads from one set of platform sources:
//
//   - the program entry creates the Win32 sources (sysinfo/win32/
//     win32_probes.hpp), makes one Probes over them for the whole run and
//     hands it to the main window, which hands it on to its own windows;
//   - tests make theirs over fakes the same way (tests/fakes/
//     fake_system_probes.hpp).
//
// Each object has its own CPU sampler, so readings of two sources never mix.
// A source left null makes its probes answer their failure value.
//
// None of the functions throws. Failures give the sentinels the panels
// expect: 0 for a memory figure or CPU usage, 1 processor, the empty text,
// -1 for free space or a working set, an unchanged list.
//
// A Probes object belongs to the user-interface thread; nothing is locked.

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <utility>

#include "sysinfo/cpu_usage.hpp"
#include "sysinfo/memory_status.hpp"
#include "sysinfo/processes.hpp"

namespace welmor {

class MemorySource;
class CpuReadings;
class OsVersionSource;
class TickSource;
class DriveSource;
class ClockSource;

// Not owned: whoever makes a Probes keeps its sources alive as long as it.
struct SystemProbes {
  MemorySource* memory = nullptr;
  CpuReadings* cpu = nullptr;
  OsVersionSource* version = nullptr;
  TickSource* ticks = nullptr;
  DriveSource* drives = nullptr;
  ProcessSource* processes = nullptr;
  ClockSource* clock = nullptr;
};

class Probes {
 public:
  explicit Probes(const SystemProbes& sources = {}) noexcept : sources_(sources) {}
  Probes(const Probes&) = delete;
  Probes& operator=(const Probes&) = delete;

  const SystemProbes& Sources() const noexcept { return sources_; }

  // GetCpuUsage runs pump once after a successful reading, so that waiting
  // window messages (menu commands, the chart's tick) are handled during a
  // refresh tick. The main window supplies its toolkit's "process pending
  // messages"; an empty function turns it off. The pump may call GetCpuUsage
  // again: the new reading is already stored when it runs.
  void SetCpuMessagePump(std::function<void()> pump) noexcept { pump_ = std::move(pump); }

  // One figure of the memory status by selector (see sysinfo/memory_status.hpp):
  // 1 available and 2 total physical bytes, 3 free and 4 loaded percent,
  // 5 available and 6 total page-file bytes, 7 available virtual bytes,
  // 8 available extended virtual bytes; 0 for any other selector and when the
  // status cannot be read.
  uint64_t GetMemoryStatusValue(uint32_t selector) noexcept;
  // The whole memory status in one reading, for a caller that needs several
  // of its figures at once; empty when it cannot be read.
  std::optional<MemoryStatus> GetMemoryStatus() noexcept;

  // Percentage of processor time used since the previous call, over all
  // processors; 0 on the first call and whenever the reading fails (which
  // keeps the previous reading as the baseline). May be -1 or 101 now and then.
  int32_t GetCpuUsage() noexcept;

  // Number of processors; 1 when the platform cannot tell.
  int32_t GetProcessorCount() noexcept;

  // "Win NT 5.1 (Build: 2600 Service Pack 2)" and the like; empty when the
  // version cannot be read.
  std::string GetOSVersionText() noexcept;

  // "days:hours:minutes:seconds" since the system started.
  std::string GetUptimeText() noexcept;

  // The local time of day in the user's time format, by default with its
  // seconds; empty when it cannot be formatted.
  std::string GetLocalTimeText(bool withSeconds = true) noexcept;

  // "C: D: " style list of the fixed disks, in letter order.
  std::string GetFixedDrives() noexcept;

  // Free bytes available to the user on the drive with this letter, or -1.
  int64_t GetDriveFreeSpace(char letter) noexcept;

  // Appends one record per running process to list, in the platform's order;
  // leaves list as it was when no snapshot can be taken.
  void GetProcessList(ProcessList& list) noexcept;

  // Working-set bytes of a process, or -1 when it cannot be opened or read.
  int64_t GetProcessWorkingSet(uint32_t processId) noexcept;

 private:
  SystemProbes sources_;
  CpuUsageSampler sampler_;
  std::function<void()> pump_;
};

}  // namespace welmor
