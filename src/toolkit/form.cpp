#include "toolkit/form.hpp"

#include "toolkit/application.hpp"
#include "toolkit/screen_snap.hpp"

namespace welmor {

Form::Form(Component* owner) : Control(owner) {
  SetVisible(false);
  // A form's own colour is the system's, as the user set it.
  if (Backend* backend = Application::BackendOf(*this)) SetColor(backend->ButtonFaceColor());
}

void Form::CreateParams(CreateParamsRec&) {}

void Form::SetFrame(int32_t width, Color color) {
  const int32_t clientWidth = ClientWidth();
  const int32_t clientHeight = ClientHeight();
  frameWidth_ = width;
  frameColor_ = color;
  NotifyPeer(Change::Style);
  SetClientSize(clientWidth, clientHeight);
}

void Form::SetClientSize(int32_t width, int32_t height) {
  SetBounds(Left(), Top(), width + 2 * frameWidth_, height + 2 * frameWidth_);
}

Point Form::SnappedPosition(const Rect& proposed) const {
  const Point unchanged{proposed.left, proposed.top};
  Backend* backend = screenSnap_ ? Application::BackendOf(*this) : nullptr;
  if (backend == nullptr) return unchanged;
  const std::optional<Monitor> monitor = backend->MonitorOf(proposed);
  return monitor ? SnapToAreaEdges(proposed, monitor->workArea, snapBuffer_) : unchanged;
}

void Form::ShowForm() {
  CreatePeers();
  if (Visible()) return;
  if (position_ == FormPosition::ScreenCenter) {
    if (Backend* backend = Application::BackendOf(*this)) {
      const Size screen = backend->ScreenSize();
      SetBounds((screen.width - Width()) / 2, (screen.height - Height()) / 2, Width(), Height());
    }
  }
  // OnShow runs before the window appears, so that what it lays out is what
  // the user first sees.
  if (OnShow) Application::Dispatch(*this, [this] { OnShow(*this); });
  SetVisible(true);
}

void Form::ShowModal() {
  Backend* backend = Application::BackendOf(*this);
  if (modal_ || !backend) return;
  modal_ = true;
  ShowForm();
  if (Visible()) backend->RunModalLoop(*this);
  modal_ = false;
}

void Form::Close() {
  CloseAction action = CloseAction::Hide;
  if (OnClose) Application::Dispatch(*this, [this, &action] { OnClose(*this, action); });
  if (action == CloseAction::None) return;
  Application* app = App();
  if (app && app->MainForm() == this) {
    app->Terminate();
  } else {
    Hide();
  }
}

void Form::SessionEnding() {
  const Application* app = App();
  if (!app || app->MainForm() != this || !OnClose) return;
  CloseAction action = CloseAction::Free;
  Application::Dispatch(*this, [this, &action] { OnClose(*this, action); });
}

void Form::DoCreate() {
  if (OnCreate) Application::Dispatch(*this, [this] { OnCreate(*this); });
}

}  // namespace welmor
