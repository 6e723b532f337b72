#include "app/process_tooltip.hpp"

#include "textutil/format.hpp"

namespace welmor {

std::string BuildProcessTooltip(const std::vector<ProcessLine>& processes,
                                const std::function<int64_t(uint32_t)>& workingSet) {
  std::string list;
  int32_t count = 0;
  for (const ProcessLine& p : processes) {
    if (workingSet(p.id) == -1) continue;
    ++count;
    list += "\r\n" + std::to_string(p.id) + " - " + p.exeFile + " - " + FormatByteSize(workingSet(p.id));
  }
  return kProcessTooltipHeading + std::to_string(count) + ")" + "\r\n" + list;
}

}  // namespace welmor
