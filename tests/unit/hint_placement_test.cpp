#include "toolkit/hint_placement.hpp"

#include <gtest/gtest.h>

namespace welmor {
namespace {

TEST(HintPlacement, BelowThePointerAndAlwaysOnTheScreen) {
  const Rect screen{0, 0, 1024, 768};
  struct Case {
    const char* what;
    Size size;
    Point pointer;
    Rect expected;
  };
  const Case cases[] = {
      {"room below", {200, 40}, {100, 100}, {100, 120, 300, 160}},
      {"right edge", {200, 40}, {900, 100}, {824, 120, 1024, 160}},
      {"bottom edge: above the pointer", {200, 40}, {100, 740}, {100, 700, 300, 740}},
      {"exactly fits below", {200, 40}, {100, 708}, {100, 728, 300, 768}},
      {"taller than the room above and below", {200, 500}, {100, 400}, {100, 268, 300, 768}},
      {"taller than the screen: top on the screen", {200, 1170}, {100, 400}, {100, 0, 300, 1170}},
      {"wider than the screen: left on the screen", {1100, 40}, {500, 100}, {0, 120, 1100, 160}},
      {"pointer off the left edge", {200, 40}, {-30, 100}, {0, 120, 200, 160}},
  };
  for (const Case& c : cases) {
    EXPECT_EQ(PlaceHint(c.size, c.pointer, 20, screen), c.expected) << c.what;
  }
  // A second display left of the primary one, and one right of it.
  EXPECT_EQ(PlaceHint({200, 40}, {-300, 580}, 20, {-800, 0, 0, 600}), (Rect{-300, 540, -100, 580}));
  EXPECT_EQ(PlaceHint({1100, 40}, {-300, 100}, 20, {-800, 0, 0, 600}), (Rect{-800, 120, 300, 160}));
  EXPECT_EQ(PlaceHint({200, 40}, {1300, 300}, 20, {1024, 0, 1824, 600}), (Rect{1300, 320, 1500, 360}));
}

}  // namespace
}  // namespace welmor
