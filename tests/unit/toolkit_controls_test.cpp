// The toolkit's panels, bevels, sized-to-text labels, parent colours, key
// and pointer events, framed, centred and modal forms, on the headless
// backend.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "toolkit/application.hpp"
#include "toolkit/bevel.hpp"
#include "toolkit/headless/headless_backend.hpp"
#include "toolkit/label.hpp"
#include "toolkit/memo.hpp"
#include "toolkit/panel.hpp"
#include "toolkit/picture.hpp"

namespace welmor {
namespace {

constexpr Color W = kBevelHighlight;
constexpr Color G = kBevelShadow;
constexpr Color C = 0x00C0FFEE;

std::vector<std::vector<Color>> Pixels(CustomControl& control) {
  const Bitmap& image = control.Surface();
  std::vector<std::vector<Color>> rows(static_cast<std::size_t>(image.Height()));
  for (int32_t y = 0; y < image.Height(); ++y) {
    for (int32_t x = 0; x < image.Width(); ++x)
      rows[static_cast<std::size_t>(y)].push_back(image.Pixel(x, y));
  }
  return rows;
}

TEST(Panels, ARaisedOuterAndALoweredInnerEdgeAroundTheColour) {
  Panel panel(nullptr);
  panel.SetColor(C);
  panel.SetBevelInner(BevelCut::Lowered);
  panel.SetBounds(0, 0, 6, 6);
  const std::vector<std::vector<Color>> expected = {
      {W, W, W, W, W, G}, {W, G, G, G, W, G}, {W, G, C, C, W, G},
      {W, G, C, C, W, G}, {W, W, W, W, W, G}, {G, G, G, G, G, G},
  };
  EXPECT_EQ(Pixels(panel), expected);
  panel.SetColor(W);
  EXPECT_EQ(Pixels(panel)[2][2], W);  // a new colour repaints
}

TEST(Bevels, ATopLineIsTwoRowsLightOverDarkWhenRaisedAndTheOtherWayWhenLowered) {
  Bevel bevel(nullptr);
  bevel.SetShape(BevelShape::TopLine);
  bevel.SetStyle(BevelCut::Raised);
  bevel.SetBounds(0, 0, 3, 2);
  EXPECT_EQ(Pixels(bevel), (std::vector<std::vector<Color>>{{W, W, W}, {G, G, G}}));
  bevel.SetStyle(BevelCut::Lowered);
  EXPECT_EQ(Pixels(bevel), (std::vector<std::vector<Color>>{{G, G, G}, {W, W, W}}));
}

class ToolkitControls : public ::testing::Test {
 protected:
  HeadlessBackend backend;
  Application app{backend};
};

TEST_F(ToolkitControls, ALabelSizedToItsTextGrowsFromTheEdgeItIsAlignedTo) {
  // Fixed test metrics: a character is 7 x 13 pixels at height -11.
  Label left(nullptr), right(nullptr), fixed(nullptr);
  left.SetBounds(10, 5, 0, 0);
  right.SetBounds(100, 5, 0, 0);
  right.SetAlignment(Alignment::RightJustify);
  fixed.SetBounds(10, 5, 50, 11);
  for (Label* l : {&left, &right}) l->SetAutoSize(true);
  for (Label* l : {&left, &right, &fixed}) l->SetCaption("abcd");
  EXPECT_EQ(left.BoundsRect(), (Rect{10, 5, 38, 18}));
  EXPECT_EQ(right.BoundsRect(), (Rect{72, 5, 100, 18}));
  EXPECT_EQ(fixed.BoundsRect(), (Rect{10, 5, 60, 16}));
  right.SetFont(Font{"Arial", -29, 0, 0});  // 18 x 31 a character
  EXPECT_EQ(right.BoundsRect(), (Rect{28, 5, 100, 36}));
}

TEST_F(ToolkitControls, ChildrenFollowTheParentsColourUntilTheyGetOneOfTheirOwn) {
  Panel panel(nullptr);
  Label follower(nullptr), own(nullptr);
  Picture picture(nullptr);
  panel.SetColor(C);
  follower.SetParentColor(true);
  for (Control* c :
       {static_cast<Control*>(&follower), static_cast<Control*>(&own), static_cast<Control*>(&picture)}) {
    c->SetParent(&panel);
  }
  own.SetColor(W);
  panel.SetColor(G);
  EXPECT_EQ(follower.GetColor(), G);
  EXPECT_EQ(picture.GetColor(), G);
  EXPECT_EQ(own.GetColor(), W);
  follower.SetColor(W);
  panel.SetColor(C);
  EXPECT_EQ(follower.GetColor(), W);
  for (Control* c :
       {static_cast<Control*>(&follower), static_cast<Control*>(&own), static_cast<Control*>(&picture)}) {
    c->SetParent(nullptr);
  }
}

TEST_F(ToolkitControls, KeyAndPointerEventsReachTheirHandlers) {
  Memo memo(nullptr);
  std::vector<std::string> seen;
  memo.OnKeyDown = [&](Control&, uint16_t& key, uint32_t shift) {
    seen.push_back("key " + std::to_string(key) + " " + std::to_string(shift));
    if (key == 27) key = 0;
  };
  memo.OnClick = [&](Component&) { seen.push_back("click"); };
  memo.OnMouseEnter = [&](Component&) { seen.push_back("enter"); };
  memo.OnMouseLeave = [&](Component&) { seen.push_back("leave"); };
  EXPECT_FALSE(memo.KeyPressed(38, ssShift));
  EXPECT_TRUE(memo.KeyPressed(27, 0));  // taken: the box must not act on it
  memo.MouseEntered();
  memo.Clicked();
  memo.MouseLeft();
  EXPECT_EQ(seen, (std::vector<std::string>{"key 38 1", "key 27 0", "enter", "click", "leave"}));
  Label bare(nullptr);
  EXPECT_FALSE(bare.KeyPressed(27, 0));
  bare.Clicked();  // no handler: nothing happens
}

TEST_F(ToolkitControls, AFramedFormCountsItsFrameOutsideTheClientAreaAndShowsCentred) {
  Form form(&app);
  form.SetBorderStyle(FormBorderStyle::None);
  form.SetClientSize(100, 50);
  form.SetFrame(2, 0x800000);
  EXPECT_EQ(form.Width(), 104);
  EXPECT_EQ(form.ClientHeight(), 50);
  form.SetPosition(FormPosition::ScreenCenter);
  form.SetBounds(0, 0, 104, 54);
  backend.screen = Size{1025, 769};
  form.ShowForm();
  EXPECT_EQ(form.BoundsRect(), (Rect{460, 357, 564, 411}));  // (1025 - 104) / 2, (769 - 54) / 2
  form.Hide();
  form.SetBounds(0, 0, 104, 54);
  form.ShowForm();  // every showing centres again
  EXPECT_EQ(form.Left(), 460);
}

TEST_F(ToolkitControls, ShowModalRunsTheLoopUntilTheFormIsClosed) {
  Form form(&app);
  int shows = 0;
  form.OnShow = [&](Component&) { ++shows; };
  backend.whileModal = [&](Form& shown) {
    EXPECT_EQ(&shown, &form);
    EXPECT_TRUE(form.Visible());
    EXPECT_TRUE(form.Modal());
    form.ShowModal();  // already modal: ignored
    form.Close();
  };
  form.ShowModal();
  EXPECT_FALSE(form.Visible());
  EXPECT_FALSE(form.Modal());
  EXPECT_EQ(shows, 1);
  EXPECT_EQ(backend.modalLoops, 1u);
}

}  // namespace
}  // namespace welmor
