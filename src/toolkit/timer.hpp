#pragma once
// A message-loop timer: OnTimer runs on the user-interface thread every
// Interval milliseconds while Enabled.

#include <cstdint>
#include <memory>

#include "toolkit/backend.hpp"
#include "toolkit/component.hpp"
#include "toolkit/control.hpp"

namespace welmor {

class Timer : public Component {
 public:
  explicit Timer(Component* owner);
  ~Timer() override;

  uint32_t Interval() const { return interval_; }
  void SetInterval(uint32_t ms);
  bool Enabled() const { return enabled_; }
  void SetEnabled(bool on);

  NotifyEvent OnTimer;

  // One tick; backends call it, tests may too.
  void Tick();

 private:
  uint32_t interval_ = 1000;
  bool enabled_ = true;
  std::unique_ptr<TimerPeer> peer_;
};

}  // namespace welmor
