// Menu commands that change the refresh interval and switch both graphs, and
// what a graph option's change applies. The on/off options themselves are
// entries of the menu tree (main_menu.cpp).
#include <cstdint>
#include <string>

#include "app/main_form.hpp"
#include "textutil/format.hpp"

namespace welmor {

namespace {

constexpr const char* kRefreshCaption = "Refresh after ...";
constexpr const char* kRefreshPrompt = "Set refresh interval: (in seconds)";
constexpr const char* kRefreshTooSmall =
    "Refresh interval is too small, therefor refresh interval was set to 1 second.";
constexpr const char* kRefreshTooBig =
    "Refresh interval is too big, therefor refresh interval was set to 1 second.";
constexpr uint64_t kLongestRefresh = 60;

// The number a run of digits stands for; a run too long for any sensible
// interval reads as one more than the longest, so it is answered as too big
// instead of wrapping round to a small number.
uint64_t DigitsValue(const std::string& digits) {
  uint64_t value = 0;
  for (char c : digits) {
    value = value * 10 + static_cast<uint64_t>(c - '0');
    if (value > kLongestRefresh) return kLongestRefresh + 1;
  }
  return value;
}

}  // namespace

void TfrmMain::mnuRefreshClick(Component&) {
  Settings& s = S();
  Application* app = App();
  if (app == nullptr) return;
  Dialogs& dialogs = app->GetDialogs();
  const std::string answer = dialogs.InputBox(kRefreshCaption, kRefreshPrompt, std::to_string(s.Interval));
  // Anything but a plain run of digits (a sign, a blank, a unit) is ignored.
  if (!answer.empty() && IsDigits(answer)) {
    uint64_t value = DigitsValue(answer);
    const std::string caption = appInfo_->ProductName() + " " + appInfo_->FileNiceVersion();
    if (value < 1) {
      dialogs.MessageBox(kRefreshTooSmall, caption);
      value = 1;
    }
    if (value > kLongestRefresh) {
      dialogs.MessageBox(kRefreshTooBig, caption);
      value = 1;
    }
    s.Interval = static_cast<int32_t>(value);
  }
  store_->SaveSettings(false);
  trm->SetInterval(RefreshIntervalMs(S()));
}

void TfrmMain::ApplyGraphs() {
  UpdateGraph(false);
  ApplyLayout();
}

void TfrmMain::mnuActive_GClick(Component&) {
  const bool on = !gr->Visible();
  S().GraphCPU = on;
  S().GraphRAM = on;
  store_->SaveSettings(false);
  ApplyGraphs();
}

}  // namespace welmor
