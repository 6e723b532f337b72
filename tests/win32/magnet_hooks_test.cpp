// The magnet on real windows under Wine: the hook chain by subclassing, the
// re-hook of a recreated window, the WM_MOVING rectangle, snapping when
// switched on, and the form's own work-area snapping.
#include <gtest/gtest.h>

#include "controls/form_magnet.hpp"
#include "controls/hook_list.hpp"
#include "controls/win32/win32_magnet_platform.hpp"
#include "fakes/logging_hook.hpp"
#include "toolkit_fixture.hpp"

namespace welmor {
namespace {

constexpr UINT kProbe = WM_USER + 77;

class MagnetWin32 : public testenv::Win32Toolkit {
 protected:
  void SetUp() override {
    testenv::Win32Toolkit::SetUp();
    ASSERT_TRUE(::SystemParametersInfoA(SPI_GETWORKAREA, 0, &area, 0));
  }
  // Hidden: Wine without a window manager waits for every shown window
  // that goes away.
  Form& MakeForm(int32_t left, int32_t top) {
    Form& form = App().CreateForm<Form>();
    form.SetBorderStyle(FormBorderStyle::None);
    form.SetBounds(left, top, 422, 17);
    form.Handle();
    return form;
  }
  static RECT WindowRectOf(Form& form) {
    RECT r{};
    ::GetWindowRect(testenv::AsHwnd(form.Handle()), &r);
    return r;
  }

  std::unique_ptr<MagnetPlatform> platform = MakeWin32MagnetPlatform();
  std::vector<std::string> log;
  RECT area{};
};

TEST_F(MagnetWin32, TwoHooksSeeAMessageLastRegisteredFirstThenTheWindowItself) {
  Form& form = MakeForm(100, 200);
  const auto own = static_cast<uintptr_t>(::GetWindowLongPtrA(testenv::AsHwnd(form.Handle()), GWLP_WNDPROC));
  auto& first = form.Make<LoggingHook>(platform.get(), "first", log, kProbe);
  auto& second = form.Make<LoggingHook>(platform.get(), "second", log, kProbe);
  HWND hwnd = testenv::AsHwnd(form.Handle());
  EXPECT_EQ(static_cast<uintptr_t>(::GetWindowLongPtrA(hwnd, GWLP_WNDPROC)), second.HookProcedure());
  EXPECT_EQ(second.PrevProc(), first.HookProcedure());
  EXPECT_EQ(first.PrevProc(), own);
  ::SendMessageA(hwnd, kProbe, 0, 0);
  EXPECT_EQ(log, (std::vector<std::string>{"second", "first"}));
  // The window's own procedure still answers.
  EXPECT_EQ(::SendMessageA(hwnd, WM_NCHITTEST, 0, MAKELPARAM(150, 205)), HTCLIENT);
}

TEST_F(MagnetWin32, ARecreatedWindowIsHookedAgainInTheSameOrder) {
  Form& form = MakeForm(100, 200);
  auto& first = form.Make<LoggingHook>(platform.get(), "first", log, kProbe);
  auto& second = form.Make<LoggingHook>(platform.get(), "second", log, kProbe);
  const uintptr_t old = MagnetWindow(form.Handle());
  form.DestroyPeers();
  EXPECT_FALSE(::IsWindow(reinterpret_cast<HWND>(old)));
  Pump(50);  // the re-hook request waits in the utility window's queue
  HWND now = testenv::AsHwnd(form.Handle());
  ASSERT_TRUE(::IsWindow(now));
  EXPECT_EQ(second.HookedWindow(), reinterpret_cast<uintptr_t>(now));
  EXPECT_EQ(first.HookedWindow(), reinterpret_cast<uintptr_t>(now));
  EXPECT_EQ(static_cast<uintptr_t>(::GetWindowLongPtrA(now, GWLP_WNDPROC)), second.HookProcedure());
  ::SendMessageA(now, kProbe, 0, 0);
  EXPECT_EQ(log, (std::vector<std::string>{"second", "first"}));
}

TEST_F(MagnetWin32, MovingRectangleFollowsTheCursorAndSnapsToTheWorkArea) {
  Form& form = MakeForm(area.left + 300, area.top + 100);
  TFormMagnet& magnet = form.Make<TFormMagnet>(platform.get());
  HWND hwnd = testenv::AsHwnd(form.Handle());
  // Pressed at (350, 108); the first message comes after a 10-pixel step up.
  ASSERT_TRUE(::SetCursorPos(area.left + 350, area.top + 98));
  RECT proposed{area.left + 300, area.top + 90, area.left + 722, area.top + 107};
  ::SendMessageA(hwnd, WM_MOVING, 0, reinterpret_cast<LPARAM>(&proposed));
  EXPECT_TRUE(magnet.Dragging());
  EXPECT_EQ(proposed.top, area.top + 90);
  ASSERT_TRUE(::SetCursorPos(area.left + 360, area.top + 18));
  ::SendMessageA(hwnd, WM_MOVING, 0, reinterpret_cast<LPARAM>(&proposed));
  EXPECT_EQ(proposed.left, area.left + 310);
  EXPECT_EQ(proposed.top, area.top);
  EXPECT_EQ(proposed.bottom, area.top + 17);
  ::SendMessageA(hwnd, WM_EXITSIZEMOVE, 0, 0);
  EXPECT_FALSE(magnet.Dragging());
}

TEST_F(MagnetWin32, SwitchingTheMagnetOnSnapsTheWindowAtOnce) {
  Form& form = MakeForm(area.left + 300, area.top + 10);
  TFormMagnet& magnet = form.Make<TFormMagnet>(platform.get());
  magnet.SetActive(false);
  EXPECT_EQ(WindowRectOf(form).top, area.top + 10);
  magnet.SetActive(true);
  EXPECT_EQ(WindowRectOf(form).top, area.top);
  EXPECT_EQ(form.Top(), area.top);
}

TEST_F(MagnetWin32, AFormWithScreenSnapPutsEdgesNearTheWorkAreaOnIt) {
  Form& form = MakeForm(area.left + 300, area.top + 100);
  form.SetScreenSnap(true);
  form.SetSnapBuffer(5);
  struct Case {
    int32_t left, top, expectedLeft, expectedTop;
  };
  const Case cases[] = {
      {300, 3, 300, 0},
      {300, 5, 300, 5},
      {-4, 100, 0, 100},
      {(area.right - area.left) - 422 + 2, (area.bottom - area.top) - 17 - 4, (area.right - area.left) - 422,
       (area.bottom - area.top) - 17},
  };
  for (const Case& c : cases) {
    form.SetBounds(area.left + c.left, area.top + c.top, 422, 17);
    const RECT r = WindowRectOf(form);
    EXPECT_EQ(r.left, area.left + c.expectedLeft) << c.left << "," << c.top;
    EXPECT_EQ(r.top, area.top + c.expectedTop) << c.left << "," << c.top;
    EXPECT_EQ(r.right - r.left, 422);
    EXPECT_EQ(form.Top(), r.top) << "the form's fields follow the window";
  }
}

}  // namespace
}  // namespace welmor
