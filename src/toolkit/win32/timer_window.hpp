#pragma once
// A message-only window that owns every toolkit timer: each Timer's peer
// runs a SetTimer on it, and WM_TIMER ticks the Timer. What a tick changes
// on screen is painted in one pass when it ends (paint_pass.hpp).

#include "toolkit/win32/windows_api.hpp"

#include <map>
#include <memory>

#include "toolkit/timer.hpp"
#include "toolkit/win32/native_window.hpp"
#include "winapi/win32/handles.hpp"

namespace welmor {

class WindowClasses;
class PaintPass;

inline constexpr char kTimerClassName[] = "WelmorTimers";

class TimerWindow final : public NativeWindow<TimerWindow> {
 public:
  // Null when the window cannot be made.
  static std::unique_ptr<TimerWindow> Create(WindowClasses& classes, PaintPass& paints);
  explicit TimerWindow(PaintPass& paints) : paints_(paints) {}
  ~TimerWindow();

  HWND Handle() const { return window_.get(); }
  std::unique_ptr<TimerPeer> MakePeer(Timer& timer);

 private:
  friend class NativeWindow<TimerWindow>;
  friend class WindowTimerPeer;
  LRESULT OnMessage(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
  void OnDestroyed() { window_.release(); }
  // Timers dispatch their own handlers.
  Application* OwningApplication() const { return nullptr; }

  // Ids are never reused, so a WM_TIMER still queued for a stopped timer
  // cannot tick a newer one.
  PaintPass& paints_;
  UINT_PTR nextId_ = 1;
  std::map<UINT_PTR, Timer*> timers_;
  unique_hwnd window_;
};

}  // namespace welmor
