#pragma once
// What the window magnet needs from the window system: the window-procedure
// chain of a window, per-object hook procedures, a utility window for the
// deferred re-hook, and a few questions about the screen and the mouse.
// Windows and procedures are the platform's handles, carried as opaque
// integers; the Win32 implementation is in win32/, tests use a fake.

#include <cstdint>
#include <memory>
#include <optional>

#include "toolkit/backend.hpp"
#include "toolkit/geometry.hpp"
#include "toolkit/monitors.hpp"

namespace welmor {

// A form's window as the magnet carries it.
inline uintptr_t MagnetWindow(WindowHandle window) { return reinterpret_cast<uintptr_t>(window.value); }

class TMagnetFormHookComponent;
class THookList;

// One window message on its way through the hook chain.
struct HookMessage {
  uint32_t message = 0;
  uintptr_t wParam = 0;
  intptr_t lParam = 0;
  intptr_t result = 0;
};

inline constexpr uint32_t kWmDestroy = 0x0002;
inline constexpr uint32_t kWmNcHitTest = 0x0084;
inline constexpr uint32_t kWmMoving = 0x0216;
inline constexpr uint32_t kWmExitSizeMove = 0x0232;
// Posted to the hook registry's utility window, with the destroyed window
// in the second parameter, to hook the owner's new window.
inline constexpr uint32_t kRehookMessage = 0x0400 + 301;
inline constexpr intptr_t kHitClient = 1;
inline constexpr intptr_t kHitCaption = 2;

inline constexpr uint32_t kStyleBorder = 0x00800000;           // WS_BORDER
inline constexpr uint32_t kStyleDlgFrame = 0x00400000;         // WS_DLGFRAME
inline constexpr uint32_t kExStyleToolWindowBit = 0x00000080;  // WS_EX_TOOLWINDOW
inline constexpr uint32_t kExStyleDlgModalFrame = 0x00000001;  // WS_EX_DLGMODALFRAME

// The registry's hidden window: it receives the re-hook requests.
class HookUtilityWindow {
 public:
  virtual ~HookUtilityWindow() = default;
  // Asks for THookList::Rehook(window) once the current message is done.
  virtual void PostRehook(uintptr_t window) = 0;
};

class MagnetPlatform {
 public:
  virtual ~MagnetPlatform() = default;

  // --- the window-procedure chain ------------------------------------------------
  virtual uintptr_t WindowProcedure(uintptr_t window) = 0;
  virtual void SetWindowProcedure(uintptr_t window, uintptr_t procedure) = 0;
  // A procedure that hands every message to component.HookProc; 0 when none
  // can be made.
  virtual uintptr_t MakeHookProcedure(TMagnetFormHookComponent& component) = 0;
  virtual void FreeHookProcedure(uintptr_t procedure) = 0;
  // Runs procedure on the message and returns its result; with procedure 0
  // the system's default handling.
  virtual intptr_t CallProcedure(uintptr_t procedure, uintptr_t window, const HookMessage& msg) = 0;
  // The registry's utility window; it calls registry.Rehook for each posted
  // request. Null when it cannot be made.
  virtual std::unique_ptr<HookUtilityWindow> MakeUtilityWindow(THookList& registry) = 0;

  // --- the screen and the mouse -----------------------------------------------------
  virtual Point CursorPos() = 0;
  // The client area of a window, in screen coordinates.
  virtual Rect ClientRectOnScreen(uintptr_t window) = 0;
  virtual uint32_t Style(uintptr_t window) = 0;
  virtual uint32_t ExStyle(uintptr_t window) = 0;
  // The display that keeps a window at these screen bounds (MonitorOfWindow's
  // rule); nothing when the displays cannot be read.
  virtual std::optional<Monitor> MonitorOf(const Rect& window) = 0;
  virtual Rect DesktopRect() = 0;
  // Whether the primary button (the right one when the user swapped them)
  // is down now.
  virtual bool PrimaryButtonDown() = 0;
  // The proposed window rectangle a WM_MOVING message points to, and
  // writing it back.
  virtual Rect MovingRect(const HookMessage& msg) = 0;
  virtual void SetMovingRect(const HookMessage& msg, const Rect& r) = 0;
};

}  // namespace welmor
