#include "toolkit/form.hpp"

#include "toolkit/application.hpp"

namespace welmor {

Form::Form(Component* owner) : Control(owner) { SetVisible(false); }

void Form::CreateParams(CreateParamsRec&) {}

void Form::ShowForm() {
  CreatePeers();
  if (Visible()) return;
  // OnShow runs before the window appears, so that what it lays out is what
  // the user first sees.
  if (OnShow) Application::Dispatch([this] { OnShow(*this); });
  SetVisible(true);
}

void Form::Close() {
  CloseAction action = CloseAction::Hide;
  if (OnClose) Application::Dispatch([this, &action] { OnClose(*this, action); });
  if (action == CloseAction::None) return;
  Application* app = Application::Current();
  if (app && app->MainForm() == this) {
    app->Terminate();
  } else {
    Hide();
  }
}

void Form::DoCreate() {
  if (OnCreate) Application::Dispatch([this] { OnCreate(*this); });
}

}  // namespace welmor
