#pragma once
// The running processes and the working set of one of them, for the panel
// tooltip.

#include <cstdint>
#include <optional>
#include <vector>

namespace welmor {

inline constexpr std::size_t kExeFileSize = 260;

// One process as the platform's process snapshot describes it, field for
// field and in the same order, so a list entry is a whole platform record.
// th32ProcessID and szExeFile are what the tooltip shows.
struct ProcessEntry32 {
  uint32_t dwSize = 0;
  uint32_t cntUsage = 0;
  uint32_t th32ProcessID = 0;
  uintptr_t th32DefaultHeapID = 0;
  uint32_t th32ModuleID = 0;
  uint32_t cntThreads = 0;
  uint32_t th32ParentProcessID = 0;
  int32_t pcPriClassBase = 0;
  uint32_t dwFlags = 0;
  char szExeFile[kExeFileSize] = {};  // always NUL-terminated
};

#if UINTPTR_MAX == UINT32_MAX
static_assert(sizeof(ProcessEntry32) == 296, "the 32-bit process record is 296 bytes");
#endif

// In the order the platform enumerates the processes.
using ProcessList = std::vector<ProcessEntry32>;

// Where the process facts come from.
class ProcessSource {
 public:
  virtual ~ProcessSource() = default;
  // Every process the platform's snapshot saw, whether or not it can be
  // opened; empty when no snapshot could be taken.
  virtual ProcessList Snapshot() = 0;
  // Bytes in the process's working set; nullopt when the process cannot be
  // opened or asked (gone, or not ours to inspect).
  virtual std::optional<uint64_t> WorkingSetSize(uint32_t processId) = 0;
};

}  // namespace welmor
