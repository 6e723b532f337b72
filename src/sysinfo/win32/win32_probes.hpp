#pragma once
// The real probes for the program entry:
//
//   welmor::Win32SystemProbes sources;
//   welmor::Probes probes(sources.Sources());
//
// both kept alive for the whole run, made before the main window.

#include <memory>

#include "sysinfo/probes.hpp"
#include "sysinfo/win32/sources_win32.hpp"

namespace welmor {

class Win32SystemProbes {
 public:
  Win32SystemProbes();
  ~Win32SystemProbes();
  Win32SystemProbes(const Win32SystemProbes&) = delete;
  Win32SystemProbes& operator=(const Win32SystemProbes&) = delete;

  // Pointers into this object, valid while it lives.
  SystemProbes Sources() const;

 private:
  std::unique_ptr<MemorySource> memory_;
  std::unique_ptr<CpuReadings> cpu_;
  std::unique_ptr<OsVersionSource> version_;
  std::unique_ptr<TickSource> ticks_;
  std::unique_ptr<DriveSource> drives_;
  std::unique_ptr<ProcessSource> processes_;
  std::unique_ptr<ClockSource> clock_;
};

}  // namespace welmor
