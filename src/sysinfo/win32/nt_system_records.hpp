#pragma once
// The three records NtQuerySystemInformation fills for the CPU sampler, laid
// out as ntdll expects them: 44, 32 and 312 bytes in a 32-bit process, and in
// a 64-bit one the same fields with pointer-sized members widened (64, 32 and
// 312 bytes). The system's winternl.h hides most of these fields behind
// reserved arrays and adds a 20-byte tail to the time record.

#include <windows.h>

#include <cstddef>

namespace welmor::nt {

inline constexpr ULONG kSystemBasicInformation = 0;
inline constexpr ULONG kSystemPerformanceInformation = 2;
inline constexpr ULONG kSystemTimeOfDayInformation = 3;

struct SystemBasicInformation {
  ULONG Reserved;
  ULONG TimerResolution;
  ULONG PageSize;
  ULONG NumberOfPhysicalPages;
  ULONG LowestPhysicalPageNumber;
  ULONG HighestPhysicalPageNumber;
  ULONG AllocationGranularity;
  ULONG_PTR MinimumUserModeAddress;
  ULONG_PTR MaximumUserModeAddress;
  ULONG_PTR ActiveProcessorsAffinityMask;
  UCHAR NumberOfProcessors;
};

struct SystemTimeOfDayInformation {
  LARGE_INTEGER BootTime;
  LARGE_INTEGER CurrentTime;
  LARGE_INTEGER TimeZoneBias;
  ULONG TimeZoneId;
  ULONG Reserved;
};

struct SystemPerformanceInformation {
  LARGE_INTEGER IdleTime;
  LARGE_INTEGER ReadTransferCount;
  LARGE_INTEGER WriteTransferCount;
  LARGE_INTEGER OtherTransferCount;
  ULONG ReadOperationCount;
  ULONG WriteOperationCount;
  ULONG OtherOperationCount;
  ULONG AvailablePages;
  ULONG TotalCommittedPages;
  ULONG TotalCommitLimit;
  ULONG PeakCommitment;
  ULONG PageFaults;
  ULONG WriteCopyFaults;
  ULONG TransitionFaults;
  ULONG CacheTransitionFaults;
  ULONG DemandZeroFaults;
  ULONG PagesRead;
  ULONG PageReadIos;
  ULONG CacheReads;
  ULONG CacheIos;
  ULONG PagefilePagesWritten;
  ULONG PagefilePageWriteIos;
  ULONG MappedFilePagesWritten;
  ULONG MappedFilePageWriteIos;
  ULONG PagedPoolUsage;
  ULONG NonPagedPoolUsage;
  ULONG PagedPoolAllocs;
  ULONG PagedPoolFrees;
  ULONG NonPagedPoolAllocs;
  ULONG NonPagedPoolFrees;
  ULONG TotalFreeSystemPtes;
  ULONG SystemCodePage;
  ULONG TotalSystemDriverPages;
  ULONG TotalSystemCodePages;
  ULONG SmallNonPagedLookasideListAllocateHits;
  ULONG SmallPagedLookasideListAllocateHits;
  ULONG Reserved3;
  ULONG MmSystemCachePage;
  ULONG PagedPoolPage;
  ULONG SystemDriverPage;
  ULONG FastReadNoWait;
  ULONG FastReadWait;
  ULONG FastReadResourceMiss;
  ULONG FastReadNotPossible;
  ULONG FastMdlReadNoWait;
  ULONG FastMdlReadWait;
  ULONG FastMdlReadResourceMiss;
  ULONG FastMdlReadNotPossible;
  ULONG MapDataNoWait;
  ULONG MapDataWait;
  ULONG MapDataNoWaitMiss;
  ULONG MapDataWaitMiss;
  ULONG PinMappedDataCount;
  ULONG PinReadNoWait;
  ULONG PinReadWait;
  ULONG PinReadNoWaitMiss;
  ULONG PinReadWaitMiss;
  ULONG CopyReadNoWait;
  ULONG CopyReadWait;
  ULONG CopyReadNoWaitMiss;
  ULONG CopyReadWaitMiss;
  ULONG MdlReadNoWait;
  ULONG MdlReadWait;
  ULONG MdlReadNoWaitMiss;
  ULONG MdlReadWaitMiss;
  ULONG ReadAheadIos;
  ULONG LazyWriteIos;
  ULONG LazyWritePages;
  ULONG DataFlushes;
  ULONG DataPages;
  ULONG ContextSwitches;
  ULONG FirstLevelTbFills;
  ULONG SecondLevelTbFills;
  ULONG SystemCalls;
};

#if defined(_WIN64)
static_assert(sizeof(SystemBasicInformation) == 64, "ntdll refuses any other size");
#else
static_assert(sizeof(SystemBasicInformation) == 44, "ntdll refuses any other size");
static_assert(offsetof(SystemBasicInformation, NumberOfProcessors) == 40);
#endif
static_assert(sizeof(SystemTimeOfDayInformation) == 32);
static_assert(offsetof(SystemTimeOfDayInformation, CurrentTime) == 8);
static_assert(sizeof(SystemPerformanceInformation) == 312);
static_assert(offsetof(SystemPerformanceInformation, IdleTime) == 0);

// NTSTATUS NTAPI NtQuerySystemInformation(class, buffer, size, returned size)
using NtQuerySystemInformationFn = LONG(WINAPI*)(ULONG, PVOID, ULONG, PULONG);

// The entry from the ntdll mapped into every process (no reference taken);
// null where it is missing.
inline NtQuerySystemInformationFn ResolveQuerySystemInformation() {
  const HMODULE ntdll = GetModuleHandleA("ntdll.dll");
  if (!ntdll) return nullptr;
  const FARPROC entry = GetProcAddress(ntdll, "NtQuerySystemInformation");
  return reinterpret_cast<NtQuerySystemInformationFn>(reinterpret_cast<void*>(entry));
}

}  // namespace welmor::nt
