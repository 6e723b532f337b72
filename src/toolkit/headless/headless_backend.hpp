#pragma once
// A backend without windows. Tests build real forms on it, fire their timers,
// open their menus through a chooser, answer dialogs from a script and read
// back what was shown.

#include <cstdint>
#include <deque>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "toolkit/backend.hpp"
#include "toolkit/dialogs.hpp"
#include "toolkit/text_renderer.hpp"

namespace welmor {

class ScriptedDialogs : public Dialogs {
 public:
  struct Shown {
    std::string kind;  // "Error", "Information", "Confirm", "Box", "Input", "Color"
    std::string caption;
    std::string text;
    // The input box's default text; the colour the colour dialog opens with.
    std::string value;
  };
  std::vector<Shown> shown;
  // Answers, used front first. An input answer of nullopt is Cancel; when a
  // queue is empty the dialog is cancelled (No for confirmations).
  std::deque<std::optional<std::string>> inputAnswers;
  std::deque<bool> confirmAnswers;
  std::deque<std::optional<Color>> colorAnswers;
  // Runs while a modal dialog is open, as a modal loop would run timers.
  std::function<void()> whileOpen;

  void Message(DialogKind kind, const std::string& text) override;
  bool Confirm(const std::string& text) override;
  void MessageBox(const std::string& text, const std::string& caption) override;
  std::string InputBox(const std::string& caption, const std::string& prompt,
                       const std::string& defaultText) override;
  bool ChooseColor(Color& color) override;

  std::size_t Count(const std::string& kind) const;
  void Clear() { shown.clear(); }
};

// The window-manager side of the headless backend: records every call in
// order, keeps per-window visibility and extended styles, and lets a test
// play the user's drag through onMove.
struct HeadlessWindows {
  // "ReleaseCapture", "Move <h>", "Monitor l,t,r,b", "Show <h>", "Hide <h>",
  // "GetExStyle <h>", "SetExStyle <h> <hex>", "Topmost <h> l,t,w,h",
  // "ShortPath <path>", in call order; <h> as HandleText writes it.
  std::vector<std::string> calls;

  // The displays, the primary one first; with none, MonitorOf answers
  // nothing, as when the system cannot be asked.
  std::vector<Monitor> monitors = {Monitor{Rect{0, 0, 1024, 768}, Rect{0, 0, 1024, 738}}};
  std::function<void(WindowHandle window)> onMove;
  bool topmostAnswer = true;
  // Short forms by long path; a path without an entry has none.
  std::map<std::string, std::string> shortPaths;

  std::map<WindowHandle, bool> visible;
  std::map<WindowHandle, uint32_t> exStyles;
  std::map<WindowHandle, Rect> topmost;  // bounds each window was put topmost at
};

// A headless window handle as the recorded calls write it.
std::string HandleText(WindowHandle window);

class HeadlessBackend : public Backend {
 public:
  struct PeerLog {
    uint64_t changes = 0;
    uint64_t paints = 0;
  };

  ScriptedDialogs dialogs;
  Size screen{1024, 768};
  bool quitPosted = false;
  uint64_t processMessagesCalls = 0;
  // Work that "arrives" while ProcessMessages runs.
  std::vector<std::function<void()>> pendingMessages;
  // Picks the item a user would click when a menu opens; null closes it.
  std::function<MenuItem*(PopupMenu&)> chooseMenuItem;
  uint64_t menusShown = 0;
  // Plays the user while a form is shown modally; the loop ends when it
  // returns, as if the form had been closed.
  std::function<void(Form&)> whileModal;
  uint64_t modalLoops = 0;
  uint64_t hintSettingsChanges = 0;
  // How often each timer started its period: on being enabled, and on every
  // change of interval while enabled.
  std::map<const Timer*, uint64_t> timerStarts;
  HeadlessWindows windows;
  Color buttonFace = 0x00C8D0D4;

  std::unique_ptr<ControlPeer> CreatePeer(Control& control) override;
  std::unique_ptr<TimerPeer> CreateTimerPeer(Timer& timer) override;
  MenuItem* TrackPopupMenu(PopupMenu& menu, Point screen, Control* owner) override;
  void RunMessageLoop(Application& app) override;
  void RunModalLoop(Form& form) override;
  void ProcessMessages() override;
  void PostQuit() override { quitPosted = true; }
  void HintSettingsChanged(Application&) override { ++hintSettingsChanges; }
  Dialogs& GetDialogs() override { return dialogs; }
  const TextRenderer& GetTextRenderer() override { return DefaultTextRenderer(); }
  Size ScreenSize() override { return screen; }
  WindowHandle ApplicationHandle() override { return MakeHandle(1); }
  Color ButtonFaceColor() override { return buttonFace; }

  void ReleaseMouseCapture() override;
  void MoveWithMouse(WindowHandle window) override;
  std::optional<Monitor> MonitorOf(const Rect& window) override;
  void ShowWindow(WindowHandle window, bool visible) override;
  uint32_t ExtendedStyle(WindowHandle window) override;
  void SetExtendedStyle(WindowHandle window, uint32_t exStyle) override;
  bool PlaceTopmost(WindowHandle window, const Rect& bounds) override;
  std::optional<std::string> ShortPathName(const std::string& path) override;

  // Headless windows are numbered; the number is the handle's value.
  static WindowHandle MakeHandle(uintptr_t number) { return WindowHandle{reinterpret_cast<void*>(number)}; }

  uint64_t PeersCreated() const { return peersCreated_; }

 private:
  uint64_t peersCreated_ = 0;
  uintptr_t nextHandle_ = 0x100;
};

}  // namespace welmor
