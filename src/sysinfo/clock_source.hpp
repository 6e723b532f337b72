#pragma once
// The local time of day behind the clock panel, formatted by the platform
// in the user's own time format.

#include <string>

namespace welmor {

class ClockSource {
 public:
  virtual ~ClockSource() = default;
  // The time of day now, with or without its seconds; empty when the
  // platform cannot format it.
  virtual std::string LocalTimeText(bool withSeconds) = 0;
};

}  // namespace welmor
