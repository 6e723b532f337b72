// The widget's three colours: text, bars and background. Picked through the
// colour dialog, refused when they would vanish against the colour they must
// stand out from, applied to every control that shows them, and saved.
#include "app/main_form.hpp"
#include "winutil/window_helpers.hpp"

namespace welmor {

namespace {

constexpr Color kDefaultText = 0;
constexpr Color kDefaultBars = 255;
constexpr Color kDefaultBackground = 15780518;

}  // namespace

void TfrmMain::ApplyTextColor() {
  for (int i = 1; i <= kPanelCount; ++i) {
    if (Panels[i]) Panels[i]->SetFontColor(S().ColorT);
  }
}

void TfrmMain::ApplyBarColor() {
  // Property by property across the three bars.
  for (auto set :
       {&TQProgressBar::SetBarColor, &TQProgressBar::SetStartColor, &TQProgressBar::SetFinalColor}) {
    for (int i = 1; i <= kPanelCount; ++i) {
      if (Bars[i]) (Bars[i]->*set)(S().ColorB);
    }
  }
}

void TfrmMain::ApplyBackgroundColor() {
  const Color c = S().ColorBG;
  for (auto set : {&TQProgressBar::SetShapeColor, &TQProgressBar::SetBackgroundColor}) {
    for (int i = 1; i <= kPanelCount; ++i) {
      if (Bars[i]) (Bars[i]->*set)(c);
    }
  }
  for (int i = 1; i <= kPanelCount; ++i) {
    if (Panels[i]) Panels[i]->SetColor(c);
  }
  gr->SetBgColor(c);
  if (Application* app = App()) app->SetHintColor(c);
}

void TfrmMain::ApplyColors() {
  ApplyTextColor();
  ApplyBarColor();
  ApplyBackgroundColor();
}

void TfrmMain::PickColor(uint32_t Settings::*field, uint32_t Settings::*mustDiffer, const char* refusal,
                         void (TfrmMain::*apply)()) {
  if (ColorDlg->Execute()) {
    const Color c = ColorDlg->GetColor();
    if ((c & 0x00FFFFFFu) == (S().*mustDiffer & 0x00FFFFFFu)) {
      ShowMessageBox(*this, refusal, true);
    } else {
      S().*field = c;
      (this->*apply)();
    }
  }
  // Saved whatever the user did, a cancelled or refused pick included.
  store_->SaveSettings(false);
}

void TfrmMain::mnuColorTextClick(Component&) {
  PickColor(&Settings::ColorT, &Settings::ColorBG, kTextOnBackground, &TfrmMain::ApplyTextColor);
}

void TfrmMain::mnuColorBarsClick(Component&) {
  PickColor(&Settings::ColorB, &Settings::ColorBG, kBarsOnBackground, &TfrmMain::ApplyBarColor);
}

void TfrmMain::mnuColorBgClick(Component&) {
  // Only the text is compared: a background like the bars is accepted.
  PickColor(&Settings::ColorBG, &Settings::ColorT, kBackgroundUnderText, &TfrmMain::ApplyBackgroundColor);
}

void TfrmMain::default1Click(Component&) {
  S().ColorT = kDefaultText;
  S().ColorB = kDefaultBars;
  S().ColorBG = kDefaultBackground;
  ApplyColors();
  store_->SaveSettings(false);
}

}  // namespace welmor
