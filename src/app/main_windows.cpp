// The commands that open the history and about windows.
#include "app/main_form.hpp"

namespace welmor {

void TfrmMain::mnuHistoryClick(Component&) {}
void TfrmMain::mnuAboutClick(Component&) {}

}  // namespace welmor
