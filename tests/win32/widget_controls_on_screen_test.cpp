// The bar and the chart on real windows: what they compose after the window
// is up must reach the screen.
#include <gtest/gtest.h>

#include "controls/graph.hpp"
#include "controls/progress_bar.hpp"
#include "toolkit/form.hpp"
#include "toolkit/label.hpp"
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

TEST_F(WidgetControlsOnScreen, BarAndChartUpdatesAfterShowingReachTheScreen) {
  Form form(&App());
  form.SetBorderStyle(FormBorderStyle::None);
  form.SetBounds(50, 60, 200, 40);
  // The panel comes first and the bar lies over its bottom edge, as in the
  // widget: a control made later is drawn above the ones before it.
  Label& panel = form.Make<Label>();
  panel.SetParent(&form);
  panel.SetBounds(0, 0, 140, 17);
  panel.SetColor(kSky);
  TQProgressBar& bar = form.Make<TQProgressBar>();
  bar.SetParent(&form);
  bar.SetBounds(1, 13, 138, 3);
  ApplyWidgetBarDesign(bar, kSky, kRed);
  KrGraphic& chart = form.Make<KrGraphic>();
  chart.SetParent(&form);
  chart.SetBounds(0, 17, 200, 17);
  ApplyWidgetGraphDesign(chart, kSky);
  AddWidgetGraphElements(chart);
  form.ShowForm();
  Pump(300);
  HWND barWindow = testenv::AsHwnd(bar.Handle());
  HWND chartWindow = testenv::AsHwnd(chart.Handle());
  EXPECT_EQ(CountOnScreen(barWindow, 138, 3, RGB(255, 0, 0)), 0);

  bar.SetPosition(50);
  for (int i = 0; i < 5; ++i) chart.AddValue(2, 50);
  Pump(300);
  EXPECT_GT(CountOnScreen(barWindow, 138, 3, RGB(255, 0, 0)), 60);
  EXPECT_GT(CountOnScreen(chartWindow, 200, 17, RGB(255, 255, 0)), 3);
}

}  // namespace
}  // namespace welmor
