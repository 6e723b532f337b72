#include "update/updates_command.hpp"

#include "update/update_check.hpp"
#include "winutil/window_helpers.hpp"

namespace welmor {

void UpdatesMenuClick(Settings& settings, UpdateServices* services, const TAppInfo& appInfo) {
  settings.AutoUpdate = !settings.AutoUpdate;
  if (!AskYesNo(kCheckNowQuestion) || services == nullptr) return;
  UpdateChecker checker(
      *services, settings,
      {appInfo.FileMajorVer(), appInfo.FileMinorVer(), appInfo.FileReleaseVer(), appInfo.FileBuildVer()});
  checker.CheckForUpdates();
}

}  // namespace welmor
