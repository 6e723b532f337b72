// The main window on the headless backend: layout, the refresh tick, the
// panel menus, the tooltip and the start-up checks, with fake probes, an
// in-memory registry and a scripted user.
#include "app/main_form.hpp"

#include <gtest/gtest.h>

#include "unit/main_form_fixture.hpp"

namespace welmor {
namespace {

using testenv::kGiB;
using testenv::kMiB;
using testenv::kSkyBlue;
using MainFormTest = testenv::MainFormTest;

TEST_F(MainFormTest, SettingUpAndATickComposeEachImageOnceWhenItIsShown) {
  StoreVersionOnly();
  registry.PutDword(kSettingsKeyPath, "GraphCPU", 1);
  Start();
  Tick();
  // Every property the set-up and the tick changed only marked the images.
  std::vector<CustomControl*> images{form->Bars[1], form->Bars[2], form->Bars[3], form->gr};
  for (CustomControl* c : images) {
    EXPECT_EQ(c->PaintCount(), 0u) << c->Name();
    EXPECT_TRUE(c->PaintPending()) << c->Name();
  }
  // Showing them (as WM_PAINT does) composes each once; showing again, none.
  for (int pass = 0; pass < 2; ++pass) {
    for (CustomControl* c : images) {
      c->Surface();
      EXPECT_EQ(c->PaintCount(), 1u) << c->Name();
    }
  }
  memory.status.dwMemoryLoad = 50;
  Tick();
  for (CustomControl* c : images) c->Surface();
  EXPECT_EQ(form->Bars[1]->PaintCount(), 2u);
}

TEST_F(MainFormTest, LaysOutThreePanelsWithBarsInA422By17Window) {
  StoreVersionOnly();
  Start();
  EXPECT_EQ(form->BoundsRect(), (Rect{0, 0, 422, 17}));  // SavePosition on, PTop/PLeft 0
  EXPECT_TRUE(form->Visible());
  EXPECT_EQ(form->BorderStyle(), FormBorderStyle::None);
  const int32_t lefts[] = {0, 141, 282};
  for (int k = 1; k <= 3; ++k) {
    SCOPED_TRACE(k);
    ASSERT_NE(form->Panels[k], nullptr);
    ASSERT_NE(form->Bars[k], nullptr);
    EXPECT_EQ(form->Panels[k]->BoundsRect(), (Rect{lefts[k - 1], 0, lefts[k - 1] + 140, 17}));
    EXPECT_EQ(form->Bars[k]->BoundsRect(), (Rect{lefts[k - 1] + 1, 13, lefts[k - 1] + 139, 16}));
    EXPECT_EQ(form->Panels[k]->Caption(), "Gathering data ...");
    EXPECT_EQ(form->Panels[k]->GetColor(), kSkyBlue);
    EXPECT_EQ(form->Panels[k]->GetFont().name, "Arial");
    EXPECT_EQ(form->Panels[k]->GetAlignment(), Alignment::Center);
    EXPECT_EQ(form->Panels[k]->BorderStyle(), StaticBorder::Single);
    EXPECT_EQ(form->Bars[k]->Maximum(), 100);
    EXPECT_EQ(form->Bars[k]->BarColor(), 0x0000FFu);
  }
  EXPECT_FALSE(form->gr->Visible());
  EXPECT_FALSE(form->gr->TimerEnabled());
  EXPECT_TRUE(form->trm->Enabled());
  EXPECT_EQ(form->trm->Interval(), 1000u);
  EXPECT_EQ(form->CpuCount, 2);
  EXPECT_TRUE(backend.dialogs.shown.empty());
}

TEST_F(MainFormTest, AGraphDoublesTheHeightAndFillsTheLowerHalf) {
  StoreVersionOnly();
  registry.PutDword(kSettingsKeyPath, "GraphRAM", 1);
  Start();
  EXPECT_EQ(form->BoundsRect(), (Rect{0, 0, 422, 34}));
  EXPECT_TRUE(form->gr->Visible());
  EXPECT_TRUE(form->gr->TimerEnabled());
  EXPECT_EQ(form->gr->BoundsRect(), (Rect{0, 17, 422, 34}));
  EXPECT_FALSE(form->gr->GetElementVisible(1));
  EXPECT_TRUE(form->gr->GetElementVisible(2));
  EXPECT_EQ(form->gr->GetElementColor(1), 0x0000FF);
  EXPECT_EQ(form->gr->GetElementColor(2), 0x00FFFF);
  // The panels do not move.
  EXPECT_EQ(form->Panels[3]->BoundsRect(), (Rect{282, 0, 422, 17}));

  // The graph tick plots the last CPU figure and a fresh RAM load.
  Tick();
  Tick();
  memory.status.dwMemoryLoad = 41;
  form->gr->OnTmrTimer(*form->gr);
  EXPECT_EQ(form->gr->GetValue(1, 2000), 25);
  EXPECT_EQ(form->gr->GetValue(2, 2000), 41);
  form->gr->OnTmrTimer(*form->gr);
  // The RAM line is drawn in yellow on the chart's surface.
  const Bitmap& chart = form->gr->Surface();
  int yellow = 0;
  for (Color c : chart.Pixels()) yellow += c == 0x00FFFF ? 1 : 0;
  EXPECT_GT(yellow, 0);
  // And the bars show their share in red.
  const Bitmap& bar = form->Bars[1]->Surface();
  int red = 0;
  for (Color c : bar.Pixels()) red += c == 0x0000FF ? 1 : 0;
  EXPECT_GT(red, 0);
}

TEST_F(MainFormTest, WithoutSavedPositionStartsCentredAtTheTop) {
  StoreVersionOnly();
  registry.PutDword(kSettingsKeyPath, "SavePosition", 0);
  registry.PutDword(kSettingsKeyPath, "PTop", 300);
  registry.PutDword(kSettingsKeyPath, "PLeft", 20);
  Start();
  EXPECT_EQ(form->BoundsRect(), (Rect{301, 0, 723, 17}));  // (1024 - 422) / 2
}

TEST_F(MainFormTest, ASavedPositionWhollyOffTheWorkAreaIsBroughtBackOnce) {
  const struct {
    int32_t top, left;
    Point expected;
  } cases[] = {
      {100, 100000, {602, 100}}, {100, -100000, {0, 100}},
      {-1500, -1500, {0, 0}},    {100, 2147483548, {602, 100}},  // 2^31 - 100: left + width would overflow
      {-10, 900, {900, -10}},    {-16, -421, {-421, -16}},       // partly on the area: as stored
  };
  for (const auto& c : cases) {
    SCOPED_TRACE(c.left);
    MemoryRegistry fresh;
    std::swap(registry, fresh);
    StoreVersionOnly();
    registry.PutDword(kSettingsKeyPath, "PTop", static_cast<uint32_t>(c.top));
    registry.PutDword(kSettingsKeyPath, "PLeft", static_cast<uint32_t>(c.left));
    Start();
    EXPECT_EQ((Point{form->Left(), form->Top()}), c.expected);
    EXPECT_EQ(form->Width(), 422);
  }
}

TEST_F(MainFormTest, FirstStartWritesDefaultsShowsTheNoticeAndUsesTheirPosition) {
  Start();
  ASSERT_EQ(backend.dialogs.shown.size(), 1u);
  EXPECT_EQ(backend.dialogs.shown[0].kind, "Information");
  EXPECT_EQ(backend.dialogs.shown[0].text,
            "If system language is not English, some dispay bugs (missing text) will be around.");
  EXPECT_EQ(registry.ValueCount(kSettingsKeyPath), StoredSettings().size() + 1);
  EXPECT_EQ(form->BoundsRect(), (Rect{512, 5, 934, 22}));
}

// Every panel content in menu order: its stored character, menu item and
// caption, and what it shows with the fixture's figures (a bar 0
// when the content has no percentage).
struct ContentCase {
  char stored;
  const char* namePrefix;
  const char* caption;
  const char* text;
  int32_t bar;
};
const ContentCase kContentCases[] = {
    {'1', "mnuShowFreeRAM_m_P", "Free RAM (Mb)", "Free RAM: 1.50 GiB", 63},
    {'2', "mnuShowFreeRAM_p_P", "Free RAM (%)", "Free RAM: 63 %", 63},
    {'3', "mnuShowLoadedRAM_p_P", "Loaded RAM (%)", "Loaded RAM: 37 %", 37},
    {'4', "mnuShowFreeSWAP_P", "Free SWAP", "Free SWAP: 2.00 GiB", 0},
    {'5', "mnuShowTotalSWAP_P", "Total SWAP", "Total SWAP: 3.50 GiB", 0},
    {'6', "mnuShowCPUUsage_P", "CPU Usage (%)", "2 CPUs Usage: 25%", 25},
    {'7', "mnuShowClock_P", "System Clock", "12:34:56", 0},
    {'8', "mnuHDDFreeSpace_P", "HDD Free Space", "Drive C: 5.00 GiB", 0},
    {'9', "mnuShowWindowsUptime_P", "Windows Uptime", "System Uptime: 1:1:1:1", 0},
};

TEST_F(MainFormTest, EachContentFillsItsPanelAndBar) {
  StoreVersionOnly();
  Start();
  Tick();  // the CPU figure is the usage since the last tick
  Settings& s = form->S();
  ASSERT_EQ(PanelContents().size(), std::size(kContentCases));
  for (std::size_t i = 0; i < std::size(kContentCases); ++i) {
    const ContentCase& c = kContentCases[i];
    const PanelContentInfo& row = PanelContents()[i];
    EXPECT_EQ(static_cast<char>(row.content), c.stored);
    EXPECT_STREQ(row.namePrefix, c.namePrefix);
    EXPECT_STREQ(row.caption, c.caption);
    s.ContentPanels = std::string(3, c.stored);
    Tick();
    EXPECT_EQ(Text(2), c.text);
    EXPECT_EQ(form->Bars[2]->Position(), c.bar) << c.caption;
    EXPECT_EQ(form->Bars[2]->Maximum(), 100);
  }

  // Each panel reads its own drive letter; one that names no drive still
  // gives a text.
  s.ContentPanels = "888";
  s.ContentHDDs = "ZCE";
  Tick();
  EXPECT_EQ(Text(1), "Drive Z: -1 Byte(s)");
  EXPECT_EQ(Text(2), "Drive C: 5.00 GiB");
  EXPECT_EQ(Text(3), "Drive E: 1.00 KiB");
}

TEST_F(MainFormTest, FirstCpuFigureIsZeroThenTheUsageSinceTheLastTick) {
  StoreVersionOnly();
  Start();
  Tick();
  EXPECT_EQ(Text(1), "Free RAM: 1.50 GiB");
  EXPECT_EQ(Text(2), "2 CPUs Usage: 0%");
  EXPECT_EQ(Text(3), "12:34:56");
  Tick();
  EXPECT_EQ(Text(2), "2 CPUs Usage: 25%");
  EXPECT_EQ(form->CpuUsage, 25);
}

TEST_F(MainFormTest, WaitingMessagesRunDuringTheCpuReading) {
  StoreVersionOnly();
  Start();
  Tick();
  // A menu command that arrives while the tick samples the CPU sees the
  // figure of the previous tick.
  int32_t seen = -1;
  backend.pendingMessages.push_back([&] { seen = form->CpuUsage; });
  Tick();
  EXPECT_EQ(seen, 0);
  EXPECT_EQ(form->CpuUsage, 25);
}

TEST_F(MainFormTest, AnUnknownStoredCharacterFreezesItsPanel) {
  StoreVersionOnly();
  Start();
  Tick();
  const std::string before = Text(2);
  form->S().ContentPanels = "107";
  memory.status.ullAvailPhys = 2 * kGiB;
  clock.text = "12:35:00";
  Tick();
  EXPECT_EQ(Text(1), "Free RAM: 2.00 GiB");
  EXPECT_EQ(Text(2), before);
  EXPECT_EQ(Text(3), "12:35:00");
}

TEST_F(MainFormTest, AShortStoredTextReadsTheMissingPlacesFromTheStartValues) {
  StoreVersionOnly();
  registry.PutString(kSettingsKeyPath, "ContentPanels", "2");
  registry.PutString(kSettingsKeyPath, "ContentHDDs", "");
  Start();
  Tick();
  EXPECT_EQ(Text(1), "Free RAM: 63 %");
  EXPECT_EQ(Text(2), "2 CPUs Usage: 0%");
  EXPECT_EQ(Text(3), "12:34:56");
  // A content command on the missing place keeps the others as they read.
  Item("mnuShowWindowsUptime_P3").Click();
  EXPECT_EQ(form->S().ContentPanels, "269");
}

TEST_F(MainFormTest, DriveMenusAreBuiltOnceAtTheFirstTick) {
  StoreVersionOnly();
  Start();
  EXPECT_EQ(Item("mnuHDDFreeSpace_P1").Count(), 0u);
  Tick();
  EXPECT_EQ(form->FixedDrives, (std::vector<std::string>{"C:", "E:"}));
  for (int k = 1; k <= 3; ++k) {
    MenuItem& parent = Item("mnuHDDFreeSpace_P" + std::to_string(k));
    ASSERT_EQ(parent.Count(), 2u);
    EXPECT_EQ(parent.Item(0).Caption(), "Drive: C:\\");
    EXPECT_EQ(parent.Item(1).Caption(), "Drive: E:\\");
    EXPECT_EQ(parent.Item(1).Name(), "mnuHDDFree_P" + std::to_string(k) + "_1");
    EXPECT_EQ(parent.Item(0).GroupIndex(), k + 10);
    EXPECT_FALSE(parent.Item(0).RadioItem());
  }
  drives.Add('F', kDriveFixed, 1);
  Tick();
  EXPECT_EQ(Item("mnuHDDFreeSpace_P2").Count(), 2u);

  Item("mnuHDDFreeSpace_P2").Item(1).Click();
  EXPECT_EQ(form->S().ContentPanels, "187");
  EXPECT_EQ(form->S().ContentHDDs, "CEC");
  Tick();
  EXPECT_EQ(Text(2), "Drive E: 1.00 KiB");
}

TEST_F(MainFormTest, WithoutFixedDrivesTheDriveMenusStayEmpty) {
  drives.drives.clear();
  StoreVersionOnly();
  Start();
  Tick();
  EXPECT_TRUE(form->FixedDrives.empty());
  EXPECT_EQ(Item("mnuHDDFreeSpace_P1").Count(), 0u);
}

TEST_F(MainFormTest, ContentCommandsChangeOnlyTheirPanelAndSaveNothing) {
  StoreVersionOnly();
  Start();
  const auto writes = registry.writeLog.size();
  Item("mnuShowWindowsUptime_P2").Click();
  Item("mnuShowFreeRAM_p_P1").Click();
  Item("mnuShowTotalSWAP_P3").Click();
  EXPECT_EQ(form->S().ContentPanels, "295");
  EXPECT_EQ(registry.writeLog.size(), writes);
  // The panel heading does nothing.
  Item("mnuPanel1").Click();
  EXPECT_EQ(form->S().ContentPanels, "295");
}

TEST_F(MainFormTest, TooltipListsTheProcessesWhoseWorkingSetCanBeRead) {
  StoreVersionOnly();
  processes.Add(4, "System", kMiB);
  processes.Add(100, "service.exe", std::nullopt);
  processes.Add(208, "app.exe", 2048);
  Start();
  Label& panel = *form->Panels[2];
  panel.MouseMoved(0, 5, 5);
  EXPECT_EQ(panel.Hint(),
            "Active Processes (non services):  (2)\r\n\r\n4 - System - 1.00 MiB\r\n208 - app.exe - 2.00 KiB");
  EXPECT_TRUE(panel.ShowHint());
  EXPECT_EQ(form->Panels[1]->Hint(), "");

  processes.processes.clear();
  panel.MouseMoved(0, 5, 5);
  EXPECT_EQ(panel.Hint(), "Active Processes (non services):  (0)\r\n");
}

TEST_F(MainFormTest, WithoutProcessListAMoveStillDragsAndSaves) {
  StoreVersionOnly();
  registry.PutDword(kSettingsKeyPath, "ShowProcesses", 0);
  processes.Add(4, "System", kMiB);
  Start();
  windows.calls.clear();
  const auto writes = registry.writeLog.size();
  windows.onMove = [&](WindowHandle) { form->BoundsChangedByPeer(Rect{700, 730, 1122, 747}); };
  form->Panels[1]->MouseMoved(ssLeft, 1, 1);
  EXPECT_EQ(processes.snapshots, 0);
  EXPECT_FALSE(form->Panels[1]->ShowHint());
  EXPECT_EQ(windows.calls.front(), "ReleaseCapture");
  // Pulled back into the 1024 x 738 work area, and the position saved.
  EXPECT_EQ(form->Left(), 602);
  EXPECT_EQ(form->Top(), 721);
  EXPECT_GT(registry.writeLog.size(), writes);
  EXPECT_EQ(registry.GetDword(kSettingsKeyPath, "PLeft"), 602);
  EXPECT_EQ(registry.GetDword(kSettingsKeyPath, "PTop"), 721);

  // The chart drags and saves too, without a tooltip.
  form->gr->MouseMoved(0, 1, 1);
  EXPECT_EQ(processes.snapshots, 0);
}

TEST_F(MainFormTest, AltF4IsDropped) {
  StoreVersionOnly();
  Start();
  EXPECT_TRUE(app->FilterMessage(Message{0x0104, 0x73, 0}));
  EXPECT_FALSE(app->FilterMessage(Message{0x0104, 0x74, 0}));
  EXPECT_FALSE(app->FilterMessage(Message{0x0100, 0x73, 0}));
}

TEST_F(MainFormTest, StartsTopmostWithoutTaskBarButtonAndHintSettings) {
  StoreVersionOnly();
  Start();
  const std::string handle = HandleText(backend.ApplicationHandle());
  const auto& calls = windows.calls;
  const auto topmost = std::find_if(calls.begin(), calls.end(),
                                    [](const std::string& c) { return c.rfind("Topmost", 0) == 0; });
  const auto hide = std::find(calls.begin(), calls.end(), "Hide " + handle);
  const auto show = std::find(calls.begin(), calls.end(), "Show " + handle);
  ASSERT_NE(topmost, calls.end());
  ASSERT_NE(hide, calls.end());
  ASSERT_NE(show, calls.end());
  EXPECT_LT(topmost, hide);
  EXPECT_LT(hide, show);
  EXPECT_EQ(windows.exStyles[backend.ApplicationHandle()] & 0x80u, 0x80u);
  EXPECT_EQ(app->HintPause(), 200u);
  EXPECT_EQ(app->HintHidePause(), 5000u);
  EXPECT_EQ(app->HintColor(), kSkyBlue);  // the colours follow the background
}

TEST_F(MainFormTest, OtherSystemsThanNt5AreRefusedAfterLoadingSettings) {
  os.Set(6, 1, 7601, kPlatformWin32Nt, "Service Pack 1");
  StoreVersionOnly();
  Start();
  ASSERT_GE(backend.dialogs.shown.size(), 1u);
  EXPECT_EQ(backend.dialogs.shown[0].kind, "Error");
  EXPECT_EQ(backend.dialogs.shown[0].text, "Welmor v3.9 works only on Win 2k / XP / 2K3 systems!");
  EXPECT_TRUE(backend.quitPosted);
  EXPECT_EQ(form->S().SettingsVersion, "3.9.5.15");
}

TEST_F(MainFormTest, EveryNt5SystemStartsAndOnlyXpGetsTheShadow) {
  struct Case {
    uint32_t major, minor, build, platform;
    bool starts, shadow;
  };
  const Case cases[] = {
      {5, 0, 2195, kPlatformWin32Nt, true, false},
      {5, 1, 2600, kPlatformWin32Nt, true, true},
      {5, 2, 3790, kPlatformWin32Nt, true, false},
      {4, 10, 2222, 1, false, false},  // the other family
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::to_string(c.major) + "." + std::to_string(c.minor));
    os.Set(c.major, c.minor, c.build, c.platform, "");
    HeadlessBackend localBackend;
    Application localApp(localBackend);
    MainFormServices services;
    services.probes = &probes;
    services.versionSource = &version;
    MemoryRegistry localRegistry;
    localRegistry.PutString(kSettingsKeyPath, "Version", "3.9.5.15");
    services.makeSettingsStore = [&](SettingsHooks hooks) {
      return std::make_unique<SettingsStore>(localRegistry.Factory(), std::move(hooks));
    };
    TfrmMain& main = localApp.CreateForm<TfrmMain>(std::move(services));
    EXPECT_EQ(localBackend.quitPosted, !c.starts);
    CreateParamsRec params;
    main.CreateParams(params);
    EXPECT_EQ((params.windowClassStyle & kClassStyleDropShadow) != 0, c.shadow);
  }
}

TEST_F(MainFormTest, ExitSavesAndEnds) {
  StoreVersionOnly();
  Start();
  form->S().ContentPanels = "999";
  Item("mnuClose").Click();
  EXPECT_EQ(registry.GetString(kSettingsKeyPath, "ContentPanels"), "999");
  EXPECT_TRUE(backend.quitPosted);
}

TEST_F(MainFormTest, TheEndOfTheSessionSavesAndLeavesTheEndToTheSystem) {
  StoreVersionOnly();
  Start();
  form->S().ContentPanels = "999";
  form->SessionEnding();
  EXPECT_EQ(registry.GetString(kSettingsKeyPath, "ContentPanels"), "999");
  EXPECT_FALSE(backend.quitPosted);
}

TEST_F(MainFormTest, RefusedSavesOfMouseMovesShowOneBoxAndExitStillEnds) {
  StoreVersionOnly();
  Start();
  registry.readOnly = true;
  for (int i = 0; i < 3; ++i) form->Panels[2]->MouseMoved(0, 5, 5);
  EXPECT_EQ(backend.dialogs.Count("Error"), 1u);
  Item("mnuClose").Click();  // asked for, so reported again
  ASSERT_EQ(backend.dialogs.Count("Error"), 2u);
  EXPECT_EQ(backend.dialogs.shown.back().text, "Failed to set data for 'Version'");
  EXPECT_TRUE(backend.quitPosted);
}

TEST_F(MainFormTest, AFailingStepOfShowingIsReportedAndTheRefreshStillStarts) {
  registry.PutString(kSettingsKeyPath, "Version", "3.8.0.1");  // asks for the upgrade
  registry.PutString(kSettingsKeyPath, "ContentPanels", "912");
  registry.readOnly = true;  // which is refused
  Start();
  EXPECT_EQ(backend.dialogs.Count("Information"), 1u);
  EXPECT_EQ(backend.dialogs.Count("Error"), 1u);
  EXPECT_TRUE(form->trm->Enabled());
  Tick();
  EXPECT_EQ(Text(1).rfind("System Uptime: ", 0), 0u);  // the stored content shows
}

TEST_F(MainFormTest, SavePositionCommandFlipsAndSaves) {
  StoreVersionOnly();
  Start();
  Item("mnuSaveposition").Click();
  EXPECT_FALSE(form->S().SavePosition);
  EXPECT_EQ(registry.GetDword(kSettingsKeyPath, "SavePosition"), 0);
}

TEST_F(MainFormTest, TheChartTimerFallsInStepWithTheNextRefreshTick) {
  StoreVersionOnly();
  registry.PutDword(kSettingsKeyPath, "GraphCPU", 1);
  Start();
  const Timer* chart = ChartTimer();
  ASSERT_NE(chart, nullptr);
  // Chart and refresh timer starts after each step: the chart starts while
  // the window is laid out, the refresh timer when made (a timer starts
  // enabled) and when shown, and the first refresh tick after any chart
  // start restarts both.
  const auto starts = [&] { return std::pair{backend.timerStarts[chart], backend.timerStarts[form->trm]}; };
  using P = std::pair<uint64_t, uint64_t>;
  EXPECT_EQ(starts(), P(1, 2));
  for (int i = 0; i < 3; ++i) {
    Tick();
    EXPECT_EQ(starts(), P(2, 3));
  }
  // Switched off and on: started, then in step again at the next tick.
  Item("mnuActive_G").Click();
  Item("mnuActive_G").Click();
  EXPECT_EQ(starts(), P(3, 3));
  Tick();
  Tick();
  EXPECT_EQ(starts(), P(4, 4));
  // A new refresh interval starts the refresh timer over; both start again
  // at the tick after.
  form->S().Interval = 2;
  Tick();
  EXPECT_EQ(starts(), P(4, 5));
  Tick();
  Tick();
  EXPECT_EQ(starts(), P(5, 6));
  EXPECT_TRUE(chart->Enabled());
  EXPECT_EQ(chart->Interval(), 1000u);
}

TEST_F(MainFormTest, ATickReadsTheMemoryOnceAndTheChartTickItPumpsShowsThatReading) {
  StoreVersionOnly();
  registry.PutDword(kSettingsKeyPath, "GraphRAM", 1);
  Start();
  Timer* chart = ChartTimer();
  ASSERT_NE(chart, nullptr);
  // The sampler's pump runs the chart's tick, as when both fall due at once.
  probes.SetCpuMessagePump([chart] { chart->Tick(); });
  const int before = memory.queries;
  memory.status.dwMemoryLoad = 64;
  Tick();
  EXPECT_EQ(memory.queries - before, 1);
  EXPECT_EQ(form->gr->GetValue(2, KrGElement::kCapacity), 64);
  // On its own the chart's tick reads afresh.
  probes.SetCpuMessagePump(nullptr);
  memory.status.dwMemoryLoad = 70;
  chart->Tick();
  EXPECT_EQ(memory.queries - before, 2);
  EXPECT_EQ(form->gr->GetValue(2, KrGElement::kCapacity), 70);
}

TEST_F(MainFormTest, AnIntervalOfZeroRefreshesOnceASecond) {
  StoreVersionOnly();
  registry.PutDword(kSettingsKeyPath, "Interval", 0);
  Start();
  EXPECT_EQ(form->trm->Interval(), 1000u);
  Tick();
  EXPECT_EQ(form->trm->Interval(), 1000u);
  EXPECT_EQ(form->S().Interval, 1);
  form->S().Interval = 5;
  Tick();
  EXPECT_EQ(form->trm->Interval(), 5000u);
}

TEST_F(MainFormTest, AnotherVersionsSettingsAreUpgradedAfterANotice) {
  registry.PutString(kSettingsKeyPath, "Version", "3.8.0.1");
  registry.PutDword(kSettingsKeyPath, "Interval", 9);
  Start();
  ASSERT_EQ(backend.dialogs.Count("Information"), 1u);
  EXPECT_EQ(backend.dialogs.shown[0].text.substr(0, 10), "     Setti");
  EXPECT_EQ(form->S().Interval, 1);
  EXPECT_EQ(form->trm->Interval(), 1000u);
  EXPECT_EQ(registry.GetString(kSettingsKeyPath, "Version"), "3.9.5.15");
}

TEST_F(MainFormTest, StickySettingSwitchesTheHookedMagnetWhenShown) {
  StoreVersionOnly();
  for (const bool sticky : {false, true}) {
    SCOPED_TRACE(sticky);
    registry.PutDword(kSettingsKeyPath, "Sticky", sticky ? 1 : 0);
    Start();
    TFormMagnet& m = *form->frmMagnet;
    EXPECT_EQ(m.Active(), sticky);
    EXPECT_TRUE(m.Hooked());
    EXPECT_EQ(magnet.procs[MagnetWindow(form->Handle())], m.HookProcedure());
    EXPECT_TRUE(m.FormDragable());
    form = nullptr;
    app.reset();
  }
}

TEST_F(MainFormTest, AlarmsSoundAtTheEndOfTheTickAndTheirCommandsSave) {
  StoreVersionOnly();  // CPU alarm 1 on at 50 % for 10 ticks
  cpu.SetSteadyUsage(60, 2);
  memory.status.dwMemoryLoad = 37;
  Start();
  backend.dialogs.inputAnswers = {"40", "10"};
  for (const char* item : {"mnuRAM2Alarm", "mnuRAM2Value", "mnuRAM2Interval"}) Item(item).Click();
  EXPECT_EQ(registry.GetDword(kSettingsKeyPath, "RAMAlarm_2"), 1);
  EXPECT_EQ(registry.GetDword(kSettingsKeyPath, "RAMAlarm_2_Value"), 40);
  EXPECT_EQ(registry.GetDword(kSettingsKeyPath, "RAMAlarm_2_Interval"), 10);
  std::string clockAtSound;  // the panels are written before the alarms run
  sounds.whilePlaying = [&] { clockAtSound += Text(3) + " "; };
  for (sounds.tick = 1; sounds.tick <= 11; ++sounds.tick) {
    clock.text = "tick " + std::to_string(sounds.tick);
    Tick();
  }
  EXPECT_EQ(clockAtSound, "tick 10 tick 11 ");
  // The first CPU figure is 0, so CPU alarm 1 starts counting at tick 2.
  EXPECT_EQ(sounds.heard, "10:SOUND2 11:SOUND1");
}

}  // namespace
}  // namespace welmor
