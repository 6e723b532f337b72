// The menu commands of the main window, chosen as a user would: the refresh
// interval, the graphs, the on/off options and the colours.
#include <gtest/gtest.h>

#include <algorithm>
#include <optional>
#include <string>

#include "unit/main_form_fixture.hpp"

namespace welmor {
namespace {

using testenv::kSkyBlue;
using MainCommandsTest = testenv::MainFormTest;

class CommandsTest : public MainCommandsTest {
 protected:
  void SetUp() override {
    MainCommandsTest::SetUp();
    StoreVersionOnly();
    Start();
  }
  // Full saves so far: each one writes Version first.
  long Saves() const { return std::count(registry.writeLog.begin(), registry.writeLog.end(), "Version"); }
  std::optional<int32_t> Stored(const char* name) { return registry.GetDword(kSettingsKeyPath, name); }
};

constexpr const char* kBoxCaption = "Welmor  v3.9 (Build: 5.15)";
constexpr const char* kTooSmall =
    "Refresh interval is too small, therefor refresh interval was set to 1 second.";
constexpr const char* kTooBig = "Refresh interval is too big, therefor refresh interval was set to 1 second.";

TEST_F(CommandsTest, RefreshAsksForSecondsAndEndsAtOneWhenOutOfRange) {
  struct Case {
    std::optional<std::string> answer;  // nullopt: Cancel
    int32_t interval;
    const char* box;
  };
  const Case cases[] = {
      {"60", 60, nullptr}, {"61", 1, kTooBig},
      {"0", 1, kTooSmall}, {"007", 7, nullptr},
      {"-5", 3, nullptr},  {"5s", 3, nullptr},
      {"", 3, nullptr},    {std::nullopt, 3, nullptr},
      {" 5", 3, nullptr},  {"99999999999999999999", 1, kTooBig},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.answer.value_or("(cancel)"));
    form->S().Interval = 3;
    backend.dialogs.Clear();
    backend.dialogs.inputAnswers = {c.answer};
    const long saves = Saves();
    Item("mnuRefresh").Click();
    ASSERT_GE(backend.dialogs.shown.size(), 1u);
    const auto& input = backend.dialogs.shown[0];
    EXPECT_EQ(input.kind, "Input");
    EXPECT_EQ(input.caption, "Refresh after ...");
    EXPECT_EQ(input.text, "Set refresh interval: (in seconds)");
    EXPECT_EQ(input.value, "3");
    EXPECT_EQ(backend.dialogs.shown.size(), c.box ? 2u : 1u);
    if (c.box && backend.dialogs.shown.size() == 2) {
      EXPECT_EQ(backend.dialogs.shown[1].kind, "Box");
      EXPECT_EQ(backend.dialogs.shown[1].caption, kBoxCaption);
      EXPECT_EQ(backend.dialogs.shown[1].text, c.box);
    }
    EXPECT_EQ(form->S().Interval, c.interval);
    EXPECT_EQ(Stored("Interval"), c.interval);
    EXPECT_EQ(Saves(), saves + 1);
    EXPECT_EQ(form->trm->Interval(), static_cast<uint32_t>(c.interval) * 1000u);
  }
}

TEST_F(CommandsTest, GraphCommandsSaveAndResizeTheWindow) {
  struct Case {
    bool cpu, ram;
    const char* item;
    bool cpuAfter, ramAfter;
  };
  const Case cases[] = {
      {false, true, "mnuActive_G", false, false},       {true, false, "mnuActive_G", false, false},
      {false, false, "mnuActive_G", true, true},        {true, true, "mnuActive_G", false, false},
      {false, false, "mnuShowCPUUsage_G", true, false}, {true, true, "mnuShowCPUUsage_G", false, true},
      {false, true, "mnuShowRAMUsage_G", false, false}, {true, false, "mnuShowRAMUsage_G", true, true},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.item) + " from " + std::to_string(c.cpu) + std::to_string(c.ram));
    form->S().GraphCPU = c.cpu;
    form->S().GraphRAM = c.ram;
    form->ApplyLayout();
    const long saves = Saves();
    Item(c.item).Click();
    EXPECT_EQ(Saves(), saves + 1);
    EXPECT_EQ(Stored("GraphCPU"), c.cpuAfter ? 1 : 0);
    EXPECT_EQ(Stored("GraphRAM"), c.ramAfter ? 1 : 0);
    const bool shown = c.cpuAfter || c.ramAfter;
    EXPECT_EQ(form->Height(), shown ? 34 : 17);
    EXPECT_EQ(form->Width(), 422);
    EXPECT_EQ(form->gr->Visible(), shown);
    EXPECT_EQ(form->gr->TimerEnabled(), shown);
    EXPECT_EQ(form->gr->GetElementVisible(1), c.cpuAfter);
    EXPECT_EQ(form->gr->GetElementVisible(2), c.ramAfter);
  }
}

TEST_F(CommandsTest, OptionCommandsFlipAndSave) {
  Item("mnuSticky").Click();
  EXPECT_EQ(Stored("Sticky"), 1);
  EXPECT_TRUE(form->frmMagnet->Active());
  Item("mnuShowProcess").Click();
  EXPECT_EQ(Stored("ShowProcesses"), 0);
  Item("mnuSticky").Click();
  EXPECT_EQ(Stored("Sticky"), 0);
  EXPECT_FALSE(form->frmMagnet->Active());
  // The disabled update item cannot be chosen from the menu.
  backend.chooseMenuItem = [this](PopupMenu&) { return &Item("mnuUpdates"); };
  const bool autoUpdate = form->S().AutoUpdate;
  form->mnu->Popup(5, 5);
  EXPECT_EQ(form->S().AutoUpdate, autoUpdate);
}

// --- colours ------------------------------------------------------------------

constexpr Color kRed = 0x0000FF;
constexpr Color kGreen = 0x00FF00;
constexpr const char* kTextMessage =
    "        Selected color is the same as background color,\r\nso, you won`t be able to see the text, so "
    "select "
    "other color!";
constexpr const char* kBarsMessage =
    "        Selected color is the same as background color,\r\nso, you won`t be able to see the bars, so "
    "select "
    "other color!";
constexpr const char* kBackgroundMessage =
    "            Selected color is the same as text color,\r\nso, you won`t be able to see the text, so "
    "select "
    "other color!";

void ExpectColoursShown(TfrmMain& form, Application& app, Color text, Color bars, Color background) {
  for (int i = 1; i <= 3; ++i) {
    SCOPED_TRACE(i);
    EXPECT_EQ(form.Panels[i]->GetFont().color, text);
    EXPECT_EQ(form.Panels[i]->GetColor(), background);
    EXPECT_EQ(form.Bars[i]->BarColor(), bars);
    EXPECT_EQ(form.Bars[i]->StartColor(), bars);
    EXPECT_EQ(form.Bars[i]->FinalColor(), bars);
    EXPECT_EQ(form.Bars[i]->ShapeColor(), background);
    EXPECT_EQ(form.Bars[i]->BackgroundColor(), background);
  }
  EXPECT_EQ(form.gr->BgColor(), background);
  EXPECT_EQ(app.HintColor(), background);
}

TEST_F(CommandsTest, ColoursArePickedRefusedAppliedAndAlwaysSaved) {
  struct Step {
    const char* item;
    std::optional<Color> pick;  // nullopt: Cancel
    Color opensWith;            // the last colour picked in the dialog
    const char* refusal;
    Color text, bars, background;
  };
  const Step steps[] = {
      {"mnuColorBg", Color{0}, 0, kBackgroundMessage, 0, kRed, kSkyBlue},
      {"mnuColorText", kSkyBlue, 0, kTextMessage, 0, kRed, kSkyBlue},
      {"mnuColorBars", kSkyBlue, kSkyBlue, kBarsMessage, 0, kRed, kSkyBlue},
      {"mnuColorText", kRed, kSkyBlue, nullptr, kRed, kRed, kSkyBlue},
      {"mnuColorBars", std::nullopt, kRed, nullptr, kRed, kRed, kSkyBlue},
      {"mnuColorBars", kGreen, kRed, nullptr, kRed, kGreen, kSkyBlue},
      {"mnuColorBg", kGreen, kGreen, nullptr, kRed, kGreen, kGreen},  // like the bars: accepted
      {"mnuColorText", std::nullopt, kGreen, nullptr, kRed, kGreen, kGreen},
  };
  for (const Step& s : steps) {
    SCOPED_TRACE(std::string(s.item) + " " + (s.pick ? std::to_string(*s.pick) : "cancel"));
    backend.dialogs.Clear();
    backend.dialogs.colorAnswers = {s.pick};
    const long saves = Saves();
    Item(s.item).Click();
    ASSERT_GE(backend.dialogs.shown.size(), 1u);
    EXPECT_EQ(backend.dialogs.shown[0].kind, "Color");
    EXPECT_EQ(backend.dialogs.shown[0].value, std::to_string(s.opensWith));
    ASSERT_EQ(backend.dialogs.shown.size(), s.refusal ? 2u : 1u);
    if (s.refusal) {
      EXPECT_EQ(backend.dialogs.shown[1].kind, "Error");
      EXPECT_EQ(backend.dialogs.shown[1].text, s.refusal);
    }
    EXPECT_EQ(Saves(), saves + 1);
    EXPECT_EQ(Stored("ColorT"), static_cast<int32_t>(s.text));
    EXPECT_EQ(Stored("ColorB"), static_cast<int32_t>(s.bars));
    EXPECT_EQ(Stored("ColorBG"), static_cast<int32_t>(s.background));
    ExpectColoursShown(*form, *app, s.text, s.bars, s.background);
  }

  backend.dialogs.Clear();
  const long saves = Saves();
  Item("default1").Click();
  EXPECT_EQ(Saves(), saves + 1);
  EXPECT_TRUE(backend.dialogs.shown.empty());  // nothing asked
  EXPECT_EQ(Stored("ColorT"), 0);
  EXPECT_EQ(Stored("ColorB"), 255);
  EXPECT_EQ(Stored("ColorBG"), 15780518);
  ExpectColoursShown(*form, *app, 0, kRed, kSkyBlue);
}

TEST_F(MainCommandsTest, StoredColoursShowAfterARestart) {
  StoreVersionOnly();
  registry.PutDword(kSettingsKeyPath, "ColorT", 0x123456);
  registry.PutDword(kSettingsKeyPath, "ColorB", 0x00FF00);
  registry.PutDword(kSettingsKeyPath, "ColorBG", 0x332211);
  Start();
  ExpectColoursShown(*form, *app, 0x123456, 0x00FF00, 0x332211);
}

}  // namespace
}  // namespace welmor
