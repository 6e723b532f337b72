#pragma once
// Which display keeps a window, answered by the fake display list and by the
// system, written once and run in both rings as suite "Contract". The
// backend offers:
//   std::vector<Monitor> Displays();              the displays, primary first
//   std::optional<Monitor> MonitorOf(const Rect&);
#include <gtest/gtest.h>

#include <optional>
#include <vector>

#include "toolkit/monitors.hpp"

namespace welmor {

template <class Backend>
class DisplayContract : public ::testing::Test {
 protected:
  Backend backend;
  const std::vector<Monitor> displays = backend.Displays();
};

TYPED_TEST_SUITE_P(DisplayContract);

TYPED_TEST_P(DisplayContract, OneDisplay) {
  ASSERT_FALSE(this->displays.empty());
  const Monitor& d = this->displays.front();
  const Rect& b = d.bounds;
  EXPECT_EQ(b.left, 0);
  EXPECT_EQ(b.top, 0);
  EXPECT_TRUE(d.workArea.left >= b.left && d.workArea.right <= b.right && d.workArea.bottom <= b.bottom);
  const Rect windows[] = {
      {b.left + 10, b.top + 10, b.left + 432, b.top + 44},   // inside
      {b.left - 200, b.top - 20, b.left + 222, b.top + 14},  // partly off its top-left corner
      {b.left, b.top, b.left, b.top},                        // no area, on its corner
  };
  for (const Rect& w : windows) {
    EXPECT_EQ(this->backend.MonitorOf(w), MonitorOfWindow(this->displays, w)) << w.left << "," << w.top;
    EXPECT_EQ(this->backend.MonitorOf(w), d) << w.left << "," << w.top;
  }
}

TYPED_TEST_P(DisplayContract, TwoDisplays) {
  if (this->displays.size() < 2) GTEST_SKIP() << "one display only";
  const Rect& second = this->displays[1].bounds;
  const Rect windows[] = {
      {second.left + 276, second.top + 300, second.left + 698, second.top + 317},  // on it
      {second.left - 100, second.top + 10, second.left + 322, second.top + 27},    // mostly on it
  };
  for (const Rect& w : windows) {
    EXPECT_EQ(this->backend.MonitorOf(w), MonitorOfWindow(this->displays, w)) << w.left << "," << w.top;
    EXPECT_EQ(this->backend.MonitorOf(w), this->displays[1]) << w.left << "," << w.top;
  }
  const Rect beyond{second.right + 5000, second.top, second.right + 5422, second.top + 17};  // the nearest
  EXPECT_EQ(this->backend.MonitorOf(beyond), MonitorOfWindow(this->displays, beyond));
}

REGISTER_TYPED_TEST_SUITE_P(DisplayContract, OneDisplay, TwoDisplays);

}  // namespace welmor
