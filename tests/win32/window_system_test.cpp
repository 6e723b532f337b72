// The window helpers on the real window manager, through the Win32 backend.
#include <gtest/gtest.h>

#include "toolkit/form.hpp"
#include "win32/toolkit_fixture.hpp"
#include "winutil/window_helpers.hpp"

namespace welmor {
namespace {

class WindowSystemWin32 : public testenv::Win32Toolkit {
 protected:
  Form& MakeForm(int32_t left, int32_t top) {
    Form& form = App().CreateForm<Form>();
    form.SetBorderStyle(FormBorderStyle::None);
    form.SetBounds(left, top, 422, 17);
    return form;
  }
};

TEST_F(WindowSystemWin32, SetTopmostPutsTheFormInTheTopmostBandWhereItIs) {
  Form& form = MakeForm(120, 80);
  HWND hwnd = testenv::AsHwnd(form.Handle());
  ASSERT_EQ(::GetWindowLongA(hwnd, GWL_EXSTYLE) & WS_EX_TOPMOST, 0);
  EXPECT_TRUE(SetTopmost(form));
  EXPECT_NE(::GetWindowLongA(hwnd, GWL_EXSTYLE) & WS_EX_TOPMOST, 0);
  EXPECT_TRUE(::IsWindowVisible(hwnd));
  RECT r;
  ::GetWindowRect(hwnd, &r);
  EXPECT_EQ(r.left, 120);
  EXPECT_EQ(r.top, 80);
  EXPECT_EQ(r.right - r.left, 422);
  EXPECT_EQ(r.bottom - r.top, 17);
}

TEST_F(WindowSystemWin32, MakeToolWindowStylesTheApplicationWindowNotTheForm) {
  Form& form = MakeForm(120, 80);
  HWND app = Backend().AppWindow();
  ASSERT_EQ(::GetWindowLongA(app, GWL_EXSTYLE) & WS_EX_TOOLWINDOW, 0);
  MakeToolWindow(form, false);
  EXPECT_NE(::GetWindowLongA(app, GWL_EXSTYLE) & WS_EX_TOOLWINDOW, 0);
  EXPECT_TRUE(::IsWindowVisible(app));
  EXPECT_EQ(::GetWindowLongA(testenv::AsHwnd(form.Handle()), GWL_EXSTYLE) & WS_EX_TOOLWINDOW, 0);
  MakeToolWindow(form, true);
  EXPECT_NE(::GetWindowLongA(app, GWL_EXSTYLE) & WS_EX_TOOLWINDOW, 0);
  EXPECT_FALSE(::IsWindowVisible(app));
  // The backend is shared by the tests that follow: put it back.
  ::SetWindowLongA(app, GWL_EXSTYLE, ::GetWindowLongA(app, GWL_EXSTYLE) & ~WS_EX_TOOLWINDOW);
  ::ShowWindow(app, SW_SHOWNOACTIVATE);
}

TEST_F(WindowSystemWin32, DragWindowWithoutAButtonHeldOnlyPullsTheWindowOntoTheWorkArea) {
  RECT area;
  ASSERT_TRUE(::SystemParametersInfoA(SPI_GETWORKAREA, 0, &area, 0));
  Form& form = MakeForm(area.left - 10, area.bottom - 5);
  form.ShowForm();
  DragWindow(form);
  RECT r;
  ::GetWindowRect(testenv::AsHwnd(form.Handle()), &r);
  EXPECT_EQ(r.left, area.left);
  EXPECT_EQ(r.bottom, area.bottom);
  EXPECT_EQ(form.BoundsRect(), (Rect{r.left, r.top, r.right, r.bottom}));
  // Inside the area, nothing moves.
  form.SetBounds(area.left + 50, area.top + 40, 422, 17);
  DragWindow(form);
  EXPECT_EQ(form.Left(), area.left + 50);
  EXPECT_EQ(form.Top(), area.top + 40);
}

TEST_F(WindowSystemWin32, ShortPathFolderNamesTheFolderOfAnExistingFile) {
  char exe[MAX_PATH] = {};
  ASSERT_GT(::GetModuleFileNameA(nullptr, exe, sizeof exe), 0u);
  const std::string folder = ShortPathFolder(MakeForm(0, 0), exe);
  ASSERT_FALSE(folder.empty());
  EXPECT_EQ(folder.back(), '\\');
  EXPECT_LE(folder.size(), 255u);
  char longForm[MAX_PATH] = {};
  ASSERT_GT(::GetLongPathNameA(folder.c_str(), longForm, sizeof longForm), 0u);
  EXPECT_EQ(::lstrcmpiA(longForm, FolderOfPath(exe).c_str()), 0) << folder;
}

}  // namespace
}  // namespace welmor
