#include "toolkit/application.hpp"

#include <stdexcept>

namespace welmor {

namespace {

Application* g_current = nullptr;

}  // namespace

Application::Application(Backend& backend) : backend_(backend) {
  g_current = this;
  SetDefaultTextRenderer(&backend_.GetTextRenderer());
}

Application::~Application() {
  // Forms go while the backend is still there to take their windows down.
  otherForms_.clear();
  mainForm_.reset();
  SetDefaultTextRenderer(nullptr);
  if (g_current == this) g_current = nullptr;
}

Application* Application::Current() { return g_current; }

Backend* Application::CurrentBackend() { return g_current ? &g_current->backend_ : nullptr; }

const TextRenderer& Application::TextRendererOrDefault() {
  return g_current ? g_current->backend_.GetTextRenderer() : DefaultTextRenderer();
}

void Application::Dispatch(const std::function<void()>& handler) {
  try {
    handler();
  } catch (const std::exception& e) {
    if (g_current) g_current->HandleException(e);
  } catch (...) {
    if (g_current) g_current->HandleException(std::runtime_error("Unknown error"));
  }
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
  Dispatch([&] { handled = OnMessage(msg); });
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
