#pragma once
// TfrmHistory: the change log in a small borderless window in the widget's
// colours. Escape closes it (it is only hidden), the arrow keys scroll the
// log, and the title or the bare panel drag it.

#include <cstdint>

#include "sysinfo/probes.hpp"
#include "toolkit/bevel.hpp"
#include "toolkit/form.hpp"
#include "toolkit/label.hpp"
#include "toolkit/memo.hpp"
#include "toolkit/panel.hpp"
#include "versioninfo/app_info.hpp"

namespace welmor {

inline constexpr const char* kHistoryTitleSuffix = " History:";
inline constexpr const char* kHistoryHint = "> use Up and Down keys to scroll <";
inline constexpr int32_t kHistoryClientWidth = 291;
inline constexpr int32_t kHistoryClientHeight = 366;

class TfrmHistory : public Form {
 public:
  // appInfo gives the version texts and background the colour to take, both
  // read afresh at every showing; both, and probes, outlive the window.
  TfrmHistory(Component* owner, const TAppInfo& appInfo, const Control& background, Probes& probes);

  void CreateParams(CreateParamsRec& params) override;

  void FormShow(Component& sender);
  void FormKeyDown(Control& sender, uint16_t& key, uint32_t shift);
  void txt_HistoryKeyDown(Control& sender, uint16_t& key, uint32_t shift);
  void txt_TitleMouseMove(Control& sender, uint32_t shift, int32_t x, int32_t y);
  void pnl_HistoryMouseMove(Control& sender, uint32_t shift, int32_t x, int32_t y);

  Panel* pnl_History = nullptr;
  Label* txt_Title = nullptr;
  Bevel* bvl_History = nullptr;
  Label* txt_Date = nullptr;
  Memo* txt_History = nullptr;
  Label* txt_Info = nullptr;

 private:
  void BuildControls();

  const TAppInfo& appInfo_;
  const Control& background_;
  Probes& probes_;
};

}  // namespace welmor
