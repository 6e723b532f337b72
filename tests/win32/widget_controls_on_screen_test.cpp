// The panel, the bar and the chart on real windows: what they compose after
// the window is up must reach the screen, painted by their windows or by the
// pass at the end of a timer's tick.
#include <gtest/gtest.h>

#include <initializer_list>
#include <stdexcept>
#include <string>
#include <utility>
#include <vector>

#include "controls/graph.hpp"
#include "controls/progress_bar.hpp"
#include "toolkit/custom_control.hpp"
#include "toolkit/form.hpp"
#include "toolkit/label.hpp"
#include "toolkit/timer.hpp"
#include "win32/toolkit_fixture.hpp"

namespace welmor {
namespace {

constexpr Color kSky = 0xF0CAA6;
constexpr Color kRed = 0x0000FF;

using WidgetControlsOnScreen = testenv::Win32Toolkit;

int CountOnScreen(HWND hwnd, int width, int height, COLORREF colour) {
  HDC dc = ::GetDC(hwnd);
  int n = 0;
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x) n += ::GetPixel(dc, x, y) == colour ? 1 : 0;
  ::ReleaseDC(hwnd, dc);
  return n;
}

// A panel with its bar over the panel's bottom edge and the chart below, as
// in the widget: a control made later is drawn above the ones before it.
// Dispatches only timer messages until ticked is set, so no WM_PAINT can
// stand in for the pass.
bool UntilTicked(const bool& ticked) {
  MSG msg;
  const DWORD start = ::GetTickCount();
  while (!ticked && ::GetTickCount() - start < 3000) {
    if (::PeekMessageA(&msg, nullptr, WM_TIMER, WM_TIMER, PM_REMOVE)) ::DispatchMessageA(&msg);
  }
  return ticked;
}

bool Invalid(Control& c) { return ::GetUpdateRect(testenv::AsHwnd(c.Handle()), nullptr, FALSE); }

struct WidgetCorner {
  explicit WidgetCorner(Application& app) : form(&app) {
    form.SetBorderStyle(FormBorderStyle::None);
    form.SetBounds(50, 60, 200, 40);
    panel.SetParent(&form);
    panel.SetBounds(0, 0, 140, 17);
    panel.SetColor(kSky);
    panel.SetBorderStyle(StaticBorder::Single);
    panel.SetAlignment(Alignment::Center);
    bar.SetParent(&form);
    bar.SetBounds(1, 13, 138, 3);
    ApplyWidgetBarDesign(bar, kSky, kRed);
    chart.SetParent(&form);
    chart.SetBounds(0, 17, 200, 17);
    ApplyWidgetGraphDesign(chart, kSky);
    AddWidgetGraphElements(chart);
    form.ShowForm();
  }
  // The form's client area as it is on screen, children included.
  std::vector<COLORREF> Screen() {
    HWND hwnd = testenv::AsHwnd(form.Handle());
    HDC dc = ::GetDCEx(hwnd, nullptr, DCX_CACHE);
    std::vector<COLORREF> pixels;
    for (int y = 0; y < 34; ++y)
      for (int x = 0; x < 200; ++x) pixels.push_back(::GetPixel(dc, x, y));
    ::ReleaseDC(hwnd, dc);
    return pixels;
  }
  Form form;
  Label& panel = form.Make<Label>();
  TQProgressBar& bar = form.Make<TQProgressBar>();
  KrGraphic& chart = form.Make<KrGraphic>();
};

TEST_F(WidgetControlsOnScreen, BarAndChartUpdatesAfterShowingReachTheScreen) {
  WidgetCorner w(App());
  Pump(300);
  HWND barWindow = testenv::AsHwnd(w.bar.Handle());
  HWND chartWindow = testenv::AsHwnd(w.chart.Handle());
  EXPECT_EQ(CountOnScreen(barWindow, 138, 3, RGB(255, 0, 0)), 0);

  w.bar.SetPosition(50);
  for (int i = 0; i < 5; ++i) w.chart.AddValue(2, 50);
  Pump(300);
  EXPECT_GT(CountOnScreen(barWindow, 138, 3, RGB(255, 0, 0)), 60);
  EXPECT_GT(CountOnScreen(chartWindow, 200, 17, RGB(255, 255, 0)), 3);
}

TEST_F(WidgetControlsOnScreen, ATimerTicksChangesArePaintedWhenItEndsAsTheWindowsPaintThem) {
  WidgetCorner w(App());
  Pump(300);
  const std::vector<COLORREF> before = w.Screen();
  Timer& timer = w.form.Make<Timer>();
  timer.SetInterval(20);
  bool ticked = false;
  timer.OnTimer = [&](Component&) {
    timer.SetEnabled(false);
    w.panel.SetCaption("Free RAM: 1.50 GiB");
    w.bar.SetPosition(40);
    for (int i = 0; i < 5; ++i) w.chart.AddValue(1, 20 * i);
    ticked = true;
  };
  ASSERT_TRUE(UntilTicked(ticked));
  for (Control* c : std::initializer_list<Control*>{&w.panel, &w.bar, &w.chart}) EXPECT_FALSE(Invalid(*c));
  const std::vector<COLORREF> byThePass = w.Screen();
  EXPECT_NE(byThePass, before);
  // Each window painting itself gives the very same pixels.
  ::RedrawWindow(testenv::AsHwnd(w.form.Handle()), nullptr, nullptr,
                 RDW_INVALIDATE | RDW_FRAME | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
  EXPECT_EQ(w.Screen(), byThePass);
}

// Its next image fails.
struct Failing : CustomControl {
  using CustomControl::CustomControl;
  void Paint(Canvas&) override {
    if (std::exchange(fail, false)) throw std::runtime_error("Canvas does not allow drawing");
  }
  bool fail = false;
};

TEST_F(WidgetControlsOnScreen, AnImageThatFailsInThePassIsReportedOnceThePassHasPaintedTheRest) {
  WidgetCorner w(App());
  Failing& failing = w.form.Make<Failing>();
  failing.SetParent(&w.form);
  failing.SetBounds(140, 0, 60, 40);  // larger than the panel: composed first
  Pump(300);
  const std::vector<COLORREF> before = w.Screen();
  bool panelShown = false;
  std::string reported;
  testenv::WhileModal box("#32770", [&](HWND h) {
    panelShown = w.Screen() != before;
    reported = testenv::WindowText(h);
    ::PostMessageA(h, WM_COMMAND, IDOK, 0);
  });
  Timer& timer = w.form.Make<Timer>();
  timer.SetInterval(20);
  bool ticked = false;
  timer.OnTimer = [&](Component&) {
    timer.SetEnabled(false);
    failing.fail = true;
    failing.Invalidate();
    w.panel.SetCaption("Free RAM: 1.50 GiB");
    ticked = true;
  };
  ASSERT_TRUE(UntilTicked(ticked));
  EXPECT_EQ(reported, "Error");
  EXPECT_TRUE(panelShown);
}

TEST_F(WidgetControlsOnScreen, WhatAClickInALoopOpenedByATickChangesIsPaintedInThatLoop) {
  WidgetCorner w(App());
  Pump(300);
  w.chart.OnMouseMove = [&](Control&, uint32_t, int32_t, int32_t) { w.panel.SetCaption("moved"); };
  Timer& timer = w.form.Make<Timer>();
  timer.SetInterval(20);
  bool ticked = false;
  bool invalidInTheLoop = false;
  timer.OnTimer = [&](Component&) {
    timer.SetEnabled(false);
    // A loop of its own, as a message box's: the move reaches the chart in it.
    ::PostMessageA(testenv::AsHwnd(w.chart.Handle()), WM_MOUSEMOVE, 0, MAKELPARAM(5, 5));
    MSG msg;
    while (::PeekMessageA(&msg, testenv::AsHwnd(w.chart.Handle()), WM_MOUSEMOVE, WM_MOUSEMOVE, PM_REMOVE))
      ::DispatchMessageA(&msg);
    invalidInTheLoop = Invalid(w.panel);
    ticked = true;
  };
  ASSERT_TRUE(UntilTicked(ticked));
  EXPECT_TRUE(invalidInTheLoop);
}

}  // namespace
}  // namespace welmor
