#pragma once
// What a windowing backend provides to the component model. Components keep
// their state in plain fields; a peer reflects changes onto a real window.
// toolkit/win32 is the real backend, toolkit/headless the one tests drive.

#include <cstdint>
#include <memory>
#include <string>

#include "toolkit/geometry.hpp"

namespace welmor {

class Control;
class Timer;
class PopupMenu;
class MenuItem;
class Dialogs;
class TextRenderer;
class Application;

enum class Change { Bounds, Visible, Text, Color, Font, Hint, Paint, Style };

class ControlPeer {
 public:
  virtual ~ControlPeer() = default;
  // The control's fields changed; bring the native side in line.
  virtual void Changed(Change what) = 0;
  // Native handle (an HWND on Win32), 0 when there is none.
  virtual uintptr_t Handle() const = 0;
};

class TimerPeer {
 public:
  virtual ~TimerPeer() = default;
  // Interval or Enabled changed.
  virtual void Update() = 0;
};

class Backend {
 public:
  virtual ~Backend() = default;
  virtual std::unique_ptr<ControlPeer> CreatePeer(Control& control) = 0;
  virtual std::unique_ptr<TimerPeer> CreateTimerPeer(Timer& timer) = 0;
  // Shows the menu at a screen point and returns the chosen item, or null.
  virtual MenuItem* TrackPopupMenu(PopupMenu& menu, Point screen, Control* owner) = 0;
  // Runs the message loop until Application::Terminate.
  virtual void RunMessageLoop(Application& app) = 0;
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
  // task-bar button); 0 when the backend has none.
  virtual uintptr_t ApplicationHandle() = 0;
};

}  // namespace welmor
