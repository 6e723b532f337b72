#include "windows/history_form.hpp"

#include "windows/change_log.hpp"
#include "windows/secondary_window.hpp"
#include "winutil/drop_shadow.hpp"
#include "winutil/window_helpers.hpp"

namespace welmor {

namespace {

constexpr uint16_t kVkEscape = 27;

}  // namespace

TfrmHistory::TfrmHistory(Component* owner, const TAppInfo& appInfo, const Control& background,
                         Probes& probes)
    : Form(owner), appInfo_(appInfo), background_(background), probes_(probes) {
  SetName("frmHistory");
  BuildControls();
  OnShow = [this](Component& s) { FormShow(s); };
  OnKeyDown = [this](Control& s, uint16_t& key, uint32_t shift) { FormKeyDown(s, key, shift); };
  DoCreate();
}

void TfrmHistory::BuildControls() {
  SetUpSecondaryWindow(*this, kHistoryClientWidth, kHistoryClientHeight);

  pnl_History = &Make<Panel>();
  pnl_History->SetName("pnl_History");
  pnl_History->SetParent(this);
  pnl_History->SetBounds(0, 0, kHistoryClientWidth, kHistoryClientHeight);
  pnl_History->SetBevelInner(BevelCut::Lowered);
  pnl_History->OnMouseMove = [this](Control& s, uint32_t shift, int32_t x, int32_t y) {
    pnl_HistoryMouseMove(s, shift, x, y);
  };

  txt_Title = &AddStaticText(*this, *pnl_History, "txt_Title", Font{"MS Sans Serif", -11, 0, fsBold}, 10, 12);
  txt_Title->OnMouseMove = [this](Control& s, uint32_t shift, int32_t x, int32_t y) {
    txt_TitleMouseMove(s, shift, x, y);
  };

  bvl_History = &Make<Bevel>();
  bvl_History->SetName("bvl_History");
  bvl_History->SetParent(pnl_History);
  bvl_History->SetParentColor(true);
  bvl_History->SetShape(BevelShape::TopLine);
  bvl_History->SetStyle(BevelCut::Raised);
  bvl_History->SetBounds(10, 29, 272, 2);

  txt_Date = &AddStaticText(*this, *pnl_History, "txt_Date", Font{"Microsoft Sans Serif", -9, 0, 0}, 200, 13);

  txt_History = &Make<Memo>();
  txt_History->SetName("txt_History");
  txt_History->SetParent(pnl_History);
  txt_History->SetBounds(5, 40, 281, 313);
  txt_History->SetColor(kCream);
  txt_History->SetFont(Font{"Arial", -11, 0, 0});
  txt_History->SetWordWrap(true);
  txt_History->SetScrollBars(ScrollBars::None);
  txt_History->SetReadOnly(false);
  txt_History->OnKeyDown = [this](Control& s, uint16_t& key, uint32_t shift) {
    txt_HistoryKeyDown(s, key, shift);
  };
  SetActiveControl(txt_History);

  txt_Info = &AddStaticText(*this, *pnl_History, "txt_Info", Font{"Microsoft Sans Serif", -9, 0, 0}, 5, 353,
                            281, 11);
  txt_Info->SetAlignment(Alignment::Center);
}

void TfrmHistory::CreateParams(CreateParamsRec& params) {
  Form::CreateParams(params);
  AddDropShadowOnXP(params, probes_.GetOSVersionText());
}

void TfrmHistory::FormShow(Component&) {
  pnl_History->SetColor(background_.GetColor());
  txt_Title->SetCaption(appInfo_.ProductName() + kHistoryTitleSuffix);
  txt_Info->SetCaption(kHistoryHint);
  txt_Date->SetCaption(appInfo_.FileNiceVersion());
  const std::string currentVersion = appInfo_.FileMajorVer() + "." + appInfo_.FileMinorVer();
  // Whatever the user typed into the log last time goes.
  txt_History->Clear();
  txt_History->SetText(BuildChangeLog(currentVersion));
}

void TfrmHistory::FormKeyDown(Control&, uint16_t& key, uint32_t) {
  if (key == kVkEscape) Close();
}

void TfrmHistory::txt_HistoryKeyDown(Control& sender, uint16_t& key, uint32_t shift) {
  FormKeyDown(sender, key, shift);
}

void TfrmHistory::txt_TitleMouseMove(Control&, uint32_t, int32_t, int32_t) { DragWindow(*this); }

void TfrmHistory::pnl_HistoryMouseMove(Control&, uint32_t, int32_t, int32_t) { DragWindow(*this); }

}  // namespace welmor
