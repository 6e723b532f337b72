#include "winutil/window_helpers.hpp"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "toolkit/application.hpp"
#include "toolkit/headless/headless_backend.hpp"

namespace welmor {
namespace {

using Calls = std::vector<std::string>;

class WindowHelpers : public ::testing::Test {
 protected:
  WindowHelpers() : app_(backend_), form_(app_.CreateForm<Form>()) {
    form_.SetBounds(300, 200, 422, 17);
    handle_ = HandleText(form_.Handle());
  }

  // The user drags the window to (left, top) while the move loop runs.
  void DragTo(int32_t left, int32_t top) {
    ws_.onMove = [this, left, top](WindowHandle) {
      form_.BoundsChangedByPeer(Rect{left, top, left + form_.Width(), top + form_.Height()});
    };
  }

  HeadlessBackend backend_;
  HeadlessWindows& ws_ = backend_.windows;
  Application app_;
  Form& form_;
  std::string handle_;
};

TEST_F(WindowHelpers, DragWindowReleasesTheCaptureMovesThenReadsTheWorkArea) {
  DragTo(700, 100);
  DragWindow(form_);
  EXPECT_EQ(ws_.calls, (Calls{"ReleaseCapture", "Move " + handle_, "Monitor 700,100,1122,117"}));
  EXPECT_EQ(form_.BoundsRect(), (Rect{602, 100, 1024, 117}));
}

TEST_F(WindowHelpers, DragWindowPullsBackAWindowLeftOffScreenEvenWithoutADrag) {
  form_.SetBounds(-10, 730, 422, 17);  // a saved position off the work area
  DragWindow(form_);                   // the move loop returns at once
  EXPECT_EQ(form_.BoundsRect(), (Rect{0, 721, 422, 738}));
}

TEST_F(WindowHelpers, DragWindowLeavesTheWindowWhereTheDragEndedWhenTheWorkAreaIsUnknown) {
  ws_.monitors.clear();
  DragTo(-10, 730);
  DragWindow(form_);
  EXPECT_EQ(form_.BoundsRect(), (Rect{-10, 730, 412, 747}));
}

TEST_F(WindowHelpers, DragWindowChangesNothingForAWindowInsideTheWorkArea) {
  DragWindow(form_);
  EXPECT_EQ(form_.BoundsRect(), (Rect{300, 200, 722, 217}));
}

TEST_F(WindowHelpers, MakeToolWindowAddsTheToolStyleBetweenHideAndShow) {
  const std::string app = HandleText(backend_.ApplicationHandle());
  ws_.exStyles[backend_.ApplicationHandle()] = 0x00000100;  // WS_EX_WINDOWEDGE stays
  MakeToolWindow(form_, false);
  EXPECT_EQ(ws_.calls,
            (Calls{"Hide " + app, "GetExStyle " + app, "SetExStyle " + app + " 180", "Show " + app}));
  EXPECT_TRUE(ws_.visible[backend_.ApplicationHandle()]);
}

TEST_F(WindowHelpers, MakeToolWindowCanEndHidden) {
  const std::string app = HandleText(backend_.ApplicationHandle());
  MakeToolWindow(form_, true);
  EXPECT_EQ(ws_.calls,
            (Calls{"Show " + app, "GetExStyle " + app, "SetExStyle " + app + " 80", "Hide " + app}));
  EXPECT_FALSE(ws_.visible[backend_.ApplicationHandle()]);
}

TEST_F(WindowHelpers, SetTopmostUsesTheWindowsOwnBoundsAndReportsTheAnswer) {
  EXPECT_TRUE(SetTopmost(form_));
  EXPECT_EQ(ws_.calls, (Calls{"Topmost " + handle_ + " 300,200,422,17"}));
  EXPECT_EQ(form_.BoundsRect(), (Rect{300, 200, 722, 217}));
  ws_.topmostAnswer = false;
  EXPECT_FALSE(SetTopmost(form_));
}

TEST_F(WindowHelpers, OutsideAnApplicationTheHelpersDoNothing) {
  Form loose(nullptr);
  loose.SetBounds(-10, 730, 422, 17);
  DragWindow(loose);
  MakeToolWindow(loose, false);
  EXPECT_FALSE(SetTopmost(loose));
  EXPECT_FALSE(AskYesNo(loose, "Download?"));
  ShowMessageBox(loose, "Disk full", true);
  EXPECT_EQ(ShortPathFolder(loose, "C:\\Tools\\App.exe"), "C:\\Tools\\");
  EXPECT_EQ(loose.BoundsRect(), (Rect{-10, 730, 412, 747}));
  EXPECT_TRUE(ws_.calls.empty());
  EXPECT_TRUE(backend_.dialogs.shown.empty());
}

TEST(FolderOfPath, KeepsEverythingUpToAndIncludingTheLastBackslash) {
  EXPECT_EQ(FolderOfPath("C:\\PROGRA~1\\TOOLS\\APP.EXE"), "C:\\PROGRA~1\\TOOLS\\");
  EXPECT_EQ(FolderOfPath("C:\\APP.EXE"), "C:\\");
  EXPECT_EQ(FolderOfPath("C:\\TOOLS\\"), "C:\\TOOLS\\");
  EXPECT_EQ(FolderOfPath("APP.EXE"), "");
  EXPECT_EQ(FolderOfPath("C:/TOOLS/APP.EXE"), "");  // only the backslash separates
  EXPECT_EQ(FolderOfPath(""), "");
}

TEST_F(WindowHelpers, ShortPathFolderTakesTheFolderOfTheShortForm) {
  ws_.shortPaths["C:\\Program Files\\Tools\\App.exe"] = "C:\\PROGRA~1\\TOOLS\\APP.EXE";
  ws_.shortPaths["App.exe"] = "APP.EXE";
  EXPECT_EQ(ShortPathFolder(form_, "C:\\Program Files\\Tools\\App.exe"), "C:\\PROGRA~1\\TOOLS\\");
  EXPECT_EQ(ShortPathFolder(form_, "App.exe"), "");
}

TEST_F(WindowHelpers, ShortPathFolderFallsBackToThePathAsGivenWithoutAShortForm) {
  EXPECT_EQ(ShortPathFolder(form_, "C:\\Program Files\\Tools\\App.exe"), "C:\\Program Files\\Tools\\");
}

TEST_F(WindowHelpers, ShortPathFolderStopsAtANulInTheShortForm) {
  ws_.shortPaths["C:\\Tools\\App.exe"] = std::string("C:\\TOOLS\\APP.EXE\0\\junk\\", 24);
  EXPECT_EQ(ShortPathFolder(form_, "C:\\Tools\\App.exe"), "C:\\TOOLS\\");
}

TEST_F(WindowHelpers, MessageBoxesGoThroughTheApplicationsDialogs) {
  ShowMessageBox(form_, "Disk full", true);
  ShowMessageBox(form_, "Saved", false);
  ASSERT_EQ(backend_.dialogs.shown.size(), 2u);
  EXPECT_EQ(backend_.dialogs.shown[0].caption, "Error");
  EXPECT_EQ(backend_.dialogs.shown[0].text, "Disk full");
  EXPECT_EQ(backend_.dialogs.shown[1].caption, "Information");
  EXPECT_EQ(backend_.dialogs.shown[1].text, "Saved");
}

TEST_F(WindowHelpers, AskYesNoIsTrueOnlyForYes) {
  backend_.dialogs.confirmAnswers = {true, false};
  EXPECT_TRUE(AskYesNo(form_, "Download?"));
  EXPECT_FALSE(AskYesNo(form_, "Download?"));
  EXPECT_FALSE(AskYesNo(form_, "Download?"));  // closed without an answer
  ASSERT_EQ(backend_.dialogs.Count("Confirm"), 3u);
  EXPECT_EQ(backend_.dialogs.shown[0].caption, "Confirm");
  EXPECT_EQ(backend_.dialogs.shown[0].text, "Download?");
}

}  // namespace
}  // namespace welmor
