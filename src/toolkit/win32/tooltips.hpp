#pragma once
// Control hints as comctl32 tooltips. One tooltip window serves every
// control; each control with ShowHint and a non-empty Hint is a tool of it.
// comctl32 is loaded on the first hint, so a program without hints never
// loads it.

#include "toolkit/win32/windows_api.hpp"

#include <cstdint>
#include <map>
#include <string>

#include "toolkit/control.hpp"
#include "toolkit/win32/handles.hpp"

namespace welmor {

class Tooltips {
 public:
  Tooltips(HINSTANCE instance, HWND owner) : instance_(instance), owner_(owner) {}
  ~Tooltips();
  Tooltips(const Tooltips&) = delete;
  Tooltips& operator=(const Tooltips&) = delete;

  // Adds, updates or removes the tool of a control's window after its
  // ShowHint or Hint changed.
  void Update(const Control& control, HWND window);
  // The window is about to go.
  void Remove(HWND window);
  // Background colour and delays (hint pause, hide pause).
  void ApplySettings(Color background, uint32_t pauseMs, uint32_t hidePauseMs);

  HWND Window() const { return tip_.get(); }

 private:
  bool EnsureWindow();
  void ApplyCurrentSettings();

  HINSTANCE instance_;
  HWND owner_;
  bool haveSettings_ = false;
  Color background_ = 0;
  uint32_t pauseMs_ = 0;
  uint32_t hidePauseMs_ = 0;
  std::map<HWND, HWND> tools_;  // tool window -> the parent it was added with
  unique_hmodule comctl_;
  unique_hwnd tip_;  // last: goes before the library that drew it
};

}  // namespace welmor
