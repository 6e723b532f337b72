// Control hints in the toolkit's own hint window: the application's colour
// and pauses, any length, the mouse leaving.
#include <gtest/gtest.h>

#include "toolkit/win32/windows_api.hpp"

#include <cstdio>
#include <string>
#include <vector>

#include "toolkit/form.hpp"
#include "toolkit/label.hpp"
#include "win32/toolkit_fixture.hpp"
#include "winapi/win32/handles.hpp"

namespace welmor {
namespace {

using testenv::AsHwnd;

constexpr Color kHintColour = 0x0040C0F0;

class Win32Hints : public testenv::Win32Toolkit {
 protected:
  void SetUp() override {
    Win32Toolkit::SetUp();
    ::SetCursorPos(900, 900);  // away from where the form goes
    form_ = &App().CreateForm<Form>();
    form_->SetBorderStyle(FormBorderStyle::None);
    form_->SetBounds(50, 300, 422, 17);
    for (int i = 0; i < 2; ++i) {
      Label& label = form_->Make<Label>();
      label.SetParent(form_);
      label.SetBounds(i * 141, 0, 140, 17);
      panels_.push_back(&label);
    }
    form_->CreatePeers();
    ::SetWindowPos(AsHwnd(form_->Handle()), HWND_TOPMOST, 0, 0, 0, 0,
                   SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE | SWP_SHOWWINDOW);
    App().SetHintColor(kHintColour);
    Pump(50);
  }
  void TearDown() override {
    ::SetCursorPos(900, 900);
    Pump(150);
    Win32Toolkit::TearDown();
  }
  HWND Hint() { return Backend().HintWindowHandle(); }
  bool Shown() { return ::IsWindowVisible(Hint()) != FALSE; }
  void PointAt(const Label& panel) { ::SetCursorPos(50 + panel.Left() + 20, 300 + 8); }
  // Milliseconds until the hint window's visibility becomes `visible`; -1
  // when it does not within limitMs.
  int WaitUntil(bool visible, int limitMs) {
    const DWORD start = ::GetTickCount();
    while (static_cast<int>(::GetTickCount() - start) < limitMs) {
      if (Shown() == visible) return static_cast<int>(::GetTickCount() - start);
      Pump(10);
    }
    return -1;
  }
  static int LineHeight() {
    NONCLIENTMETRICSA metrics{};
    metrics.cbSize = sizeof(metrics);
    ::SystemParametersInfoA(SPI_GETNONCLIENTMETRICS, sizeof(metrics), &metrics, 0);
    unique_hfont font(::CreateFontIndirectA(&metrics.lfStatusFont));
    unique_hdc dc(::CreateCompatibleDC(nullptr));
    select_object use(dc.get(), font.get());
    TEXTMETRICA tm{};
    ::GetTextMetricsA(dc.get(), &tm);
    return tm.tmHeight;
  }

  Form* form_ = nullptr;
  std::vector<Label*> panels_;
};

TEST_F(Win32Hints, ALongHintShowsWholeInTheHintColourAfterThePauseAndHidesAfterTheHidePause) {
  // A process list of 90 lines, 3,000 characters: longer than any common
  // control's buffer.
  std::string text = "Processes: 90" + std::string(50, ' ') + "\r\n";
  for (int i = 1; i < 90; ++i) {
    char line[40];
    std::snprintf(line, sizeof line, "process%02d.exe      %5d.00 KiB", i, 100 + i);
    text += line;
    if (i < 89) text += "\r\n";
  }
  ASSERT_EQ(text.size(), 3000u);
  App().SetHintPause(400);
  App().SetHintHidePause(1500);
  panels_[0]->SetShowHint(true);
  panels_[0]->SetHint(text);

  PointAt(*panels_[0]);
  const int shownAfter = WaitUntil(true, 3000);
  ASSERT_GE(shownAfter, 0) << "no hint showed";
  EXPECT_GE(shownAfter, 300);

  char title[4096] = {};
  ::GetWindowTextA(Hint(), title, sizeof title);
  EXPECT_EQ(std::string(title), text);
  RECT client;
  ::GetClientRect(Hint(), &client);
  EXPECT_GE(client.bottom, 90 * LineHeight());
  RECT frame;
  ::GetWindowRect(Hint(), &frame);
  EXPECT_GE(frame.top, 0);  // taller than the space below: kept on the screen
  EXPECT_NE(::GetWindowLongA(Hint(), GWL_EXSTYLE) & WS_EX_TOPMOST, 0);
  {
    HDC dc = ::GetDC(Hint());
    EXPECT_EQ(::GetPixel(dc, client.right - 1, 0), static_cast<COLORREF>(kHintColour));
    ::ReleaseDC(Hint(), dc);
  }

  const int hiddenAfter = WaitUntil(false, 4000);
  ASSERT_GE(hiddenAfter, 0) << "the hint stayed";
  EXPECT_GE(hiddenAfter, 1200);
  // The mouse has not moved: it does not come back on its own.
  Pump(600);
  EXPECT_FALSE(Shown());
}

TEST_F(Win32Hints, OnlyAControlWithShowHintAndATextHasOneAndLeavingHidesIt) {
  App().SetHintPause(50);
  App().SetHintHidePause(10000);
  panels_[0]->SetHint("explorer.exe 12.00 MiB");  // ShowHint off
  panels_[1]->SetShowHint(true);                  // no text
  PointAt(*panels_[0]);
  EXPECT_EQ(WaitUntil(true, 500), -1);
  PointAt(*panels_[1]);
  EXPECT_EQ(WaitUntil(true, 500), -1);

  panels_[0]->SetShowHint(true);
  PointAt(*panels_[0]);
  ASSERT_GE(WaitUntil(true, 2000), 0);
  char title[256] = {};
  ::GetWindowTextA(Hint(), title, sizeof title);
  EXPECT_STREQ(title, "explorer.exe 12.00 MiB");

  // Rebuilt while shown, as the process list is on every mouse move.
  RECT before;
  ::GetWindowRect(Hint(), &before);
  panels_[0]->SetHint("explorer.exe 12.00 MiB\r\nwelmor.exe 2.00 MiB");
  EXPECT_TRUE(Shown());
  RECT after;
  ::GetWindowRect(Hint(), &after);
  EXPECT_GT(after.bottom - after.top, before.bottom - before.top);

  ::SetCursorPos(900, 900);
  EXPECT_GE(WaitUntil(false, 1000), 0);
}

}  // namespace
}  // namespace welmor
