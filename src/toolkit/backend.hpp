#pragma once
// What a windowing backend provides to the component model. Components keep
// their state in plain fields; a peer reflects changes onto a real window.
// toolkit/win32 is the real backend, toolkit/headless the one tests drive.

#include <compare>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>

#include "toolkit/geometry.hpp"
#include "toolkit/monitors.hpp"

namespace welmor {

class Control;
class Form;
class Timer;
class PopupMenu;
class MenuItem;
class Dialogs;
class TextRenderer;
class Application;

// A native window as portable code holds it: opaque, compared and handed
// back to the backend (an HWND on Win32), null when there is none.
struct WindowHandle {
  void* value = nullptr;
  explicit operator bool() const { return value != nullptr; }
  friend auto operator<=>(const WindowHandle&, const WindowHandle&) = default;
};

enum class Change { Bounds, Visible, Text, Color, Font, Hint, Paint, Style };

class ControlPeer {
 public:
  virtual ~ControlPeer() = default;
  // The control's fields changed; bring the native side in line.
  virtual void Changed(Change what) = 0;
  virtual WindowHandle Handle() const = 0;
};

class TimerPeer {
 public:
  virtual ~TimerPeer() = default;
  // Interval or Enabled changed.
  virtual void Update() = 0;
};

// The platform as the toolkit and the window helpers see it: windows,
// timers, menus, the message loop, dialogs, text and the few window-manager
// operations the program needs. The program entry makes one and hands it to
// its Application; tests hand theirs the headless one.
class Backend {
 public:
  virtual ~Backend() = default;
  virtual std::unique_ptr<ControlPeer> CreatePeer(Control& control) = 0;
  virtual std::unique_ptr<TimerPeer> CreateTimerPeer(Timer& timer) = 0;
  // Shows the menu at a screen point and returns the chosen item, or null.
  virtual MenuItem* TrackPopupMenu(PopupMenu& menu, Point screen, Control* owner) = 0;
  // Runs the message loop until Application::Terminate.
  virtual void RunMessageLoop(Application& app) = 0;
  // Runs messages while the form is visible, with the program's other
  // windows disabled; returns when it is hidden or the program ends.
  virtual void RunModalLoop(Form& form) = 0;
  // Dispatches the messages that are waiting, then returns.
  virtual void ProcessMessages() = 0;
  virtual void PostQuit() = 0;
  // The application's hint colour or delays changed.
  virtual void HintSettingsChanged(Application& app) = 0;
  virtual Dialogs& GetDialogs() = 0;
  virtual const TextRenderer& GetTextRenderer() = 0;
  // Size of the primary screen in pixels.
  virtual Size ScreenSize() = 0;
  // The hidden top-level window that stands for the program (owner of the
  // task-bar button); null when the backend has none.
  virtual WindowHandle ApplicationHandle() = 0;
  // The system's button-face colour, which forms take as their own.
  virtual Color ButtonFaceColor() = 0;

  // --- window-manager operations ------------------------------------------
  // Ends any mouse capture held by the program's windows.
  virtual void ReleaseMouseCapture() = 0;
  // Runs the system's interactive move of the window, as a drag on its
  // caption would: returns when the left button is released, or at once when
  // it is not held.
  virtual void MoveWithMouse(WindowHandle window) = 0;
  // The display that keeps a window at the given bounds (MonitorOfWindow's
  // rule); nothing when the displays cannot be read.
  virtual std::optional<Monitor> MonitorOf(const Rect& window) = 0;
  virtual void ShowWindow(WindowHandle window, bool visible) = 0;
  virtual uint32_t ExtendedStyle(WindowHandle window) = 0;
  virtual void SetExtendedStyle(WindowHandle window, uint32_t exStyle) = 0;
  // Puts the window into the topmost band at the given bounds and shows it;
  // false when the system refused.
  virtual bool PlaceTopmost(WindowHandle window, const Rect& bounds) = 0;
  // The short (8.3) form of an existing path, at most 255 characters;
  // nothing when the system cannot give it.
  virtual std::optional<std::string> ShortPathName(const std::string& path) = 0;

  // The application now running on this backend (null when it goes).
  void Attach(Application* app) { app_ = app; }
  Application* Attached() const { return app_; }

 private:
  Application* app_ = nullptr;
};

}  // namespace welmor
