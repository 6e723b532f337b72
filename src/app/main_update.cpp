// The "Check for updates" command of the main window.
#include "app/main_form.hpp"
#include "update/updates_command.hpp"

namespace welmor {

void TfrmMain::mnuUpdatesClick(Component&) { UpdatesMenuClick(*this, S(), services_.updates, AppInfo()); }

}  // namespace welmor
