#include "update/updates_command.hpp"

#include "update/update_check.hpp"
#include "winutil/window_helpers.hpp"

namespace welmor {

void UpdatesMenuClick(const Component& from, Settings& settings, UpdateServices* services,
                      const TAppInfo& appInfo) {
  settings.AutoUpdate = !settings.AutoUpdate;
  if (!AskYesNo(from, kCheckNowQuestion) || services == nullptr) return;
  UpdateChecker checker(
      from, *services, settings,
      {appInfo.FileMajorVer(), appInfo.FileMinorVer(), appInfo.FileReleaseVer(), appInfo.FileBuildVer()});
  checker.CheckForUpdates();
}

}  // namespace welmor
