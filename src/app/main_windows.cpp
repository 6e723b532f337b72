// The commands that open the history and about windows.
#include "app/main_form.hpp"
#include "windows/about_form.hpp"
#include "windows/history_form.hpp"

namespace welmor {

// Each choice makes one more history window; it lives, hidden when closed,
// as long as the widget.
void TfrmMain::mnuHistoryClick(Component&) { Make<TfrmHistory>(AppInfo(), *txt_1, probes_).ShowForm(); }

// The about window goes as soon as it is closed.
void TfrmMain::mnuAboutClick(Component&) {
  if (!services_.aboutPlatform) return;
  TfrmAbout(this, AppInfo(), *txt_1, *services_.aboutPlatform, probes_).ShowModal();
}

}  // namespace welmor
