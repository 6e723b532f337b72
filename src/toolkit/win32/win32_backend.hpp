#pragma once
// The real toolkit backend: HWNDs, window timers, TrackPopupMenu, the system
// dialogs and GDI text. The program entry makes one with MakeWin32Backend and
// hands it to the Application.

#include "toolkit/win32/windows_api.hpp"

#include <memory>

#include "toolkit/backend.hpp"

namespace welmor {

class Win32Backend : public Backend {
 public:
  // The module whose resources (MAINICON) the windows use.
  virtual HINSTANCE Instance() const = 0;
  // The hidden application window as an HWND (ApplicationHandle is the same).
  virtual HWND AppWindow() const = 0;
  // The window control hints show in.
  virtual HWND HintWindowHandle() const = 0;
  // The window dialogs are modal to: the main form's, else the application
  // window.
  virtual HWND DialogOwner() const = 0;
};

// Registers nothing and creates the application, timer and hint windows;
// null when any cannot be made.
std::unique_ptr<Win32Backend> MakeWin32Backend(HINSTANCE instance);

}  // namespace welmor
