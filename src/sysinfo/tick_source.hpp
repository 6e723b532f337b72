#pragma once
// The platform's millisecond count since the system started, behind the
// uptime panel.

#include <cstdint>

namespace welmor {

class TickSource {
 public:
  virtual ~TickSource() = default;
  // Milliseconds since start-up, also past the 49.7 days after which the
  // platform's 32-bit tick count starts again at 0.
  virtual uint64_t TickCount() = 0;
};

// The full count from the 32-bit tick count and a coarser 64-bit measure of
// the time since start-up (the clock's time less the boot time): the tick
// count's own figure, with as many whole rounds of 2^32 ms added as bring it
// nearest the measure. Below 2^32 ms, where the two are near, that is the
// tick count itself; a measure below the tick count adds nothing.
uint64_t UnwrapTickCount(uint32_t ticks, uint64_t sinceStart);

}  // namespace welmor
