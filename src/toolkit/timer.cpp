#include "toolkit/timer.hpp"

#include <stdexcept>

#include "toolkit/application.hpp"

namespace welmor {

Timer::Timer(Component* owner) : Component(owner) {
  Backend* backend = Application::BackendOf(*this);
  // Without an application nothing would ever tick it: say so at once.
  if (backend == nullptr) throw std::logic_error("A timer must belong to an application to run");
  peer_ = backend->CreateTimerPeer(*this);
}

Timer::~Timer() = default;

void Timer::SetInterval(uint32_t ms) {
  if (ms == interval_) return;
  interval_ = ms;
  if (peer_) peer_->Update();
}

void Timer::SetEnabled(bool on) {
  if (on == enabled_) return;
  enabled_ = on;
  if (peer_) peer_->Update();
}

void Timer::Tick() {
  if (!enabled_ || !OnTimer) return;
  Application::Dispatch(*this, [this] { OnTimer(*this); });
}

}  // namespace welmor
