#include "toolkit/win32/timer_window.hpp"

#include "toolkit/win32/paint_pass.hpp"
#include "toolkit/win32/window_classes.hpp"

namespace welmor {

class WindowTimerPeer final : public TimerPeer {
 public:
  WindowTimerPeer(TimerWindow& owner, Timer& timer) : owner_(owner), timer_(timer), id_(owner.nextId_++) {
    owner_.timers_[id_] = &timer_;
    Update();
  }
  ~WindowTimerPeer() override {
    Stop();
    owner_.timers_.erase(id_);
  }

  void Update() override {
    if (timer_.Enabled() && timer_.Interval() > 0) {
      // Setting an existing id again restarts it with the new interval.
      running_ = ::SetTimer(owner_.Handle(), id_, timer_.Interval(), nullptr) != 0;
    } else {
      Stop();
    }
  }

 private:
  void Stop() {
    if (running_) ::KillTimer(owner_.Handle(), id_);
    running_ = false;
  }

  TimerWindow& owner_;
  Timer& timer_;
  UINT_PTR id_;
  bool running_ = false;
};

std::unique_ptr<TimerWindow> TimerWindow::Create(WindowClasses& classes, PaintPass& paints) {
  auto self = std::make_unique<TimerWindow>(paints);
  const std::string className = classes.Ensure({kTimerClassName, &TimerWindow::WindowProc, 0, kExtraBytes});
  if (className.empty()) return nullptr;
  HWND hwnd = ::CreateWindowExA(0, className.c_str(), nullptr, 0, 0, 0, 0, 0, HWND_MESSAGE, nullptr,
                                classes.Instance(), self.get());
  if (hwnd == nullptr) return nullptr;
  self->window_.reset(hwnd);
  return self;
}

TimerWindow::~TimerWindow() {
  Detach(window_.get());
  window_.reset();
}

std::unique_ptr<TimerPeer> TimerWindow::MakePeer(Timer& timer) {
  return std::make_unique<WindowTimerPeer>(*this, timer);
}

LRESULT TimerWindow::OnMessage(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  if (msg == WM_TIMER) {
    const auto found = timers_.find(static_cast<UINT_PTR>(wParam));
    if (found != timers_.end()) {
      const PaintPass::Event event(paints_);
      found->second->Tick();
    }
    return 0;
  }
  return ::DefWindowProcA(hwnd, msg, wParam, lParam);
}

}  // namespace welmor
