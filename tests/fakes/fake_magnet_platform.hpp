#pragma once
// A window system for the magnet without windows: procedures are numbers,
// a window's own procedure answers every message itself, and the cursor,
// displays and mouse button are set by the test.

#include <map>
#include <memory>
#include <string>
#include <vector>

#include "controls/hook_component.hpp"
#include "controls/magnet_platform.hpp"

namespace welmor {

class FakeMagnetPlatform : public MagnetPlatform {
 public:
  // The procedure a window has before anything hooks it.
  static uintptr_t BaseProc(uintptr_t window) { return 0x10000 + window; }

  uintptr_t WindowProcedure(uintptr_t window) override {
    auto it = procs.find(window);
    return it == procs.end() ? BaseProc(window) : it->second;
  }
  void SetWindowProcedure(uintptr_t window, uintptr_t procedure) override { procs[window] = procedure; }
  uintptr_t MakeHookProcedure(TMagnetFormHookComponent& component) override {
    hooks[++lastHook] = &component;
    return lastHook;
  }
  void FreeHookProcedure(uintptr_t procedure) override { hooks.erase(procedure); }
  intptr_t CallProcedure(uintptr_t procedure, uintptr_t window, const HookMessage& msg) override {
    auto it = hooks.find(procedure);
    if (it != hooks.end()) {
      HookMessage copy = msg;
      return it->second->HookProc(copy);
    }
    log.push_back(procedure == BaseProc(window) ? "base" : "stray");
    return msg.message == kWmNcHitTest ? kHitClient : 0;
  }
  // Sends a message to the window as the system would: to its current
  // procedure.
  intptr_t Send(uintptr_t window, HookMessage msg) {
    return CallProcedure(WindowProcedure(window), window, msg);
  }

  std::unique_ptr<HookUtilityWindow> MakeUtilityWindow(THookList&) override {
    struct Utility : HookUtilityWindow {
      explicit Utility(std::vector<uintptr_t>& posted) : posted(posted) {}
      void PostRehook(uintptr_t window) override { posted.push_back(window); }
      std::vector<uintptr_t>& posted;
    };
    return std::make_unique<Utility>(rehooksPosted);
  }

  Point CursorPos() override { return cursor; }
  Rect ClientRectOnScreen(uintptr_t) override { return Rect{}; }
  uint32_t Style(uintptr_t) override { return style; }
  uint32_t ExStyle(uintptr_t) override { return exStyle; }
  std::optional<Monitor> MonitorOf(const Rect& window) override { return MonitorOfWindow(monitors, window); }
  Rect DesktopRect() override { return desktop; }
  bool PrimaryButtonDown() override { return buttonDown; }
  Rect MovingRect(const HookMessage& msg) override { return *reinterpret_cast<const Rect*>(msg.lParam); }
  void SetMovingRect(const HookMessage& msg, const Rect& r) override {
    *reinterpret_cast<Rect*>(msg.lParam) = r;
  }

  std::map<uintptr_t, uintptr_t> procs;
  std::map<uintptr_t, TMagnetFormHookComponent*> hooks;
  uintptr_t lastHook = 0;
  std::vector<std::string> log;
  std::vector<uintptr_t> rehooksPosted;
  Point cursor;
  uint32_t style = 0;
  uint32_t exStyle = 0;
  std::vector<Monitor> monitors = {Monitor{Rect{0, 0, 1024, 768}, Rect{0, 0, 1024, 738}}};
  Rect desktop{0, 0, 1024, 768};
  bool buttonDown = false;
};

}  // namespace welmor
