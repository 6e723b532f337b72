#pragma once
// Fake platform sources for everything in sysinfo/probes.hpp. Each fake
// answers from public fields and counts its calls; FakeSystemProbes bundles
// one of each for tests that drive the probes:
//
//   FakeSystemProbes fakes;
//   fakes.memory.status.dwMemoryLoad = 40;
//   fakes.cpu.SetSteadyUsage(25);
//   Probes probes(fakes.Sources());
//   ... probes.GetMemoryStatusValue(4) == 40, probes.GetCpuUsage() == 0 then 25 ...

#include <algorithm>
#include <cstring>
#include <deque>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "sysinfo/clock_source.hpp"
#include "sysinfo/cpu_usage.hpp"
#include "sysinfo/drives.hpp"
#include "sysinfo/memory_status.hpp"
#include "sysinfo/os_version.hpp"
#include "sysinfo/probes.hpp"
#include "sysinfo/processes.hpp"
#include "sysinfo/tick_source.hpp"

namespace welmor {

class FakeMemorySource : public MemorySource {
 public:
  MemoryStatus status;
  bool fails = false;
  int queries = 0;

  std::optional<MemoryStatus> Query() override {
    ++queries;
    if (fails) return std::nullopt;
    return status;
  }
};

// Serves queued readings first (nullopt = a failed reading); once the queue
// is empty, either fails or, after SetSteadyUsage, makes up readings one
// second apart that show that usage.
class FakeCpuReadings : public CpuReadings {
 public:
  static constexpr int64_t kOneSecond = 10'000'000;  // 100-ns units

  std::deque<std::optional<CpuReading>> queued;
  uint32_t processorCount = 1;  // what ProcessorCount answers
  int reads = 0;

  void Push(int64_t idleTime, int64_t currentTime, uint8_t processors = 1) {
    CpuReading reading;
    reading.NumberOfProcessors = processors;
    reading.CurrentTime = currentTime;
    reading.IdleTime = idleTime;
    queued.push_back(reading);
  }
  void PushFailure() { queued.push_back(std::nullopt); }

  // Every later made-up reading advances the clock by one second and the
  // idle time by what leaves usage percent busy on the given processors.
  void SetSteadyUsage(int32_t usage, uint8_t processors = 1) {
    steady_ = true;
    steadyUsage_ = usage;
    steadyProcessors_ = processors;
  }

  std::optional<CpuReading> Read() override {
    ++reads;
    if (!queued.empty()) {
      const std::optional<CpuReading> next = queued.front();
      queued.pop_front();
      return next;
    }
    if (!steady_) return std::nullopt;
    clock_ += kOneSecond;
    idle_ += kOneSecond * steadyProcessors_ * (100 - steadyUsage_) / 100;
    CpuReading reading;
    reading.NumberOfProcessors = steadyProcessors_;
    reading.CurrentTime = clock_;
    reading.IdleTime = idle_;
    return reading;
  }

  uint32_t ProcessorCount() override { return processorCount; }

 private:
  bool steady_ = false;
  int32_t steadyUsage_ = 0;
  uint8_t steadyProcessors_ = 1;
  int64_t clock_ = 1000 * kOneSecond;
  int64_t idle_ = 1000 * kOneSecond;
};

class FakeOsVersionSource : public OsVersionSource {
 public:
  OsVersionRecord record;
  bool fails = false;

  FakeOsVersionSource() { Set(5, 1, 2600, kPlatformWin32Nt, "Service Pack 2"); }

  void Set(uint32_t major, uint32_t minor, uint32_t build, uint32_t platform,
           const std::string& servicePack) {
    record = OsVersionRecord();
    record.dwMajorVersion = major;
    record.dwMinorVersion = minor;
    record.dwBuildNumber = build;
    record.dwPlatformId = platform;
    std::strncpy(record.szCSDVersion, servicePack.c_str(), sizeof record.szCSDVersion - 1);
  }

  std::optional<OsVersionRecord> Query() override {
    if (fails) return std::nullopt;
    return record;
  }
};

class FakeTickSource : public TickSource {
 public:
  uint64_t ticks = 0;
  uint64_t TickCount() override { return ticks; }
};

// Drives by letter. Like the platform, it answers only for roots written
// "C:\"; any other form is no root (type 1) and has no free space.
class FakeDriveSource : public DriveSource {
 public:
  struct Drive {
    uint32_t type = kDriveFixed;
    std::optional<uint64_t> freeBytes;
  };
  std::map<char, Drive> drives;
  std::vector<std::string> rootsAsked;

  void Add(char letter, uint32_t type, std::optional<uint64_t> freeBytes = std::nullopt) {
    drives[letter] = Drive{type, freeBytes};
  }

  uint32_t LogicalDriveMask() override {
    uint32_t mask = 0;
    for (const auto& [letter, drive] : drives) mask |= uint32_t{1} << (letter - 'A');
    return mask;
  }
  uint32_t DriveType(const std::string& root) override {
    rootsAsked.push_back(root);
    const Drive* drive = Find(root);
    return drive ? drive->type : kDriveNoRootDir;
  }
  std::optional<uint64_t> FreeBytesAvailable(const std::string& root) override {
    rootsAsked.push_back(root);
    const Drive* drive = Find(root);
    return drive ? drive->freeBytes : std::nullopt;
  }

 private:
  const Drive* Find(const std::string& root) const {
    if (root.size() != 3 || root[1] != ':' || root[2] != '\\') return nullptr;
    const auto it = drives.find(root[0]);
    return it == drives.end() ? nullptr : &it->second;
  }
};

// Processes in snapshot order; a process without a working set is one the
// user may not open.
class FakeProcessSource : public ProcessSource {
 public:
  struct Process {
    uint32_t id = 0;
    std::string exeFile;
    std::optional<uint64_t> workingSet;
  };
  std::vector<Process> processes;
  bool snapshotFails = false;
  int snapshots = 0;
  std::vector<uint32_t> workingSetQueries;

  void Add(uint32_t id, const std::string& exeFile, std::optional<uint64_t> workingSet) {
    processes.push_back(Process{id, exeFile, workingSet});
  }

  ProcessList Snapshot() override {
    ++snapshots;
    ProcessList list;
    if (snapshotFails) return list;
    for (const Process& p : processes) {
      ProcessEntry32 entry;
      entry.dwSize = sizeof entry;
      entry.th32ProcessID = p.id;
      std::strncpy(entry.szExeFile, p.exeFile.c_str(), sizeof entry.szExeFile - 1);
      list.push_back(entry);
    }
    return list;
  }
  std::optional<uint64_t> WorkingSetSize(uint32_t processId) override {
    workingSetQueries.push_back(processId);
    for (const Process& p : processes) {
      if (p.id == processId) return p.workingSet;
    }
    return std::nullopt;
  }
};

// Answers text; without seconds, as the platform does, text without its
// last colon and the two digits after it ("4:05:09 PM" gives "4:05 PM").
class FakeClockSource : public ClockSource {
 public:
  std::string text = "12:34:56";
  std::string LocalTimeText(bool withSeconds) override {
    const std::size_t colon = text.rfind(':');
    if (withSeconds || colon == std::string::npos) return text;
    return text.substr(0, colon) + text.substr(std::min(colon + 3, text.size()));
  }
};

// One fake of each kind.
struct FakeSystemProbes {
  FakeMemorySource memory;
  FakeCpuReadings cpu;
  FakeOsVersionSource version;
  FakeTickSource ticks;
  FakeDriveSource drives;
  FakeProcessSource processes;
  FakeClockSource clock;

  SystemProbes Sources() {
    SystemProbes probes;
    probes.memory = &memory;
    probes.cpu = &cpu;
    probes.version = &version;
    probes.ticks = &ticks;
    probes.drives = &drives;
    probes.processes = &processes;
    probes.clock = &clock;
    return probes;
  }
};

}  // namespace welmor
