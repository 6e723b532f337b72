#include "winutil/work_area_clamp.hpp"

#include <gtest/gtest.h>

namespace welmor {
namespace {

// A window of the given size with its top-left corner at (left, top).
Rect At(int32_t left, int32_t top, int32_t width = 422, int32_t height = 17) {
  return Rect{left, top, left + width, top + height};
}

const Rect kArea{0, 0, 1024, 738};

TEST(WorkAreaClamp, PullsAWidgetBackAcrossEachEdge) {
  EXPECT_EQ(ClampToWorkArea(At(700, 100), kArea), (Point{602, 100}));  // 700 + 422 > 1024
  EXPECT_EQ(ClampToWorkArea(At(-10, 100), kArea), (Point{0, 100}));
  EXPECT_EQ(ClampToWorkArea(At(100, 730), kArea), (Point{100, 721}));  // 730 + 17 > 738
  EXPECT_EQ(ClampToWorkArea(At(100, -5), kArea), (Point{100, 0}));
  EXPECT_EQ(ClampToWorkArea(At(2000, 2000), kArea), (Point{602, 721}));
  EXPECT_EQ(ClampToWorkArea(At(-500, -500), kArea), (Point{0, 0}));
}

TEST(WorkAreaClamp, LeavesAWindowInsideOrExactlyOnTheEdgesAlone) {
  EXPECT_EQ(ClampToWorkArea(At(300, 200), kArea), (Point{300, 200}));
  EXPECT_EQ(ClampToWorkArea(At(0, 0), kArea), (Point{0, 0}));
  EXPECT_EQ(ClampToWorkArea(At(602, 721), kArea), (Point{602, 721}));  // right and bottom are exclusive
  EXPECT_EQ(ClampToWorkArea(At(603, 722), kArea), (Point{602, 721}));
}

TEST(WorkAreaClamp, AWindowLargerThanTheAreaKeepsTheNearEdgeOnlyWhenItStartedBeyondIt) {
  // Wider than the area: starting inside, it is aligned to the right edge
  // (its left edge ends off screen); starting left of the area, to the left.
  EXPECT_EQ(ClampToWorkArea(At(10, 100, 1100, 17), kArea), (Point{-76, 100}));
  EXPECT_EQ(ClampToWorkArea(At(0, 100, 1100, 17), kArea), (Point{-76, 100}));
  EXPECT_EQ(ClampToWorkArea(At(-30, 100, 1100, 17), kArea), (Point{0, 100}));
  // The same for the height.
  EXPECT_EQ(ClampToWorkArea(At(10, 5, 422, 800), kArea), (Point{10, -62}));
  EXPECT_EQ(ClampToWorkArea(At(10, -1, 422, 800), kArea), (Point{10, 0}));
}

TEST(WorkAreaClamp, FollowsAnAreaThatDoesNotStartAtTheOrigin) {
  // Task bar on the left and at the top.
  const Rect area{60, 30, 1280, 1024};
  EXPECT_EQ(ClampToWorkArea(At(10, 10), area), (Point{60, 30}));
  EXPECT_EQ(ClampToWorkArea(At(1000, 1020), area), (Point{858, 1007}));
  EXPECT_EQ(ClampToWorkArea(At(60, 30), area), (Point{60, 30}));
}

TEST(WorkAreaClamp, AStartPositionWhollyOffTheAreaIsBroughtBackAPartlyOffOneIsKept) {
  const struct {
    int32_t left, top;
    Point expected;
  } cases[] = {
      {100000, 100, {602, 100}},           {-100000, 100, {0, 100}},
      {100, 100000, {100, 721}},           {100, -100000, {100, 0}},
      {-1500, -1500, {0, 0}},              {2147483547, 2147483547, {602, 721}},  // 2^31 - 101
      {INT32_MIN, INT32_MAX, {0, 721}},    {-421, -16, {-421, -16}},  // one pixel left on the area
      {1023, 737, {1023, 737}},            {-422, 100, {0, 100}},     // right edge exclusive
      {1024, 100, {602, 100}},             {300, 200, {300, 200}},
  };
  for (const auto& c : cases) {
    EXPECT_EQ(ReachableStartPosition(c.left, c.top, 422, 17, kArea), c.expected) << c.left << "," << c.top;
  }
}

}  // namespace
}  // namespace welmor
