#include "controls/hook_component.hpp"

#include <exception>
#include <stdexcept>

#include "controls/hook_list.hpp"
#include "toolkit/application.hpp"

namespace welmor {

namespace {

Form& RequireForm(Component* owner) {
  auto* form = dynamic_cast<Form*>(owner);
  if (form == nullptr) throw std::invalid_argument("a window hook must be owned by a form");
  return *form;
}

}  // namespace

TMagnetFormHookComponent::TMagnetFormHookComponent(Component* owner, MagnetPlatform* platform)
    : Component(owner), ownerForm_(RequireForm(owner)), platform_(platform) {
  if (platform_ != nullptr) THookList::Register(*this, *platform_);
}

TMagnetFormHookComponent::~TMagnetFormHookComponent() {
  destroying_ = true;
  if (platform_ != nullptr) THookList::Unregister(*this);
}

void TMagnetFormHookComponent::BeforeMessage(HookMessage&, bool&) {}

void TMagnetFormHookComponent::AfterMessage(HookMessage&) {}

uintptr_t TMagnetFormHookComponent::GetHookedWindow() { return MagnetWindow(ownerForm_.Handle()); }

void TMagnetFormHookComponent::ReleaseHook() {
  if (hookProc_ != 0 && platform_ != nullptr) platform_->FreeHookProcedure(hookProc_);
  hookProc_ = 0;
  prevProc_ = 0;
  hooked_ = false;
}

intptr_t TMagnetFormHookComponent::HookProc(HookMessage& msg) noexcept {
  // Found now: the message may destroy this component.
  Application* app = App();
  try {
    bool handled = false;
    THookList* registry = THookList::Instance();
    // Only the bottom hook of the window asks for the re-hook, once.
    if (msg.message == kWmDestroy && !destroying_ && registry != nullptr &&
        registry->GetUnhookedProc(hookedWindow_) == prevProc_) {
      registry->PostRehook(hookedWindow_);
    }
    BeforeMessage(msg, handled);
    if (!handled) msg.result = platform_->CallProcedure(prevProc_, hookedWindow_, msg);
    // The message may have destroyed this component.
    registry = THookList::Instance();
    if (registry != nullptr && registry->Contains(this)) AfterMessage(msg);
  } catch (...) {
    // The hook runs inside the system's message dispatch, where nothing may
    // unwind: the error goes to the application's error box instead.
    Application::ReportCurrentException(app);
  }
  return msg.result;
}

}  // namespace welmor
