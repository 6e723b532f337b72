// The context menu of the main window: its whole tree as designed, and the
// marks, captions and hints it takes from the settings when it opens.
#include <gtest/gtest.h>

#include <functional>
#include <set>
#include <string>
#include <vector>

#include "unit/main_form_fixture.hpp"

namespace welmor {
namespace {

using MainMenuTest = testenv::MainFormTest;

// One line per item: depth dots, name, caption, kind (sub, radio, sep, item),
// group, image, then "off" when disabled and "click" when it has a command.
void Describe(const MenuItem& parent, int depth, std::vector<std::string>& out) {
  for (const MenuItem* item : parent.Items()) {
    std::string kind = item->Count() > 0     ? "sub"
                       : item->RadioItem()   ? "radio"
                       : item->IsSeparator() ? "sep"
                                             : "item";
    std::string line = std::string(depth, '.') + item->Name() + "|" + item->Caption() + "|" + kind + "|" +
                       std::to_string(item->GroupIndex()) + "|" + std::to_string(item->ImageIndex());
    if (!item->Enabled()) line += "|off";
    if (item->OnClick) line += "|click";
    out.push_back(line);
    Describe(*item, depth + 1, out);
  }
}

// The content items of panel k, from the table of contents (its rows are
// checked in main_form_test.cpp); "HDD Free Space" only opens its sub-menu.
std::vector<std::string> PanelItems(int k) {
  const std::string tail = "|radio|" + std::to_string(k + 3) + "|-1";
  std::vector<std::string> lines;
  for (const PanelContentInfo& row : PanelContents()) {
    const bool click = row.content != PanelContent::pcDiskFree;
    lines.push_back("." + std::string(row.namePrefix) + std::to_string(k) + "|" + row.caption + tail +
                    (click ? "|click" : ""));
  }
  return lines;
}

TEST_F(MainMenuTest, TheTreeIsTheDesignedOne) {
  StoreVersionOnly();
  Start();
  std::vector<std::string> expected = {"mnuPanels|&Panels|sub|0|0", ".mnuPanel1|Panel 1 Content|item|3|2",
                                       ".N7|-|sep|3|-1"};
  const auto append = [&](const std::vector<std::string>& lines) {
    expected.insert(expected.end(), lines.begin(), lines.end());
  };
  append(PanelItems(1));
  append({".N9|-|sep|4|-1", ".N2|-|sep|4|-1", ".mnuPanel2|Panel 2 Content|item|4|2", ".N12|-|sep|4|-1"});
  append(PanelItems(2));
  append({".N6|-|sep|5|-1", ".N4|-|sep|5|-1", ".mnuPanel3|Panel 3 Content|item|5|2", ".N13|-|sep|5|-1"});
  append(PanelItems(3));
  append({
      "N1|-|sep|0|-1",
      "mnuGraph|&Graphs|sub|0|0",
      ".mnuActive_G|Active|item|0|-1|click",
      ".N10|-|sep|0|-1",
      ".mnuShowCPUUsage_G|CPU Usage (red)|item|0|-1|click",
      ".mnuShowRAMUsage_G|RAM Usage (yellow)|item|0|-1|click",
      "N8|-|sep|0|-1",
      "mnuAlarms|&Alarms|sub|0|0",
      ".mnuCPU1Alarm|CPU Alarm 1|item|0|2|click",
      ".N17|-|sep|0|-1",
      ".mnuCPU1Value|CPU Usage > 50% ...|item|0|-1|click",
      ".mnuCPU1Interval|Query interval ( 30s )... |item|0|-1|click",
      ".N18|-|sep|0|-1",
      ".N20|-|sep|0|-1",
      ".mnuCPU2Alarm|CPU Alarm 2|item|0|2|click",
      ".N21|-|sep|0|-1",
      ".mnuCPU2Value|CPU Usage < 50% ...|item|0|-1|click",
      ".mnuCPU2Interval|Query interval ( 30s ) ...|item|0|-1|click",
      ".N19|-|sep|0|-1",
      ".N27|-|sep|0|-1",
      ".N22|-|sep|0|-1",
      ".mnuRAM1Alarm|RAM Alarm 1|item|0|2|click",
      ".N23|-|sep|0|-1",
      ".mnuRAM1Value|RAM Load > 50% ...|item|0|-1|click",
      ".mnuRAM1Interval|Query interval ( 10s ) ... |item|0|-1|click",
      ".N24|-|sep|0|-1",
      ".N25|-|sep|0|-1",
      ".mnuRAM2Alarm|RAM Alarm 2|item|0|2|click",
      ".N26|-|sep|0|-1",
      ".mnuRAM2Value|RAM Load < 50% ...|item|0|-1|click",
      ".mnuRAM2Interval|Query interval ( 10s ) ...|item|0|-1|click",
      "N16|-|sep|0|-1",
      "mnuSetColor|&Colors|sub|0|0",
      ".mnuColorText|Text|item|0|-1|click",
      ".mnuColorBars|Progress Bars|item|0|-1|click",
      ".mnuColorBg|Background|item|0|-1|click",
      ".N15|-|sep|0|-1",
      ".default1|Default|item|0|-1|click",
      "N14|-|sep|0|-1",
      "mnuMisc|&Misc.|sub|0|0",
      ".mnuInstalation|Run at StartUp|item|0|-1|click",
      ".mnuSticky|Sticky window|item|0|-1|click",
      ".mnuShowProcess|Show processes|item|0|-1|click",
      ".mnuRefresh|Refresh ( sec.) ...|item|0|-1|click",
      ".mnuUpdates|Check for updates|item|0|-1|off|click",
      ".mnuSaveposition|Save window position|item|0|-1|click",
      "N5|-|sep|0|-1|off",
      "mnuHistory|&History|item|0|-1|click",
      "mnuAbout|A&bout|item|0|-1|click",
      "N3|-|sep|0|-1|off",
      "mnuClose|E&xit|item|0|1|click",
  });
  std::vector<std::string> actual;
  Describe(form->mnu->Items(), 0, actual);
  EXPECT_EQ(actual, expected);
  EXPECT_EQ(Item("mnuShowProcess").Hint(), "Show active processes on hint");
  EXPECT_TRUE(form->mnu->AutoHotkeys());
  EXPECT_EQ(form->mnu->Images(), form->imgs);
  EXPECT_EQ(form->imgs->Count(), 3u);
}

TEST_F(MainMenuTest, StoredCharactersAndItemNamesAreUnique) {
  StoreVersionOnly();
  Start();
  std::set<char> stored;
  for (const PanelContentInfo& row : PanelContents())
    EXPECT_TRUE(stored.insert(static_cast<char>(row.content)).second) << row.caption;
  std::vector<std::string> lines;
  Describe(form->mnu->Items(), 0, lines);
  std::set<std::string> names;
  for (const std::string& line : lines) {
    const std::string name =
        line.substr(line.find_first_not_of('.'), line.find('|') - line.find_first_not_of('.'));
    EXPECT_TRUE(names.insert(name).second) << name;
  }
}

// Caption, then " [x]" when checked.
std::string Shown(const MenuItem& item) { return item.Caption() + (item.Checked() ? " [x]" : ""); }

TEST_F(MainMenuTest, OpeningTheMenuShowsTheSettings) {
  struct Case {
    const char* what;
    std::function<void(Settings&)> set;
    std::vector<std::pair<std::string, std::string>> shown;  // item, Shown()
  };
  const std::string hint1 = "if CPU Usage is bigger then 70% for 20sec then sound the alarm.";
  const Case cases[] = {
      {"the start values with CPU alarm 1 at 70 % for 20 s",
       [](Settings& s) {
         s.CPUAlarm_1_Value = 70;
         s.CPUAlarm_1_Interval = 20;
       },
       {{"mnuShowFreeRAM_m_P1", "Free RAM (Mb) [x]"},
        {"mnuShowCPUUsage_P1", "CPU Usage (%)"},
        {"mnuShowCPUUsage_P2", "CPU Usage (%) [x]"},
        {"mnuShowClock_P3", "System Clock [x]"},
        {"mnuCPU1Alarm", "CPU Alarm 1 [ On ] [x]"},
        {"mnuCPU1Value", "CPU Usage >  ( 70% ) ..."},
        {"mnuCPU1Interval", "Query Interval  ( 20s ) ..."},
        {"mnuCPU2Alarm", "CPU Alarm 2 [ Off ]"},
        {"mnuCPU2Value", "CPU Usage <  ( 50% ) ..."},
        {"mnuRAM1Alarm", "RAM Alarm 1 [ Off ]"},
        {"mnuRAM1Value", "RAM Load >  ( 50% ) ..."},
        {"mnuRAM2Value", "RAM Load <  ( 50% ) ..."},
        {"mnuRAM2Interval", "Query Interval  ( 10s ) ..."},
        {"mnuRefresh", "Refresh  (1 sec) ..."},
        {"mnuUpdates", "Check for updates [ on StartUp ]"},  // disabled: never marked
        {"mnuShowProcess", "Show processes [x]"},
        {"mnuSticky", "Sticky window"},
        {"mnuInstalation", "Run at StartUp"},
        {"mnuSaveposition", "Save window position [x]"},
        {"mnuActive_G", "Active"},
        {"mnuShowCPUUsage_G", "CPU Usage (red)"},
        {"mnuShowRAMUsage_G", "RAM Usage (yellow)"}}},
      {"everything switched the other way",
       [](Settings& s) {
         s.ContentPanels = "893";
         s.CPUAlarm_1 = false;
         s.RAMAlarm_2 = true;
         s.RAMAlarm_2_Value = 100;
         s.RAMAlarm_2_Interval = 3600;
         s.Interval = 60;
         s.AutoUpdate = false;
         s.ShowProcesses = false;
         s.Sticky = true;
         s.RunAtStartup = true;
         s.SavePosition = false;
         s.GraphRAM = true;
       },
       {{"mnuShowFreeRAM_m_P1", "Free RAM (Mb)"},
        {"mnuHDDFreeSpace_P1", "HDD Free Space [x]"},
        {"mnuShowCPUUsage_P2", "CPU Usage (%)"},
        {"mnuShowWindowsUptime_P2", "Windows Uptime [x]"},
        {"mnuShowClock_P3", "System Clock"},
        {"mnuShowLoadedRAM_p_P3", "Loaded RAM (%) [x]"},
        {"mnuCPU1Alarm", "CPU Alarm 1 [ Off ]"},
        {"mnuRAM2Alarm", "RAM Alarm 2 [ On ] [x]"},
        {"mnuRAM2Value", "RAM Load <  ( 100% ) ..."},
        {"mnuRAM2Interval", "Query Interval  ( 3600s ) ..."},
        {"mnuRefresh", "Refresh  (60 sec) ..."},
        {"mnuUpdates", "Check for updates [ Manual ]"},
        {"mnuShowProcess", "Show processes"},
        {"mnuSticky", "Sticky window [x]"},
        {"mnuInstalation", "Run at StartUp [x]"},
        {"mnuSaveposition", "Save window position"},
        {"mnuActive_G", "Active [x]"},
        {"mnuShowCPUUsage_G", "CPU Usage (red)"},
        {"mnuShowRAMUsage_G", "RAM Usage (yellow) [x]"}}},
  };
  StoreVersionOnly();
  Start();
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    c.set(form->S());
    form->mnu->Popup(10, 10);
    for (const auto& [name, shown] : c.shown) EXPECT_EQ(Shown(Item(name)), shown) << name;
  }
  // The switch, value and interval items of an alarm share one hint.
  EXPECT_EQ(Item("mnuRAM2Alarm").Hint(),
            "if RAM Load is smaller then 100% for 3600sec then sound the alarm.");
  EXPECT_EQ(Item("mnuRAM2Interval").Hint(), Item("mnuRAM2Alarm").Hint());
  EXPECT_EQ(Item("mnuCPU1Value").Hint(), hint1);
  EXPECT_EQ(Item("mnuCPU2Interval").Hint(),
            "if CPU Usage is smaller then 50% for 10sec then sound the alarm.");
  EXPECT_EQ(Item("mnuRAM1Value").Hint(), "if RAM Load is bigger then 50% for 10sec then sound the alarm.");

  // An unknown stored character leaves that panel's marks as they were.
  form->S().ContentPanels = "1x7";
  form->mnu->Popup(10, 10);
  EXPECT_TRUE(Item("mnuShowFreeRAM_m_P1").Checked());
  EXPECT_TRUE(Item("mnuShowWindowsUptime_P2").Checked());
  EXPECT_TRUE(Item("mnuShowClock_P3").Checked());
  EXPECT_FALSE(Item("mnuShowLoadedRAM_p_P3").Checked());
}

}  // namespace
}  // namespace welmor
