#pragma once
// The process's registry of hook components. It keeps each hooked window's
// chain in registration order and owns the utility window that re-hooks a
// recreated window. It exists while at least one component is registered.

#include <cstdint>
#include <memory>
#include <vector>

#include "controls/magnet_platform.hpp"

namespace welmor {

class TMagnetFormHookComponent;
class Application;

class THookList {
 public:
  explicit THookList(MagnetPlatform& platform);
  ~THookList();
  THookList(const THookList&) = delete;
  THookList& operator=(const THookList&) = delete;

  // The registry, or null when no component is registered.
  static THookList* Instance();
  // Registers and hooks the component, making the registry first if needed.
  static void Register(TMagnetFormHookComponent& component, MagnetPlatform& platform);
  // Unhooks and unregisters it; the registry goes with the last one.
  static void Unregister(TMagnetFormHookComponent& component);

  bool Contains(const TMagnetFormHookComponent* component) const;
  std::size_t Count() const { return items_.size(); }
  // The application the hooked forms belong to (where errors are shown).
  Application* App() const;

  // The window's procedure under all of our hooks.
  uintptr_t GetUnhookedProc(uintptr_t window) const;
  // Chains the window's hooks in registration order on top of base.
  void Rechain(uintptr_t window, uintptr_t base);
  void Hook(TMagnetFormHookComponent& component);
  void Unhook(TMagnetFormHookComponent& component);

  // The window of these hooks was destroyed: asks for Rehook later.
  void PostRehook(uintptr_t window);
  // Hooks every component of the destroyed window again, onto its owner's
  // new window.
  void Rehook(uintptr_t oldWindow);

 private:
  MagnetPlatform& platform_;
  std::vector<TMagnetFormHookComponent*> items_;
  std::unique_ptr<HookUtilityWindow> utility_;
};

}  // namespace welmor
