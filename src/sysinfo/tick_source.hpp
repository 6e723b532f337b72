#pragma once
// The platform's millisecond count since the system started, behind the
// uptime panel.

#include <cstdint>

namespace welmor {

class TickSource {
 public:
  virtual ~TickSource() = default;
  // Milliseconds since start-up; wraps after about 49.7 days.
  virtual uint32_t TickCount() = 0;
};

}  // namespace welmor
