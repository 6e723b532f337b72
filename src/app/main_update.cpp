// The update check's menu command.
#include "app/main_form.hpp"

namespace welmor {

void TfrmMain::mnuUpdatesClick(Component&) {}

}  // namespace welmor
