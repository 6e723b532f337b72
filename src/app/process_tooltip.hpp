#pragma once
// The panels' tooltip: the running processes with their working sets.

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

namespace welmor {

inline constexpr const char* kProcessTooltipHeading = "Active Processes (non services):  (";

struct ProcessLine {
  uint32_t id = 0;
  std::string exeFile;
};

// Processes whose working set reads -1 (not open to us) are left out of the
// list and the count. workingSet is asked twice per listed process, once to
// decide and once for the text, as the figure may move in between.
std::string BuildProcessTooltip(const std::vector<ProcessLine>& processes,
                                const std::function<int64_t(uint32_t)>& workingSet);

}  // namespace welmor
