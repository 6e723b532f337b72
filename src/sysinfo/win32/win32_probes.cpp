#include "sysinfo/win32/win32_probes.hpp"

namespace welmor {

Win32SystemProbes::Win32SystemProbes()
    : memory_(MakeWin32MemorySource()),
      cpu_(MakeWin32CpuReadings()),
      version_(MakeWin32OsVersionSource()),
      ticks_(MakeWin32TickSource()),
      drives_(MakeWin32DriveSource()),
      processes_(MakeWin32ProcessSource()),
      clock_(MakeWin32ClockSource()) {}

Win32SystemProbes::~Win32SystemProbes() = default;

SystemProbes Win32SystemProbes::Sources() const {
  SystemProbes probes;
  probes.memory = memory_.get();
  probes.cpu = cpu_.get();
  probes.version = version_.get();
  probes.ticks = ticks_.get();
  probes.drives = drives_.get();
  probes.processes = processes_.get();
  probes.clock = clock_.get();
  return probes;
}

}  // namespace welmor
