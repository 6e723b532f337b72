// The commands that open the history and about windows.
#include "app/main_form.hpp"
#include "windows/about_form.hpp"
#include "windows/history_form.hpp"

namespace welmor {

// Each choice makes one more history window. Closing one only hides it (it
// is inside its own key event then), so the ones the user has closed are
// freed here, before the next is made: a widget left running for weeks holds
// only the history windows on screen.
void TfrmMain::mnuHistoryClick(Component&) {
  FreeOwned([](const Component& c) {
    const auto* history = dynamic_cast<const TfrmHistory*>(&c);
    return history != nullptr && !history->Visible();
  });
  Make<TfrmHistory>(AppInfo(), *txt_1, probes_).ShowForm();
}

// The about window goes as soon as it is closed.
void TfrmMain::mnuAboutClick(Component&) {
  if (!services_.aboutPlatform) return;
  TfrmAbout(this, AppInfo(), *txt_1, *services_.aboutPlatform, probes_).ShowModal();
}

}  // namespace welmor
