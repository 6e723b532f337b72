#include <windows.h>
// windows.h first: these two need its types.
#include <psapi.h>
#include <tlhelp32.h>

#include <algorithm>
#include <cstring>

#include "sysinfo/win32/sources_win32.hpp"
#include "winapi/win32/handles.hpp"
#include "winapi/win32/system_library.hpp"

namespace welmor {

namespace {

#if !defined(_WIN64)
static_assert(sizeof(PROCESSENTRY32) == 296, "dwSize must say 296");
static_assert(sizeof(PROCESS_MEMORY_COUNTERS) == 40, "cb must say 40");
#endif
static_assert(sizeof(ProcessEntry32) == sizeof(PROCESSENTRY32));
static_assert(sizeof(ProcessEntry32::szExeFile) == sizeof(PROCESSENTRY32::szExeFile));

// The snapshot takes every kind of entry; only the processes are walked.
constexpr DWORD kSnapshotFlags = TH32CS_SNAPALL;
// PROCESS_ALL_ACCESS as Windows 2000 to Server 2003 define it; later headers
// widen it, and those systems refuse the wider mask.
constexpr DWORD kProcessAllAccess = 0x1F0FFF;

using GetProcessMemoryInfoFn = BOOL(WINAPI*)(HANDLE, PPROCESS_MEMORY_COUNTERS, DWORD);

ProcessEntry32 ToEntry(const PROCESSENTRY32& raw) {
  ProcessEntry32 entry;
  entry.dwSize = raw.dwSize;
  entry.cntUsage = raw.cntUsage;
  entry.th32ProcessID = raw.th32ProcessID;
  entry.th32DefaultHeapID = raw.th32DefaultHeapID;
  entry.th32ModuleID = raw.th32ModuleID;
  entry.cntThreads = raw.cntThreads;
  entry.th32ParentProcessID = raw.th32ParentProcessID;
  entry.pcPriClassBase = raw.pcPriClassBase;
  entry.dwFlags = raw.dwFlags;
  std::memcpy(entry.szExeFile, raw.szExeFile, sizeof entry.szExeFile);
  entry.szExeFile[kExeFileSize - 1] = '\0';
  return entry;
}

class Win32ProcessSource final : public ProcessSource {
 public:
  ProcessList Snapshot() override {
    ProcessList list;
    const unique_handle snapshot(CreateToolhelp32Snapshot(kSnapshotFlags, 0));
    if (!snapshot) return list;
    PROCESSENTRY32 raw = {};
    raw.dwSize = sizeof raw;
    for (BOOL ok = Process32First(snapshot.get(), &raw); ok; ok = Process32Next(snapshot.get(), &raw)) {
      list.push_back(ToEntry(raw));
    }
    return list;
  }

  std::optional<uint64_t> WorkingSetSize(uint32_t processId) override {
    const unique_handle process(OpenProcess(kProcessAllAccess, FALSE, processId));
    if (!process) return std::nullopt;
    // An ended process stays open-able while anyone holds a handle to it
    // (under Wine for a moment after it ends in any case), and then reads as
    // an empty working set; it is gone all the same.
    if (WaitForSingleObject(process.get(), 0) == WAIT_OBJECT_0) return std::nullopt;
    const auto query = psapi_.Proc<GetProcessMemoryInfoFn>("GetProcessMemoryInfo");
    if (!query) return std::nullopt;
    PROCESS_MEMORY_COUNTERS counters = {};
    counters.cb = sizeof counters;
    if (!query(process.get(), &counters, sizeof counters)) return std::nullopt;
    return counters.WorkingSetSize;
  }

 private:
  // psapi is not linked: the program must start even where it is missing,
  // and then only the working sets are unreadable.
  SystemLibrary psapi_{"psapi.dll"};
};

}  // namespace

std::unique_ptr<ProcessSource> MakeWin32ProcessSource() { return std::make_unique<Win32ProcessSource>(); }

}  // namespace welmor
