#include "toolkit/form.hpp"

#include "toolkit/application.hpp"

namespace welmor {

Form::Form(Component* owner) : Control(owner) {
  SetVisible(false);
  // A form's own colour is the system's, as the user set it.
  if (Backend* backend = Application::BackendOf(*this)) SetColor(backend->ButtonFaceColor());
}

void Form::CreateParams(CreateParamsRec&) {}

void Form::ShowForm() {
  CreatePeers();
  if (Visible()) return;
  // OnShow runs before the window appears, so that what it lays out is what
  // the user first sees.
  if (OnShow) Application::Dispatch(*this, [this] { OnShow(*this); });
  SetVisible(true);
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

void Form::DoCreate() {
  if (OnCreate) Application::Dispatch(*this, [this] { OnCreate(*this); });
}

}  // namespace welmor
