#pragma once
// The "Check for updates" menu command.

#include "settings/settings.hpp"
#include "toolkit/component.hpp"
#include "update/update_services.hpp"
#include "versioninfo/app_info.hpp"

namespace welmor {

inline constexpr const char* kCheckNowQuestion = "Do you want to check for updates now ?";

// Flips AutoUpdate (the next save stores it), then offers a check, which runs
// in the mode just chosen. Without services (a build that has none) the
// answer changes nothing more.
void UpdatesMenuClick(const Component& from, Settings& settings, UpdateServices* services,
                      const TAppInfo& appInfo);

}  // namespace welmor
