#pragma once
// What a timer event changes reaches the screen in one pass when the event
// ends, instead of one WM_PAINT per changed window after it.
//
// While a timer event runs, the label and custom-control windows whose image
// changes are only noted. When the event ends, each noted window's image is
// composed, with the sibling windows that lie over it, into one off-screen
// bitmap and copied onto the parent window's device context: one device
// context per parent and nothing left invalid, so the thread goes back to
// sleep without a WM_PAINT to fetch. A window that cannot be composed this
// way (a sibling over it that draws itself, a border of the system's) is
// invalidated as before, and WM_PAINT stays the way every window repaints
// when it is uncovered.
//
// A timer event that the refresh's message pump lets through while another
// event runs is part of that event (Join): the chart's tick and the refresh
// tick share one pass. Any other event nested in a running one (a timer
// ticking in a message box's loop) ends with a pass of its own, and what a
// message other than a tick changes from inside a loop that a tick opened (a
// click in a menu or a message box) is invalidated at once, so nothing waits
// for a modal loop to close or for the next tick.
//
// The pass opens no loop while it paints: a window whose image fails to
// compose is invalidated, the pass goes on, and the first error is shown
// once every noted window is drawn or invalidated and the device context is
// given back.

#include "toolkit/win32/windows_api.hpp"

#include <cstdint>
#include <vector>

#include "toolkit/geometry.hpp"
#include "winapi/win32/handles.hpp"

namespace welmor {

class ControlWindow;

class PaintPass {
 public:
  PaintPass() = default;
  ~PaintPass();
  PaintPass(const PaintPass&) = delete;
  PaintPass& operator=(const PaintPass&) = delete;

  // One timer event; the pass runs when the outermost one not joined ends.
  class Event {
   public:
    explicit Event(PaintPass& pass) noexcept;
    ~Event();
    Event(const Event&) = delete;
    Event& operator=(const Event&) = delete;

   private:
    PaintPass& pass_;
    bool joined_;
    int outerDepth_;
  };

  // Around one message the pump dispatches: a timer event it starts belongs
  // to the event running now.
  class Join {
   public:
    Join(PaintPass& pass, bool join) noexcept : pass_(pass) { pass_.joinNext_ = join; }
    ~Join() { pass_.joinNext_ = false; }
    Join(const Join&) = delete;
    Join& operator=(const Join&) = delete;

   private:
    PaintPass& pass_;
  };

  // Takes a window whose image changed for the pass; false outside a timer
  // event's own code, and the caller invalidates the window itself.
  bool Defer(ControlWindow& window);
  // The window is going away.
  void Forget(ControlWindow& window) noexcept;

 private:
  void Run() noexcept;
  // Paints one noted window onto target, a DC of its parent window; false
  // when it cannot be composed.
  bool Compose(ControlWindow& window, HWND parent, HDC target);
  // A memory DC over a bitmap of at least this size.
  HDC Scratch(int32_t width, int32_t height);

  int open_ = 0;
  // Message depth of the innermost timer event; -1 outside every one.
  int eventDepth_ = -1;
  bool joinNext_ = false;
  bool running_ = false;
  std::vector<ControlWindow*> noted_;
  // Areas painted in this pass, in their parent's client coordinates.
  std::vector<std::pair<HWND, Rect>> painted_;

  unique_hdc scratchDc_;
  unique_hbitmap scratch_;
  HGDIOBJ firstBitmap_ = nullptr;
  int32_t scratchWidth_ = 0;
  int32_t scratchHeight_ = 0;
};

}  // namespace welmor
