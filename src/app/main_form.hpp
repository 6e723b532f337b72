#pragma once
// TfrmMain: the widget's one window. Three text panels with a thin bar
// each, the strip chart below them, the refresh timer and the context menu.

#include <array>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "app/alarms.hpp"
#include "app/panel_content.hpp"
#include "app/sound_player.hpp"
#include "controls/form_magnet.hpp"
#include "controls/graph.hpp"
#include "controls/progress_bar.hpp"
#include "settings/settings_store.hpp"
#include "sysinfo/probes.hpp"
#include "toolkit/application.hpp"
#include "toolkit/color_dialog.hpp"
#include "toolkit/form.hpp"
#include "toolkit/label.hpp"
#include "toolkit/menu.hpp"
#include "toolkit/timer.hpp"
#include "update/update_services.hpp"
#include "versioninfo/app_info.hpp"
#include "windows/about_platform.hpp"

namespace welmor {

inline constexpr const char* kPanelStartCaption = "Gathering data ...";
inline constexpr const char* kWrongSystemText = " works only on Win 2k / XP / 2K3 systems!";
// Refusals of the colour commands, which the user's guide quotes.
inline constexpr const char* kTextOnBackground =
    "        Selected color is the same as background color,\r\n"
    "so, you won`t be able to see the text, so select other color!";
inline constexpr const char* kBarsOnBackground =
    "        Selected color is the same as background color,\r\n"
    "so, you won`t be able to see the bars, so select other color!";
inline constexpr const char* kBackgroundUnderText =
    "            Selected color is the same as text color,\r\n"
    "so, you won`t be able to see the text, so select other color!";
// Window class of the widget's own window ("WelmorMain_20000" with the
// drop shadow of XP).
inline constexpr const char* kMainWindowClassName = "WelmorMain";

// What the window needs from the platform besides the toolkit, which it
// reaches through its application.
struct MainFormServices {
  // The system figures; without them every figure reads as its failure value.
  Probes* probes = nullptr;
  VersionSource* versionSource = nullptr;
  // Makes the program's settings store; the window hands it its own hooks.
  std::function<std::unique_ptr<SettingsStore>(SettingsHooks)> makeSettingsStore;
  // Window hooks for the magnet; without them the window does not snap.
  MagnetPlatform* magnetPlatform = nullptr;
  // Plays the alarms' sounds; without one the alarms count in silence.
  SoundPlayer* soundPlayer = nullptr;
  // The update check's platform side; without it the check never runs.
  UpdateServices* updates = nullptr;
  // The file date and link opening of the about window.
  AboutPlatform* aboutPlatform = nullptr;
};

class TfrmMain : public Form {
 public:
  TfrmMain(Component* owner, MainFormServices services);
  ~TfrmMain() override;

  void CreateParams(CreateParamsRec& params) override;

  // --- form events ---------------------------------------------------------
  void FormCreate(Component& sender);
  void FormShow(Component& sender);
  void FormClose(Component& sender, CloseAction& action);
  bool AppMessage(const Message& msg);

  void ApplyLayout();
  void ApplyColors();
  void UpdateGraph(bool initial);

  // --- refresh cycle -----------------------------------------------------------
  void trmTimer(Component& sender);
  void grTmrTimer(Component& sender);
  void txt_1MouseMove(Control& sender, uint32_t shift, int32_t x, int32_t y);
  void grMouseMove(Control& sender, uint32_t shift, int32_t x, int32_t y);

  // --- menu (main_menu.cpp builds it and marks it when it opens) ----------------
  void mnuPopup(Component& sender);
  void mnuCloseClick(Component& sender);
  // What an on/off option's change applies besides the save; the options
  // themselves are rows of the menu tree (main_menu.cpp).
  void ApplyRunAtStartup();
  // The magnet follows the Sticky setting.
  void ApplySticky();
  void ApplyGraphs();

  // --- commands (main_commands.cpp) ---------------------------------------------
  void mnuRefreshClick(Component& sender);
  void mnuActive_GClick(Component& sender);

  // --- colours (colours.cpp) -------------------------------------------------------
  void mnuColorTextClick(Component& sender);
  void mnuColorBarsClick(Component& sender);
  void mnuColorBgClick(Component& sender);
  void default1Click(Component& sender);

  // --- other windows (main_windows.cpp) and the update check (main_update.cpp) ---
  void mnuHistoryClick(Component& sender);
  void mnuAboutClick(Component& sender);
  void mnuUpdatesClick(Component& sender);

  // --- state read by the other parts of the window and by tests ----------------
  int32_t CpuCount = 1;
  int32_t CpuUsage = 0;
  int32_t PanelHeight = 17;
  int32_t PanelWidth = 140;
  bool PositionPending = true;
  bool DriveMenusPending = true;
  std::vector<std::string> FixedDrives;
  std::array<Label*, kPanelCount + 1> Panels{};        // [1..3]
  std::array<TQProgressBar*, kPanelCount + 1> Bars{};  // [1..3]

  Settings& S() { return store_->Record(); }
  SettingsStore& Store() { return *store_; }
  TAppInfo& AppInfo() { return *appInfo_; }

  Label* txt_1 = nullptr;
  Label* txt_2 = nullptr;
  Label* txt_3 = nullptr;
  TQProgressBar* prg_1 = nullptr;
  TQProgressBar* prg_2 = nullptr;
  TQProgressBar* prg_3 = nullptr;
  KrGraphic* gr = nullptr;
  Timer* trm = nullptr;
  PopupMenu* mnu = nullptr;
  ImageList* imgs = nullptr;
  TFormMagnet* frmMagnet = nullptr;
  ColorDialog* ColorDlg = nullptr;

 private:
  void BuildControls();
  void BuildMenu();
  void BuildPanelsMenu(MenuItem& parent);
  MenuItem& AddItem(MenuItem& parent, const std::string& name, const std::string& caption,
                    std::function<void(Component&)> onClick = {});
  MenuItem& AddSeparator(MenuItem& parent, const std::string& name, uint8_t group = 0);
  MenuItem* FindMenuItem(const std::string& name) const;
  void SetMenuChecked(const std::string& name, bool on);
  void MarkPanelContents();
  void MarkAlarms();
  void ApplyTextColor();
  void ApplyBarColor();
  void ApplyBackgroundColor();
  void PickColor(uint32_t Settings::*field, uint32_t Settings::*mustDiffer, const char* refusal,
                 void (TfrmMain::*apply)());
  void BuildDriveMenus();
  // Panel k from the tick's figures; sets their drive letter to the panel's.
  void FillPanel(int k, PanelSources& sources);
  void SetPanelContent(int k, PanelContent content);
  void SetPanelDrive(int k, Component& item);
  void PanelMouseMove(Control& sender, bool buildTooltip);
  // Switches the chart's timer; one that starts is out of step until the
  // next refresh tick.
  void SetChartTimer(bool on);
  void KeepChartInStep();

  MainFormServices services_;
  Probes noProbes_;
  Probes& probes_;
  std::unique_ptr<SettingsStore> store_;
  TAppInfo* appInfo_ = nullptr;
  AlarmMonitor alarms_{nullptr};
  // The chart's timer was restarted by a refresh tick since it last started.
  bool chartInStep_ = false;
  // The refresh tick's memory reading while its CPU sampler pumps messages.
  std::optional<MemoryStatus> tickMemory_;
};

}  // namespace welmor
