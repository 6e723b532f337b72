#include "toolkit/timer.hpp"

#include "toolkit/application.hpp"

namespace welmor {

Timer::Timer(Component* owner) : Component(owner) {
  if (Backend* backend = Application::CurrentBackend()) peer_ = backend->CreateTimerPeer(*this);
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
  Application::Dispatch([this] { OnTimer(*this); });
}

}  // namespace welmor
