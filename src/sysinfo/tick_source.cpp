#include "sysinfo/tick_source.hpp"

namespace welmor {

uint64_t UnwrapTickCount(uint32_t ticks, uint64_t sinceStart) {
  constexpr uint64_t kRound = uint64_t{1} << 32;
  if (sinceStart <= ticks) return ticks;
  const uint64_t rounds = (sinceStart - ticks + kRound / 2) / kRound;
  return rounds * kRound + ticks;
}

}  // namespace welmor
