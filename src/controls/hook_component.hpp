#pragma once
// A component that puts its own procedure in front of its owner form's
// window procedure. Several of them may hook one window: the one registered
// last sees each message first, the window's own procedure sees it last.
// When the toolkit destroys and recreates the window, the hooks follow the
// new one.

#include <cstdint>

#include "controls/magnet_platform.hpp"
#include "toolkit/component.hpp"
#include "toolkit/form.hpp"

namespace welmor {

class TMagnetFormHookComponent : public Component {
 public:
  // owner must be a form. Without a platform nothing is hooked (a backend
  // without windows).
  TMagnetFormHookComponent(Component* owner, MagnetPlatform* platform);
  ~TMagnetFormHookComponent() override;

  // The hook procedure's body: never lets an exception out.
  intptr_t HookProc(HookMessage& msg) noexcept;

  bool Hooked() const { return hooked_; }
  Form& OwnerForm() const { return ownerForm_; }
  uintptr_t HookedWindow() const { return hookedWindow_; }
  uintptr_t PrevProc() const { return prevProc_; }
  uintptr_t HookProcedure() const { return hookProc_; }

 protected:
  virtual void BeforeMessage(HookMessage& msg, bool& handled);
  virtual void AfterMessage(HookMessage& msg);
  virtual void Rehooked() {}
  // The owner form's window, made now when it has none yet.
  virtual uintptr_t GetHookedWindow();

  MagnetPlatform* Platform() const { return platform_; }

 private:
  friend class THookList;
  // Frees the hook procedure; the component no longer hooks anything.
  void ReleaseHook();

  bool hooked_ = false;
  Form& ownerForm_;
  uintptr_t hookedWindow_ = 0;
  uintptr_t prevProc_ = 0;
  uintptr_t hookProc_ = 0;
  MagnetPlatform* platform_;
  bool destroying_ = false;
};

}  // namespace welmor
