#include "controls/hook_list.hpp"

#include <algorithm>

#include "controls/hook_component.hpp"
#include "toolkit/application.hpp"

namespace welmor {

namespace {

std::unique_ptr<THookList>& Registry() {
  static std::unique_ptr<THookList> registry;
  return registry;
}

bool RealWindow(uintptr_t window) { return window != 0 && window != static_cast<uintptr_t>(-1); }

}  // namespace

THookList::THookList(MagnetPlatform& platform)
    : platform_(platform), utility_(platform.MakeUtilityWindow(*this)) {}

THookList::~THookList() = default;

THookList* THookList::Instance() { return Registry().get(); }

void THookList::Register(TMagnetFormHookComponent& component, MagnetPlatform& platform) {
  if (!Registry()) Registry() = std::make_unique<THookList>(platform);
  Registry()->items_.push_back(&component);
  Registry()->Hook(component);
}

void THookList::Unregister(TMagnetFormHookComponent& component) {
  THookList* registry = Instance();
  if (registry == nullptr) return;
  registry->Unhook(component);
  // A component that never had a window is not unhooked, but it must not
  // stay behind in the registry once it is gone.
  auto& items = registry->items_;
  items.erase(std::remove(items.begin(), items.end(), &component), items.end());
  component.ReleaseHook();
  if (items.empty()) Registry().reset();
}

Application* THookList::App() const { return items_.empty() ? nullptr : items_.front()->App(); }

bool THookList::Contains(const TMagnetFormHookComponent* component) const {
  return std::find(items_.begin(), items_.end(), component) != items_.end();
}

uintptr_t THookList::GetUnhookedProc(uintptr_t window) const {
  for (const TMagnetFormHookComponent* c : items_) {
    if (c->hooked_ && c->hookedWindow_ == window && c->prevProc_ != 0) return c->prevProc_;
  }
  return platform_.WindowProcedure(window);
}

void THookList::Rechain(uintptr_t window, uintptr_t base) {
  uintptr_t previous = base;
  for (TMagnetFormHookComponent* c : items_) {
    if (!c->hooked_ || c->hookedWindow_ != window) continue;
    c->prevProc_ = previous;
    previous = c->hookProc_;
  }
  platform_.SetWindowProcedure(window, previous);
}

void THookList::Hook(TMagnetFormHookComponent& component) {
  if (component.hookProc_ == 0) component.hookProc_ = platform_.MakeHookProcedure(component);
  component.hookedWindow_ = component.GetHookedWindow();
  // Without a window or a procedure to put in front of it there is nothing
  // to chain; the component stays registered and unhooked.
  if (component.hookProc_ == 0 || !RealWindow(component.hookedWindow_)) return;
  const uintptr_t base = GetUnhookedProc(component.hookedWindow_);
  component.hooked_ = true;
  Rechain(component.hookedWindow_, base);
}

void THookList::Unhook(TMagnetFormHookComponent& component) {
  const uintptr_t window = component.hookedWindow_;
  if (!RealWindow(window)) return;
  const uintptr_t base = GetUnhookedProc(window);
  items_.erase(std::remove(items_.begin(), items_.end(), &component), items_.end());
  const bool wasHooked = component.hooked_;
  component.hooked_ = false;
  if (wasHooked) Rechain(window, base);
  component.ReleaseHook();
}

void THookList::PostRehook(uintptr_t window) {
  if (utility_) utility_->PostRehook(window);
}

void THookList::Rehook(uintptr_t oldWindow) {
  std::vector<TMagnetFormHookComponent*> affected;
  for (TMagnetFormHookComponent* c : items_) {
    if (c->hookedWindow_ == oldWindow) affected.push_back(c);
  }
  for (auto it = affected.rbegin(); it != affected.rend(); ++it) (*it)->ReleaseHook();
  for (TMagnetFormHookComponent* c : affected) {
    Hook(*c);
    c->Rehooked();
  }
}

}  // namespace welmor
