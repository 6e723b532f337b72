#include "toolkit/headless/headless_backend.hpp"

#include <cstdio>

#include "toolkit/application.hpp"
#include "toolkit/control.hpp"
#include "toolkit/menu.hpp"
#include "toolkit/timer.hpp"

namespace welmor {

namespace {

class HeadlessPeer final : public ControlPeer {
 public:
  explicit HeadlessPeer(WindowHandle handle) : handle_(handle) {}
  void Changed(Change) override {}
  WindowHandle Handle() const override { return handle_; }

 private:
  WindowHandle handle_;
};

class HeadlessTimerPeer final : public TimerPeer {
 public:
  HeadlessTimerPeer(HeadlessBackend& backend, Timer& timer) : backend_(backend), timer_(timer) { Update(); }
  // A real timer starts its period over whenever it is set while enabled.
  void Update() override {
    if (timer_.Enabled() && timer_.Interval() > 0) ++backend_.timerStarts[&timer_];
  }

 private:
  HeadlessBackend& backend_;
  Timer& timer_;
};

const char* KindName(DialogKind kind) {
  switch (kind) {
    case DialogKind::Error:
      return kErrorCaption;
    case DialogKind::Information:
      return kInformationCaption;
    case DialogKind::Confirmation:
      return kConfirmCaption;
  }
  return "";
}

}  // namespace

void ScriptedDialogs::Message(DialogKind kind, const std::string& text) {
  shown.push_back({KindName(kind), KindName(kind), text, ""});
  if (whileOpen) whileOpen();
}

bool ScriptedDialogs::Confirm(const std::string& text) {
  shown.push_back({"Confirm", kConfirmCaption, text, ""});
  if (whileOpen) whileOpen();
  if (confirmAnswers.empty()) return false;
  const bool answer = confirmAnswers.front();
  confirmAnswers.pop_front();
  return answer;
}

void ScriptedDialogs::MessageBox(const std::string& text, const std::string& caption) {
  shown.push_back({"Box", caption, text, ""});
  if (whileOpen) whileOpen();
}

std::string ScriptedDialogs::InputBox(const std::string& caption, const std::string& prompt,
                                      const std::string& defaultText) {
  shown.push_back({"Input", caption, prompt, defaultText});
  if (whileOpen) whileOpen();
  if (inputAnswers.empty()) return defaultText;
  const auto answer = inputAnswers.front();
  inputAnswers.pop_front();
  return answer ? *answer : defaultText;
}

bool ScriptedDialogs::ChooseColor(Color& color) {
  shown.push_back({"Color", "", "", std::to_string(color)});
  if (colorAnswers.empty()) return false;
  const auto answer = colorAnswers.front();
  colorAnswers.pop_front();
  if (!answer) return false;
  color = *answer;
  return true;
}

std::size_t ScriptedDialogs::Count(const std::string& kind) const {
  std::size_t n = 0;
  for (const Shown& s : shown) n += s.kind == kind ? 1 : 0;
  return n;
}

std::unique_ptr<ControlPeer> HeadlessBackend::CreatePeer(Control&) {
  ++peersCreated_;
  return std::make_unique<HeadlessPeer>(MakeHandle(nextHandle_++));
}

std::unique_ptr<TimerPeer> HeadlessBackend::CreateTimerPeer(Timer& timer) {
  return std::make_unique<HeadlessTimerPeer>(*this, timer);
}

MenuItem* HeadlessBackend::TrackPopupMenu(PopupMenu& menu, Point, Control*) {
  ++menusShown;
  return chooseMenuItem ? chooseMenuItem(menu) : nullptr;
}

void HeadlessBackend::RunMessageLoop(Application&) {}

void HeadlessBackend::RunModalLoop(Form& form) {
  ++modalLoops;
  if (whileModal) whileModal(form);
}

void HeadlessBackend::ProcessMessages() {
  ++processMessagesCalls;
  auto work = std::move(pendingMessages);
  pendingMessages.clear();
  for (auto& w : work) {
    if (Application* app = Attached()) {
      Application::Dispatch(*app, w);
    } else {
      w();
    }
  }
}

std::string HandleText(WindowHandle window) {
  return std::to_string(reinterpret_cast<uintptr_t>(window.value));
}

void HeadlessBackend::ReleaseMouseCapture() { windows.calls.push_back("ReleaseCapture"); }

void HeadlessBackend::MoveWithMouse(WindowHandle window) {
  windows.calls.push_back("Move " + HandleText(window));
  if (windows.onMove) windows.onMove(window);
}

std::optional<Monitor> HeadlessBackend::MonitorOf(const Rect& window) {
  windows.calls.push_back("Monitor " + std::to_string(window.left) + "," + std::to_string(window.top) + "," +
                          std::to_string(window.right) + "," + std::to_string(window.bottom));
  return MonitorOfWindow(windows.monitors, window);
}

void HeadlessBackend::ShowWindow(WindowHandle window, bool show) {
  windows.calls.push_back((show ? "Show " : "Hide ") + HandleText(window));
  windows.visible[window] = show;
}

uint32_t HeadlessBackend::ExtendedStyle(WindowHandle window) {
  windows.calls.push_back("GetExStyle " + HandleText(window));
  return windows.exStyles[window];
}

void HeadlessBackend::SetExtendedStyle(WindowHandle window, uint32_t exStyle) {
  char hex[16];
  std::snprintf(hex, sizeof hex, "%X", static_cast<unsigned>(exStyle));
  windows.calls.push_back("SetExStyle " + HandleText(window) + " " + hex);
  windows.exStyles[window] = exStyle;
}

bool HeadlessBackend::PlaceTopmost(WindowHandle window, const Rect& b) {
  windows.calls.push_back("Topmost " + HandleText(window) + " " + std::to_string(b.left) + "," +
                          std::to_string(b.top) + "," + std::to_string(b.Width()) + "," +
                          std::to_string(b.Height()));
  if (windows.topmostAnswer) {
    windows.topmost[window] = b;
    windows.visible[window] = true;
  }
  return windows.topmostAnswer;
}

std::optional<std::string> HeadlessBackend::ShortPathName(const std::string& path) {
  windows.calls.push_back("ShortPath " + path);
  const auto found = windows.shortPaths.find(path);
  if (found == windows.shortPaths.end()) return std::nullopt;
  return found->second;
}

}  // namespace welmor
