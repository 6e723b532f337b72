// Snapping arithmetic: screen edges, other windows, touching edges, the
// form's own work-area snapping and the display a window belongs to.
#include "controls/magnet_geometry.hpp"
#include "toolkit/monitors.hpp"
#include "toolkit/screen_snap.hpp"

#include <gtest/gtest.h>

namespace welmor {
namespace {

constexpr Rect kWorkArea{0, 0, 1024, 738};
constexpr Size kWidget{422, 17};

Rect At(int32_t left, int32_t top, Size size = kWidget) {
  return Rect{left, top, left + size.width, top + size.height};
}

TEST(SnapToScreen, PullsEdgesStrictlyWithinDesktopPower) {
  struct Case {
    const char* what;
    Rect before;
    Size size;
    Rect after;
  };
  const Case cases[] = {
      {"top 10 below the top", At(300, 10), kWidget, At(300, 0)},
      {"top 15 below stays", At(300, 15), kWidget, At(300, 15)},
      {"top 15 above stays", At(300, -15), kWidget, At(300, -15)},
      {"top 14 above", At(300, -14), kWidget, At(300, 0)},
      {"bottom at 730", At(300, 713), kWidget, At(300, 721)},
      {"bottom 15 past stays", At(300, 753 - 17), kWidget, At(300, 736)},
      {"left 14 in", At(14, 300), kWidget, At(0, 300)},
      {"right 1010", At(1010 - 422, 300), kWidget, At(1024 - 422, 300)},
      {"a tall form ends on the bottom", At(300, 5, {100, 730}), {100, 730}, At(300, 8, {100, 730})},
      {"a wide form ends on the right", At(5, 300, {1020, 17}), {1020, 17}, At(4, 300, {1020, 17})},
  };
  const TScreenMagnet magnet;
  for (const Case& c : cases) {
    Rect r = c.before;
    SnapToScreen(r, kWorkArea, magnet, c.size);
    EXPECT_EQ(r, c.after) << c.what;
  }
}

TEST(SnapToScreen, SwitchedOffEdgesDoNotPull) {
  TScreenMagnet magnet;
  magnet.SetTop(false);
  magnet.SetRight(false);
  Rect r = At(1024 - 422 - 3, 10);
  SnapToScreen(r, kWorkArea, magnet, kWidget);
  EXPECT_EQ(r, At(1024 - 422 - 3, 10));
  magnet.SetDesktopPower(0);
  magnet.SetTop(true);
  SnapToScreen(r, kWorkArea, magnet, kWidget);
  EXPECT_EQ(r, At(1024 - 422 - 3, 10));
}

TEST(SnapToForm, PullsFacingEdgesWithinPowerWhenTheFormsOverlap) {
  const Rect other = At(300, 100, {200, 50});  // 300..500 by 100..150
  struct Case {
    const char* what;
    Rect before;
    bool snapped;
    Rect after;
  };
  const Case cases[] = {
      {"3 above: bottom onto its top", At(350, 80), true, At(350, 83)},
      {"3 into it: bottom onto its top", At(350, 86), true, At(350, 83)},
      {"5 above is out of reach", At(350, 78), false, At(350, 78)},
      {"touching already", At(350, 83), false, At(350, 83)},
      {"3 below: top onto its bottom", At(350, 153), true, At(350, 150)},
      {"beside it, no horizontal overlap", At(500, 80), false, At(500, 80)},
      {"2 left of it: right onto its left", At(300 - 424, 120), true, At(300 - 422, 120)},
      {"4 right of it: left onto its right", At(504, 120), true, At(500, 120)},
  };
  for (const Case& c : cases) {
    Rect r = c.before;
    EXPECT_EQ(SnapToForm(r, other, 5, kWidget, nullptr), c.snapped) << c.what;
    EXPECT_EQ(r, c.after) << c.what;
  }
}

TEST(SnapToForm, ARefusedSnapLeavesTheForm) {
  Rect r = At(350, 80);
  int asked = 0;
  EXPECT_FALSE(SnapToForm(r, At(300, 100, {200, 50}), 5, kWidget, [&] { return ++asked, false; }));
  EXPECT_EQ(r, At(350, 80));
  EXPECT_EQ(asked, 1);
}

TEST(TouchesAlongEdge, ExactlyTouchingOnlyAnywhereAlongTheEdge) {
  const Rect me = At(100, 100, {100, 20});
  EXPECT_TRUE(TouchesAlongEdge(me, At(150, 120, {10, 10})));   // below
  EXPECT_TRUE(TouchesAlongEdge(me, At(900, 120, {10, 10})));   // below, far along
  EXPECT_TRUE(TouchesAlongEdge(me, At(200, 0, {10, 10})));     // right
  EXPECT_TRUE(TouchesAlongEdge(me, At(150, 90, {10, 10})));    // above
  EXPECT_TRUE(TouchesAlongEdge(me, At(90, 100, {10, 10})));    // left
  EXPECT_FALSE(TouchesAlongEdge(me, At(150, 121, {10, 10})));  // 1-pixel gap
  EXPECT_FALSE(TouchesAlongEdge(me, At(201, 100, {10, 10})));
}

TEST(SnapToAreaEdges, EdgesWithinTheDistanceGoOntoTheWorkArea) {
  struct Case {
    Rect window;
    Point expected;
  };
  const Case cases[] = {
      {At(300, 3), {300, 0}},
      {At(300, -4), {300, 0}},
      {At(300, 5), {300, 5}},
      {At(300, -5), {300, -5}},
      {At(4, 300), {0, 300}},
      {At(1024 - 422 + 4, 300), {602, 300}},
      {At(300, 738 - 17 - 2), {300, 721}},
      {At(300, 400), {300, 400}},
  };
  for (const Case& c : cases) {
    const Point p = SnapToAreaEdges(c.window, kWorkArea, 5);
    EXPECT_EQ(p, c.expected) << c.window.left << "," << c.window.top;
  }
}

// The primary display at 0..1024 x 0..768, one to its right at
// 1024..1824 x 0..600, one to its left at negative coordinates and one above.
// At left 900 the window has 124 pixels on the primary and 298 on the right
// one; at 813, 211 on each and the earlier wins. At (1500, 700) it lies in the
// gap of the L the primary and the right one make, 100 below the right one and
// 476 beside the primary; at (1100, 750), 76 beside the primary and 150 below
// the right one. At (-5000, -5000) it is 4578 by 4215 from the one above and
// 3778 by 4983 from the left one; at the far corner of the coordinates the
// gaps are near 2^31, whose squares must not overflow.
TEST(MonitorOfWindow, MostOverlapWinsElseTheNearestDisplay) {
  const Monitor desk[] = {
      {{0, 0, 1024, 768}, {}}, {{1024, 0, 1824, 600}, {}}, {{-800, 0, 0, 600}, {}}, {{0, -768, 1024, 0}, {}}};
  const std::pair<Rect, int> cases[] = {{At(300, 200), 0},     {At(1100, 100), 1},
                                        {At(-700, 100), 2},    {At(300, -300), 3},
                                        {At(900, 100), 1},     {At(813, 100), 0},
                                        {At(1500, 700), 1},    {At(1100, 750), 0},
                                        {At(-5000, -5000), 3}, {At(INT32_MIN, INT32_MIN), 2}};
  for (const auto& [window, i] : cases) EXPECT_EQ(MonitorOfWindow(desk, window), desk[i]) << window.left;
}

}  // namespace
}  // namespace welmor
