#pragma once
// The few window-manager operations the window helpers need, shaped after
// what they do rather than after the Win32 calls behind them. The program
// entry installs the Win32 implementation; tests install a fake.

#include <cstdint>
#include <optional>
#include <string>

#include "toolkit/geometry.hpp"

namespace welmor {

class WindowSystem {
 public:
  virtual ~WindowSystem() = default;

  // Ends any mouse capture held by the program's windows.
  virtual void ReleaseMouseCapture() = 0;
  // Runs the system's interactive move of the window, as a drag on its
  // caption would: returns when the left button is released, or at once when
  // it is not held.
  virtual void MoveWithMouse(uintptr_t window) = 0;
  // Work area of the primary screen; nothing when it cannot be read.
  virtual std::optional<Rect> WorkArea() = 0;

  virtual void ShowWindow(uintptr_t window, bool visible) = 0;
  virtual uint32_t ExtendedStyle(uintptr_t window) = 0;
  virtual void SetExtendedStyle(uintptr_t window, uint32_t exStyle) = 0;

  // Puts the window into the topmost band at the given bounds and shows it;
  // false when the system refused.
  virtual bool PlaceTopmost(uintptr_t window, const Rect& bounds) = 0;

  // The short (8.3) form of an existing path, at most 255 characters;
  // nothing when the system cannot give it.
  virtual std::optional<std::string> ShortPathName(const std::string& path) = 0;
};

// The installed implementation, or null. The caller keeps it alive while it
// is installed.
WindowSystem* InstalledWindowSystem();
void InstallWindowSystem(WindowSystem* system);

// Installs a window system for as long as it lives, then puts back the one
// before.
class ScopedWindowSystem {
 public:
  explicit ScopedWindowSystem(WindowSystem& system) : previous_(InstalledWindowSystem()) {
    InstallWindowSystem(&system);
  }
  ~ScopedWindowSystem() { InstallWindowSystem(previous_); }
  ScopedWindowSystem(const ScopedWindowSystem&) = delete;
  ScopedWindowSystem& operator=(const ScopedWindowSystem&) = delete;

 private:
  WindowSystem* previous_;
};

}  // namespace welmor
