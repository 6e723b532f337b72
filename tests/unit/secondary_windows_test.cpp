// The history and about windows on the headless backend: what FormShow
// fills in, keys, links, the file date, the shadow rule, and the two menu
// commands of the main window that open them.
#include <gtest/gtest.h>

#include <optional>
#include <vector>

#include "app/main_form.hpp"
#include "fakes/fake_about_platform.hpp"
#include "toolkit/headless/headless_backend.hpp"
#include "unit/main_form_fixture.hpp"
#include "windows/about_form.hpp"
#include "windows/change_log.hpp"
#include "windows/history_form.hpp"

namespace welmor {
namespace {

constexpr uint16_t kEscape = 27;
constexpr uint16_t kUp = 38;
constexpr Color kMint = 0xC0DCC0;

// The windows of a started widget, with its version texts and its first
// panel's colour.
class SecondaryWindowsTest : public testenv::MainFormTest {
 protected:
  void SetUp() override {
    MainFormTest::SetUp();
    StoreVersionOnly();
    Start();
    info = &form->AppInfo();
    background = form->txt_1;
    background->SetColor(kMint);
  }

  void EmptyVersionTexts() {
    version.language = 0x0407;  // no table for this language
    info->ReadVersionInfo();
  }

  std::vector<TfrmHistory*> HistoryWindows() {
    std::vector<TfrmHistory*> found;
    for (std::size_t i = 0; i < form->ComponentCount(); ++i) {
      if (auto* h = dynamic_cast<TfrmHistory*>(&form->ComponentAt(i))) found.push_back(h);
    }
    return found;
  }

  // Every control of a window: bounds, font (for those with text) and colour.
  struct Look {
    Control* control;
    Rect bounds;
    std::optional<Font> font;
    std::optional<Color> color;
  };
  static void ExpectLayout(const std::vector<Look>& table) {
    for (const Look& l : table) {
      SCOPED_TRACE(l.control->Name());
      EXPECT_EQ(l.control->BoundsRect(), l.bounds);
      if (l.font) {
        EXPECT_EQ(l.control->GetFont(), *l.font);
      }
      if (l.color) {
        EXPECT_EQ(l.control->GetColor(), *l.color);
      }
    }
  }

  TAppInfo* info = nullptr;
  Label* background = nullptr;
  FakeAboutPlatform& platform = aboutPlatform;
};

TEST_F(SecondaryWindowsTest, HistoryShowsTheLogInTheWidgetsColoursCentredOnTheScreen) {
  TfrmHistory history(form, *info, *background, probes);
  history.ShowForm();
  // 291 x 366 inside the 2-pixel frame, centred on the 1024 x 768 screen.
  EXPECT_EQ(history.BoundsRect(), (Rect{364, 199, 659, 569}));
  EXPECT_EQ(history.FrameWidth(), 2);
  EXPECT_EQ(history.txt_Title->Caption(), "Welmor History:");
  EXPECT_EQ(history.txt_Date->Caption(), " v3.9 (Build: 5.15)");
  EXPECT_EQ(history.txt_Info->Caption(), "> use Up and Down keys to scroll <");
  EXPECT_EQ(history.txt_History->Text(), BuildChangeLog("3.9"));
  EXPECT_EQ(history.ActiveControl(), history.txt_History);
  // Texts sized to themselves at the fixed test metrics: a character is
  // (|height| + 2) * 6 / 10 wide and |height| + 2 high (7 x 13 at -11, 6 x 11 at -9).
  ExpectLayout({
      {history.pnl_History, {0, 0, 291, 366}, std::nullopt, kMint},
      {history.txt_Title, {10, 12, 10 + 15 * 7, 25}, Font{"MS Sans Serif", -11, 0, fsBold}, kMint},
      {history.bvl_History, {10, 29, 282, 31}, std::nullopt, kMint},
      {history.txt_Date, {200, 13, 200 + 19 * 6, 24}, Font{"Microsoft Sans Serif", -9, 0, 0}, kMint},
      {history.txt_History, {5, 40, 286, 353}, Font{"Arial", -11, 0, 0}, 0xF0FBFFu},
      {history.txt_Info, {5, 353, 286, 364}, Font{"Microsoft Sans Serif", -9, 0, 0}, kMint},
  });
}

TEST_F(SecondaryWindowsTest, HistoryWithEmptyVersionTextsShowsTheFixedPiecesOnly) {
  EmptyVersionTexts();
  TfrmHistory history(form, *info, *background, probes);
  history.ShowForm();
  EXPECT_EQ(history.txt_Title->Caption(), " History:");
  EXPECT_EQ(history.txt_Date->Caption(), " v. (Build: .)");
  EXPECT_NE(history.txt_History->Text().find("\r\n - . : < 11-nov-2005 >\r\n"), std::string::npos);
}

TEST_F(SecondaryWindowsTest, HistoryClosesOnEscapeFromTheEditBoxOrTheWindowAndRebuildsTheLog) {
  TfrmHistory history(form, *info, *background, probes);
  for (Control* target : {static_cast<Control*>(history.txt_History), static_cast<Control*>(&history)}) {
    SCOPED_TRACE(target->Name());
    history.ShowForm();
    history.txt_History->TextChangedByPeer("typed over");
    EXPECT_FALSE(target->KeyPressed(kUp, 0));
    EXPECT_TRUE(history.Visible());
    target->KeyPressed(kEscape, 0);
    EXPECT_FALSE(history.Visible());
    background->SetColor(0x123456);
    history.ShowForm();
    EXPECT_EQ(history.txt_History->Text(), BuildChangeLog("3.9"));
    EXPECT_EQ(history.pnl_History->GetColor(), 0x123456u);
    history.Close();
  }
}

TEST_F(SecondaryWindowsTest, TheTitleAndTheBarePanelDragTheHistoryWindow) {
  TfrmHistory history(form, *info, *background, probes);
  history.ShowForm();
  const std::string move = "Move " + HandleText(history.Handle());
  for (Control* control :
       {static_cast<Control*>(history.txt_Title), static_cast<Control*>(history.pnl_History),
        static_cast<Control*>(history.txt_History), static_cast<Control*>(history.txt_Info),
        static_cast<Control*>(history.txt_Date), static_cast<Control*>(history.bvl_History)}) {
    windows.calls.clear();
    control->MouseMoved(ssLeft, 3, 3);
    const bool drags = control == history.txt_Title || control == history.pnl_History;
    EXPECT_EQ(windows.calls.size() > 1 && windows.calls[1] == move, drags) << control->Name();
  }
}

TEST_F(SecondaryWindowsTest, OnlyXPGivesTheWindowsTheShadowClassStyle) {
  const struct {
    uint32_t minor;
    bool shadow;
  } cases[] = {{0, false}, {1, true}, {2, false}};
  for (const auto& c : cases) {
    os.Set(5, c.minor, 2600, kPlatformWin32Nt, "");
    TfrmHistory history(form, *info, *background, probes);
    TfrmAbout about(form, *info, *background, platform, probes);
    for (Form* form : {static_cast<Form*>(&history), static_cast<Form*>(&about)}) {
      CreateParamsRec params;
      form->CreateParams(params);
      EXPECT_EQ((params.windowClassStyle & kClassStyleDropShadow) != 0, c.shadow) << c.minor << form->Name();
    }
  }
}

TEST_F(SecondaryWindowsTest, AboutShowsNameVersionDescriptionDateAndContacts) {
  TfrmAbout about(form, *info, *background, platform, probes);
  about.ShowForm();
  EXPECT_EQ(about.BoundsRect(), (Rect{364, 292, 659, 475}));  // 291 x 179 inside the frame
  EXPECT_EQ(about.txt_Title->Caption(), "About");
  EXPECT_EQ(about.txt_Date->Caption(), "11/11/2005 14:05:09");
  EXPECT_EQ(about.txt_Name->Caption(), "Welmor");
  EXPECT_EQ(about.txt_Ver->Caption(), " v3.9 (Build: 5.15)");
  EXPECT_EQ(about.txt_Description->Caption(), "Resource widget");
  EXPECT_EQ(about.txtWeb->Caption(), "welmor.example.org");
  EXPECT_EQ(about.txtEmail->Caption(), "workshop@welmor.example.org");
  EXPECT_EQ(about.txt_Copyright->Caption(), "Copyright (C) 2002-2026 Welmor Workshop");
  // As for the history window; at -29 a character is 18 x 31. The links
  // grow to the left of their right edges.
  const Font small{"Microsoft Sans Serif", -9, 0, 0}, link{"MS Sans Serif", -11, 0xFF0000, 0};
  ExpectLayout({
      {about.pnl_Main, {0, 0, 291, 179}, std::nullopt, kMint},
      {about.txt_Title, {10, 12, 10 + 5 * 7, 25}, Font{"MS Sans Serif", -11, 0, fsBold}, kMint},
      {about.txt_Date, {180, 13, 180 + 19 * 6, 24}, small, kMint},
      {about.bvl_History, {10, 29, 285, 31}, std::nullopt, kMint},
      {about.imgMW, {29, 44, 61, 76}, std::nullopt, std::nullopt},
      {about.txt_Name, {80, 40, 80 + 6 * 18, 71}, Font{"Arial", -29, 0x800000, fsBold | fsItalic}, kMint},
      {about.txt_Ver, {195, 65, 195 + 19 * 7, 78}, Font{"MS Sans Serif", -11, 0, 0}, kMint},
      {about.txt_Description, {19, 91, 273, 108}, Font{"Arial", -11, 0xFFFFFF, fsBold | fsItalic}, kMint},
      {about.txtWeb, {273 - 18 * 7, 112, 273, 125}, link, kMint},
      {about.txtEmail, {272 - 27 * 7, 128, 272, 141}, link, kMint},
      {about.Bevel1, {10, 149, 285, 151}, std::nullopt, kMint},
      {about.txt_Copyright, {15, 158, 15 + 39 * 6, 169}, small, kMint},
  });
}

TEST_F(SecondaryWindowsTest, AboutWithEmptyVersionTextsLeavesNameAndDescriptionEmpty) {
  EmptyVersionTexts();
  TfrmAbout about(form, *info, *background, platform, probes);
  about.ShowForm();
  EXPECT_EQ(about.txt_Name->Caption(), "");
  EXPECT_EQ(about.txt_Description->Caption(), "");
  EXPECT_EQ(about.txt_Ver->Caption(), " v. (Build: .)");
}

TEST_F(SecondaryWindowsTest, AboutLinksShowTheHandAndOpenTheirTargets) {
  TfrmAbout about(form, *info, *background, platform, probes);
  about.ShowForm();
  for (Label* link : {about.txtWeb, about.txtEmail}) {
    link->MouseEntered();
    EXPECT_EQ(link->GetCursor(), Cursor::HandPoint);
    link->MouseLeft();
    EXPECT_EQ(link->GetCursor(), Cursor::Default);
    EXPECT_EQ(link->GetFont().color, 0xFF0000u);
  }
  about.txtWeb->Clicked();
  about.txtEmail->Clicked();
  ASSERT_EQ(platform.opened.size(), 2u);
  EXPECT_EQ(platform.opened[0], "http://welmor.example.org");
  EXPECT_EQ(platform.opened[1],
            "mailto:workshop@welmor.example.org?subject=About Welmor v3.9 (Build: 5.15) "
            "(Win NT 5.1 (Build: 2600 Service Pack 2))");
}

// The two commands chosen from the widget's real menu.
using MainWindowCommandsTest = SecondaryWindowsTest;

TEST_F(MainWindowCommandsTest, EachHistoryCommandOpensOneMoreWindowAndClosedOnesAreFreed) {
  Item("mnuHistory").Click();
  Item("mnuHistory").Click();
  const std::vector<TfrmHistory*> shown = HistoryWindows();
  ASSERT_EQ(shown.size(), 2u);
  EXPECT_NE(shown[0]->Handle(), shown[1]->Handle());
  for (TfrmHistory* h : shown) {
    EXPECT_TRUE(h->Visible());
    EXPECT_EQ(h->BoundsRect(), (Rect{364, 199, 659, 569}));
    EXPECT_EQ(h->pnl_History->GetColor(), form->txt_1->GetColor());
  }
  EXPECT_EQ(backend.modalLoops, 0u);
  shown[0]->KeyPressed(kEscape, 0);
  EXPECT_FALSE(shown[0]->Visible());
  EXPECT_TRUE(shown[1]->Visible());
  Item("mnuHistory").Click();
  const std::vector<TfrmHistory*> after = HistoryWindows();
  ASSERT_EQ(after.size(), 2u);  // the closed one is gone, the open one stays
  EXPECT_EQ(after[0], shown[1]);
  EXPECT_TRUE(after[1]->Visible());
}

TEST_F(MainWindowCommandsTest, TheAboutCommandReturnsWhenEscapeEndsTheModalShowing) {
  std::vector<std::string> seen;
  backend.whileModal = [&](Form& shown) {
    auto& about = dynamic_cast<TfrmAbout&>(shown);
    seen.push_back(about.txt_Name->Caption() + about.txt_Ver->Caption());
    EXPECT_TRUE(about.Modal());
    about.KeyPressed('A', 0);
    EXPECT_TRUE(about.Visible());
    about.KeyPressed(kEscape, 0);
    EXPECT_FALSE(about.Visible());
  };
  Item("mnuAbout").Click();
  Item("mnuAbout").Click();
  EXPECT_EQ(backend.modalLoops, 2u);
  EXPECT_EQ(seen, (std::vector<std::string>{"Welmor v3.9 (Build: 5.15)", "Welmor v3.9 (Build: 5.15)"}));
}

}  // namespace
}  // namespace welmor
