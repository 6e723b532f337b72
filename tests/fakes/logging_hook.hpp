#pragma once
// A hook component that only writes its tag into a log for every message it
// sees, to show the order of a window's hooks.

#include <string>
#include <utility>
#include <vector>

#include "controls/hook_component.hpp"

namespace welmor {

class LoggingHook : public TMagnetFormHookComponent {
 public:
  LoggingHook(Component* owner, MagnetPlatform* platform, std::string tag, std::vector<std::string>& log,
              uint32_t only = 0)
      : TMagnetFormHookComponent(owner, platform), tag_(std::move(tag)), log_(log), only_(only) {}

 protected:
  void BeforeMessage(HookMessage& msg, bool&) override {
    if (only_ == 0 || msg.message == only_) log_.push_back(tag_);
  }

 private:
  std::string tag_;
  std::vector<std::string>& log_;
  uint32_t only_;
};

}  // namespace welmor
