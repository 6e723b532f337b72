#pragma once
// The Win32 sources behind the probe functions, one per concern.

#include <memory>

#include "sysinfo/clock_source.hpp"
#include "sysinfo/cpu_usage.hpp"
#include "sysinfo/drives.hpp"
#include "sysinfo/memory_status.hpp"
#include "sysinfo/os_version.hpp"
#include "sysinfo/processes.hpp"
#include "sysinfo/tick_source.hpp"

namespace welmor {

// GlobalMemoryStatusEx.
std::unique_ptr<MemorySource> MakeWin32MemorySource();
// NtQuerySystemInformation from the loaded ntdll, resolved on first use and
// kept; GetSystemInfo for the processor count.
std::unique_ptr<CpuReadings> MakeWin32CpuReadings();
// GetVersionExA.
std::unique_ptr<OsVersionSource> MakeWin32OsVersionSource();
// GetTickCount, unwrapped past 49.7 days with the boot time from
// NtQuerySystemInformation.
std::unique_ptr<TickSource> MakeWin32TickSource();
// GetLogicalDrives, GetDriveTypeA, GetDiskFreeSpaceExA.
std::unique_ptr<DriveSource> MakeWin32DriveSource();
// The toolhelp process snapshot; OpenProcess and GetProcessMemoryInfo from
// psapi.dll, loaded on first use and kept while the source lives.
std::unique_ptr<ProcessSource> MakeWin32ProcessSource();
// GetTimeFormatA for the user's locale.
std::unique_ptr<ClockSource> MakeWin32ClockSource();

}  // namespace welmor
