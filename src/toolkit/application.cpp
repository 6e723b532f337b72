#include "toolkit/application.hpp"

#include <stdexcept>

namespace welmor {

Application::Application(Backend& backend) : backend_(backend) {
  backend_.Attach(this);
  backend_.HintSettingsChanged(*this);
}

Application::~Application() {
  // Forms go while the backend is still there to take their windows down.
  otherForms_.clear();
  mainForm_.reset();
  if (backend_.Attached() == this) backend_.Attach(nullptr);
}

void Application::Dispatch(const Component& from, const std::function<void()>& handler) {
  try {
    handler();
  } catch (...) {
    ReportCurrentException(from.App());
  }
}

void Application::ReportCurrentException(Application* app) noexcept {
  try {
    if (app == nullptr) return;
    try {
      throw;
    } catch (const std::exception& e) {
      app->HandleException(e);
    } catch (...) {
      app->HandleException(std::runtime_error("Unknown error"));
    }
  } catch (...) {
    // Nothing is left to tell.
  }
}

const TextRenderer& Application::TextRendererFor(const Component& component) {
  Application* app = component.App();
  return app ? app->backend_.GetTextRenderer() : DefaultTextRenderer();
}

Backend* Application::BackendOf(const Component& component) {
  Application* app = component.App();
  return app ? &app->backend_ : nullptr;
}

void Application::SetHintColor(Color c) {
  hintColor_ = c;
  backend_.HintSettingsChanged(*this);
}

void Application::SetHintPause(uint32_t ms) {
  hintPause_ = ms;
  backend_.HintSettingsChanged(*this);
}

void Application::SetHintHidePause(uint32_t ms) {
  hintHidePause_ = ms;
  backend_.HintSettingsChanged(*this);
}

bool Application::FilterMessage(const Message& msg) {
  if (!OnMessage) return false;
  bool handled = false;
  Dispatch(*this, [&] { handled = OnMessage(msg); });
  return handled;
}

void Application::Run() {
  if (mainForm_) mainForm_->ShowForm();
  backend_.RunMessageLoop(*this);
}

void Application::Terminate() {
  if (terminated_) return;
  terminated_ = true;
  backend_.PostQuit();
}

void Application::HandleException(const std::exception& e) {
  try {
    backend_.GetDialogs().Message(DialogKind::Error, e.what());
  } catch (...) {
    // Nothing sensible is left to report to.
  }
}

}  // namespace welmor
