// The context menu: its item tree, and the marks and captions it takes from
// the settings each time it opens.
#include <string>
#include <utility>

#include "app/main_form.hpp"

namespace welmor {

namespace {

using Handler = void (TfrmMain::*)(Component&);

// One item of the tree below the panel contents, in menu order. A nested
// item belongs to the last top-level item above it. An on/off option has
// `option`: its mark shows that setting; a click flips it, runs `before`,
// saves and runs `after`.
struct MenuEntry {
  bool nested;
  const char* name;
  const char* caption;  // as designed; the opening handler rewrites some
  int32_t image = -1;
  Handler onClick = nullptr;
  bool enabled = true;
  bool Settings::*option = nullptr;
  void (TfrmMain::*before)() = nullptr;
  void (TfrmMain::*after)() = nullptr;
};

const MenuEntry kMenuTree[] = {
    {false, "mnuPanels", "&Panels", 0},  // its items come from BuildPanelsMenu
    {false, "N1", "-"},
    {false, "mnuGraph", "&Graphs", 0},
    {true, "mnuActive_G", "Active", -1, &TfrmMain::mnuActive_GClick},
    {true, "N10", "-"},
    {true, "mnuShowCPUUsage_G", "CPU Usage (red)", -1, nullptr, true, &Settings::GraphCPU, nullptr,
     &TfrmMain::ApplyGraphs},
    {true, "mnuShowRAMUsage_G", "RAM Usage (yellow)", -1, nullptr, true, &Settings::GraphRAM, nullptr,
     &TfrmMain::ApplyGraphs},
    {false, "N8", "-"},
    {false, "mnuAlarms", "&Alarms", 0},
    {true, "mnuCPU1Alarm", "CPU Alarm 1", 2},
    {true, "N17", "-"},
    {true, "mnuCPU1Value", "CPU Usage > 50% ..."},
    {true, "mnuCPU1Interval", "Query interval ( 30s )... "},
    {true, "N18", "-"},
    {true, "N20", "-"},
    {true, "mnuCPU2Alarm", "CPU Alarm 2", 2},
    {true, "N21", "-"},
    {true, "mnuCPU2Value", "CPU Usage < 50% ..."},
    {true, "mnuCPU2Interval", "Query interval ( 30s ) ..."},
    {true, "N19", "-"},
    {true, "N27", "-"},
    {true, "N22", "-"},
    {true, "mnuRAM1Alarm", "RAM Alarm 1", 2},
    {true, "N23", "-"},
    {true, "mnuRAM1Value", "RAM Load > 50% ..."},
    {true, "mnuRAM1Interval", "Query interval ( 10s ) ... "},
    {true, "N24", "-"},
    {true, "N25", "-"},
    {true, "mnuRAM2Alarm", "RAM Alarm 2", 2},
    {true, "N26", "-"},
    {true, "mnuRAM2Value", "RAM Load < 50% ..."},
    {true, "mnuRAM2Interval", "Query interval ( 10s ) ..."},
    {false, "N16", "-"},
    {false, "mnuSetColor", "&Colors", 0},
    {true, "mnuColorText", "Text", -1, &TfrmMain::mnuColorTextClick},
    {true, "mnuColorBars", "Progress Bars", -1, &TfrmMain::mnuColorBarsClick},
    {true, "mnuColorBg", "Background", -1, &TfrmMain::mnuColorBgClick},
    {true, "N15", "-"},
    {true, "default1", "Default", -1, &TfrmMain::default1Click},
    {false, "N14", "-"},
    {false, "mnuMisc", "&Misc.", 0},
    {true, "mnuInstalation", "Run at StartUp", -1, nullptr, true, &Settings::RunAtStartup,
     &TfrmMain::ApplyRunAtStartup},
    {true, "mnuSticky", "Sticky window", -1, nullptr, true, &Settings::Sticky, &TfrmMain::ApplySticky},
    {true, "mnuShowProcess", "Show processes", -1, nullptr, true, &Settings::ShowProcesses},
    {true, "mnuRefresh", "Refresh ( sec.) ...", -1, &TfrmMain::mnuRefreshClick},
    // Nothing enables the update check; its command stays out of reach.
    {true, "mnuUpdates", "Check for updates", -1, &TfrmMain::mnuUpdatesClick, false},
    {true, "mnuSaveposition", "Save window position", -1, nullptr, true, &Settings::SavePosition},
    {false, "N5", "-", -1, nullptr, false},
    {false, "mnuHistory", "&History", -1, &TfrmMain::mnuHistoryClick},
    {false, "mnuAbout", "A&bout", -1, &TfrmMain::mnuAboutClick},
    {false, "N3", "-", -1, nullptr, false},
    {false, "mnuClose", "E&xit", 1, &TfrmMain::mnuCloseClick},
};

void FlipOption(TfrmMain& form, const MenuEntry& entry) {
  bool& on = form.S().*entry.option;
  on = !on;
  if (entry.before) (form.*entry.before)();
  form.Store().SaveSettings(false);
  if (entry.after) (form.*entry.after)();
}

constexpr const char* kShowProcessHint = "Show active processes on hint";

// The items of one alarm and the texts the menu shows for it.
struct AlarmMenu {
  AlarmId alarm;
  const char* switchItem;
  const char* valueItem;
  const char* intervalItem;
  const char* title;        // switch caption before " [ On ]" / " [ Off ]"
  const char* valuePrefix;  // value caption before the threshold
  const char* hintStart;    // hint before the threshold
};

const AlarmMenu kAlarmMenus[] = {
    {AlarmId::CPU1, "mnuCPU1Alarm", "mnuCPU1Value", "mnuCPU1Interval", "CPU Alarm 1", "CPU Usage >  ( ",
     "if CPU Usage is bigger then "},
    {AlarmId::CPU2, "mnuCPU2Alarm", "mnuCPU2Value", "mnuCPU2Interval", "CPU Alarm 2", "CPU Usage <  ( ",
     "if CPU Usage is smaller then "},
    {AlarmId::RAM1, "mnuRAM1Alarm", "mnuRAM1Value", "mnuRAM1Interval", "RAM Alarm 1", "RAM Load >  ( ",
     "if RAM Load is bigger then "},
    {AlarmId::RAM2, "mnuRAM2Alarm", "mnuRAM2Value", "mnuRAM2Interval", "RAM Alarm 2", "RAM Load <  ( ",
     "if RAM Load is smaller then "},
};

}  // namespace

MenuItem& TfrmMain::AddItem(MenuItem& parent, const std::string& name, const std::string& caption,
                            std::function<void(Component&)> onClick) {
  MenuItem& item = Make<MenuItem>();
  item.SetName(name);
  item.SetCaption(caption);
  if (onClick) item.OnClick = std::move(onClick);
  parent.Add(item);
  return item;
}

MenuItem& TfrmMain::AddSeparator(MenuItem& parent, const std::string& name, uint8_t group) {
  MenuItem& item = AddItem(parent, name, "-");
  item.SetGroupIndex(group);
  return item;
}

MenuItem* TfrmMain::FindMenuItem(const std::string& name) const {
  return dynamic_cast<MenuItem*>(FindComponent(name));
}

void TfrmMain::SetMenuChecked(const std::string& name, bool on) {
  if (MenuItem* item = FindMenuItem(name)) item->SetChecked(on);
}

void TfrmMain::BuildPanelsMenu(MenuItem& panels) {
  // Separator names between and after the headings, as laid out at design.
  static const char* const kAfterHeading[kPanelCount] = {"N7", "N12", "N13"};
  static const char* const kAfterContents[kPanelCount - 1][2] = {{"N9", "N2"}, {"N6", "N4"}};

  for (int k = 1; k <= kPanelCount; ++k) {
    // The menu system wants group numbers that only rise from top to bottom.
    const auto headingGroup = static_cast<uint8_t>(k + 2);
    const auto contentGroup = static_cast<uint8_t>(k + 3);
    MenuItem& heading =
        AddItem(panels, "mnuPanel" + std::to_string(k), "Panel " + std::to_string(k) + " Content");
    heading.SetImageIndex(2);
    heading.SetGroupIndex(headingGroup);
    AddSeparator(panels, kAfterHeading[k - 1], headingGroup);
    for (const PanelContentInfo& info : PanelContents()) {
      // The "HDD Free Space" item only opens its drive sub-menu.
      std::function<void(Component&)> onClick;
      if (info.content != PanelContent::pcDiskFree) {
        onClick = [this, k, content = info.content](Component&) { SetPanelContent(k, content); };
      }
      MenuItem& item = AddItem(panels, info.namePrefix + std::to_string(k), info.caption, std::move(onClick));
      item.SetRadioItem(true);
      item.SetGroupIndex(contentGroup);
    }
    if (k < kPanelCount) {
      AddSeparator(panels, kAfterContents[k - 1][0], contentGroup);
      AddSeparator(panels, kAfterContents[k - 1][1], contentGroup);
    }
  }
}

void TfrmMain::BuildMenu() {
  MenuItem& root = mnu->Items();
  MenuItem* head = &root;
  for (const MenuEntry& entry : kMenuTree) {
    std::function<void(Component&)> onClick;
    if (entry.onClick) onClick = [this, handler = entry.onClick](Component& s) { (this->*handler)(s); };
    if (entry.option) onClick = [this, &entry](Component&) { FlipOption(*this, entry); };
    MenuItem& item = AddItem(entry.nested ? *head : root, entry.name, entry.caption, std::move(onClick));
    item.SetImageIndex(entry.image);
    item.SetEnabled(entry.enabled);
    if (!entry.nested) head = &item;
  }
  if (MenuItem* panels = FindMenuItem("mnuPanels")) BuildPanelsMenu(*panels);
  // The alarms' commands; what they do lives in alarms.cpp.
  const SaveSettingsCallback save = [this] { Store().SaveSettings(false); };
  for (const AlarmMenu& menu : kAlarmMenus) {
    FindMenuItem(menu.switchItem)->OnClick = [this, id = menu.alarm, save](Component&) {
      FlipAlarm(S(), id, save);
    };
    FindMenuItem(menu.valueItem)->OnClick = [this, id = menu.alarm, save](Component&) {
      AskAlarmValue(App()->GetDialogs(), S(), id, save);
    };
    FindMenuItem(menu.intervalItem)->OnClick = [this, id = menu.alarm, save](Component&) {
      AskAlarmInterval(App()->GetDialogs(), S(), id, save);
    };
  }
  if (MenuItem* item = FindMenuItem("mnuShowProcess")) item->SetHint(kShowProcessHint);
}

void TfrmMain::mnuPopup(Component&) {
  const Settings& s = S();
  for (const MenuEntry& entry : kMenuTree) {
    if (entry.option) SetMenuChecked(entry.name, s.*entry.option);
  }
  if (MenuItem* updates = FindMenuItem("mnuUpdates")) {
    if (updates->Enabled()) updates->SetChecked(s.AutoUpdate);
    updates->SetCaption(s.AutoUpdate ? "Check for updates [ on StartUp ]" : "Check for updates [ Manual ]");
  }
  if (MenuItem* refresh = FindMenuItem("mnuRefresh")) {
    refresh->SetCaption("Refresh  (" + std::to_string(s.Interval) + " sec) ...");
  }
  MarkPanelContents();
  SetMenuChecked("mnuActive_G", s.GraphCPU || s.GraphRAM);
  MarkAlarms();
}

void TfrmMain::MarkPanelContents() {
  const Settings& s = S();
  for (int k = 1; k <= kPanelCount; ++k) {
    // Any other character leaves the marks as they were.
    const PanelContentInfo* row =
        PanelContentFromChar(StoredCharAt(s.ContentPanels, k, kDefaultContentPanels));
    if (row) SetMenuChecked(row->namePrefix + std::to_string(k), true);
  }
}

void TfrmMain::MarkAlarms() {
  const Settings& s = S();
  for (const AlarmMenu& alarm : kAlarmMenus) {
    const AlarmFields& fields = AlarmFieldsOf(alarm.alarm);
    const bool on = s.*fields.on;
    const std::string threshold = std::to_string(s.*fields.value);
    const std::string interval = std::to_string(s.*fields.interval);
    const std::string hint = alarm.hintStart + threshold + "% for " + interval + "sec then sound the alarm.";
    if (MenuItem* item = FindMenuItem(alarm.switchItem)) {
      item->SetChecked(on);
      item->SetCaption(std::string(alarm.title) + (on ? " [ On ]" : " [ Off ]"));
      item->SetHint(hint);
    }
    if (MenuItem* item = FindMenuItem(alarm.valueItem)) {
      item->SetCaption(alarm.valuePrefix + threshold + "% ) ...");
      item->SetHint(hint);
    }
    if (MenuItem* item = FindMenuItem(alarm.intervalItem)) {
      item->SetCaption("Query Interval  ( " + interval + "s ) ...");
      item->SetHint(hint);
    }
  }
}

}  // namespace welmor
