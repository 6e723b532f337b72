// Timers, the message loop, ProcessMessages and the message filter.
#include <gtest/gtest.h>

#include "toolkit/form.hpp"
#include "toolkit/timer.hpp"
#include "win32/toolkit_fixture.hpp"

namespace welmor {
namespace {

using testenv::AsHwnd;

// Alt+F4 as the keyboard delivers it: the context code (bit 29) says Alt is down.
constexpr LPARAM kAltF4KeyData = 0x20000001 | (0x3E << 16);

class Win32Loop : public testenv::Win32Toolkit {
 protected:
  // A visible secondary form whose closes are counted.
  Form& CountedForm(int& closes) {
    App().CreateForm<Form>();  // the main form
    Form& form = App().CreateForm<Form>();
    form.SetBorderStyle(FormBorderStyle::None);
    form.SetBounds(20, 20, 100, 17);
    form.OnClose = [&closes](Component&, CloseAction&) { ++closes; };
    ::SetWindowPos(AsHwnd(form.Handle()), nullptr, 0, 0, 0, 0,
                   SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_SHOWWINDOW);
    form.SetVisible(true);
    return form;
  }
};

TEST_F(Win32Loop, TimersTickInsideTheMessageLoopUntilTerminate) {
  Timer ticker(&App());
  Timer watchdog(&App());
  int ticks = 0;
  ticker.SetInterval(20);
  ticker.OnTimer = [&](Component&) {
    if (++ticks == 3) App().Terminate();
  };
  bool timedOut = false;
  watchdog.SetInterval(5000);
  watchdog.OnTimer = [&](Component&) {
    timedOut = true;
    App().Terminate();
  };
  const DWORD start = ::GetTickCount();
  App().Run();
  EXPECT_FALSE(timedOut);
  EXPECT_EQ(ticks, 3);
  EXPECT_GE(::GetTickCount() - start, 40u);  // three ticks 20 ms apart
}

TEST_F(Win32Loop, ADisabledTimerDoesNotTickAndANewIntervalTakesEffect) {
  Timer timer(&App());
  int ticks = 0;
  timer.OnTimer = [&](Component&) { ++ticks; };
  timer.SetInterval(10);
  timer.SetEnabled(false);
  Pump(120);
  EXPECT_EQ(ticks, 0);
  timer.SetEnabled(true);
  Pump(120);
  EXPECT_GT(ticks, 0);
  timer.SetInterval(60000);
  const int before = ticks;
  Pump(120);
  EXPECT_EQ(ticks, before);
}

TEST_F(Win32Loop, ATimerDestroyedWhileItsTickIsQueuedNeverTicks) {
  int ticks = 0;
  {
    Timer timer(&App());
    timer.SetInterval(1);
    timer.OnTimer = [&](Component&) { ++ticks; };
    ::Sleep(30);  // a WM_TIMER is due now
  }
  Timer other(&App());  // may not inherit the old timer's id
  other.SetInterval(60000);
  other.OnTimer = [&](Component&) { ++ticks; };
  Pump(50);
  EXPECT_EQ(ticks, 0);
}

TEST_F(Win32Loop, ProcessMessagesRunsWhatIsWaitingAndReturns) {
  int closes = 0;
  Form& form = CountedForm(closes);
  ::PostMessageA(AsHwnd(form.Handle()), WM_CLOSE, 0, 0);
  EXPECT_EQ(closes, 0);
  App().ProcessMessages();
  EXPECT_EQ(closes, 1);
  EXPECT_FALSE(form.Visible());
}

TEST_F(Win32Loop, ProcessMessagesLeavesAQuitRequestForTheLoop) {
  App().Terminate();
  App().ProcessMessages();
  MSG msg;
  EXPECT_TRUE(::PeekMessageA(&msg, nullptr, WM_QUIT, WM_QUIT, PM_NOREMOVE));
}

TEST_F(Win32Loop, TheMessageFilterCanDropAltF4BeforeItReachesTheWindow) {
  int closes = 0;
  Form& form = CountedForm(closes);
  HWND hwnd = AsHwnd(form.Handle());
  int seen = 0;
  App().OnMessage = [&](const Message& msg) {
    if (msg.message != WM_SYSKEYDOWN) return false;
    ++seen;
    return msg.wParam == VK_F4;
  };
  ::PostMessageA(hwnd, WM_SYSKEYDOWN, VK_F4, kAltF4KeyData);
  Pump(100);
  EXPECT_EQ(seen, 1);
  EXPECT_EQ(closes, 0);
  EXPECT_TRUE(::IsWindowVisible(hwnd));

  // Let it through: the system turns Alt+F4 into a close.
  App().OnMessage = nullptr;
  ::PostMessageA(hwnd, WM_SYSKEYDOWN, VK_F4, kAltF4KeyData);
  Pump(100);
  EXPECT_EQ(closes, 1);
}

TEST_F(Win32Loop, AnExceptionInAHandlerIsReportedAndTheLoopGoesOn) {
  Timer thrower(&App());
  Timer ender(&App());
  thrower.SetInterval(10);
  int throws = 0;
  thrower.OnTimer = [&](Component&) {
    thrower.SetEnabled(false);
    ++throws;
    throw std::runtime_error("Failed to set data for 'Interval'");
  };
  ender.SetInterval(200);
  ender.OnTimer = [&](Component&) { App().Terminate(); };
  std::string reported;
  testenv::WhileModal reader("#32770", [&](HWND box) {
    char text[128] = {};
    ::GetDlgItemTextA(box, 0xFFFF, text, sizeof text);
    reported = testenv::WindowText(box) + "|" + text;
    ::PostMessageA(box, WM_COMMAND, IDOK, 0);
  });
  App().Run();
  EXPECT_EQ(throws, 1);
  EXPECT_EQ(reported, "Error|Failed to set data for 'Interval'");
}

}  // namespace
}  // namespace welmor
