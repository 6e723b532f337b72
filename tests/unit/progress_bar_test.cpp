#include "controls/progress_bar.hpp"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "toolkit/text_renderer.hpp"

namespace welmor {
namespace {

constexpr Color kSky = 0xF0CAA6;
constexpr Color kRed = 0x0000FF;
constexpr Color kBlue = 0xFF0000;
constexpr Color kShape = 0x000000;
constexpr Color kGrey = 0x808080;

// 'S' shape, 'b' background, 'R' red, 'i' inactive grey, 'c' the control's
// own colour, '?' anything else.
char Code(Color c, Color control) {
  if (c == kShape) return 'S';
  if (c == kSky) return 'b';
  if (c == kRed) return 'R';
  if (c == kGrey) return 'i';
  if (c == control) return 'c';
  return '?';
}

std::string Row(TQProgressBar& bar, int32_t y) {
  std::string s;
  for (int32_t x = 0; x < bar.Surface().Width(); ++x) s += Code(bar.Surface().Pixel(x, y), bar.GetColor());
  return s;
}

std::string Column(TQProgressBar& bar, int32_t x) {
  std::string s;
  for (int32_t y = 0; y < bar.Surface().Height(); ++y) s += Code(bar.Surface().Pixel(x, y), bar.GetColor());
  return s;
}

std::string Runs(std::initializer_list<std::pair<char, int>> runs) {
  std::string s;
  for (const auto& [c, n] : runs) s.append(static_cast<std::size_t>(n), c);
  return s;
}

// The widget's bar with an outline colour that differs from the background,
// so that the picture shows which pixel is which.
struct WidgetBar : testing::Test {
  TQProgressBar bar{nullptr};
  void SetUp() override {
    ApplyWidgetBarDesign(bar, kSky, kRed);
    bar.SetShapeColor(kShape);
  }
  std::string Middle() { return Row(bar, 1); }
  static std::string Filled(int n) { return Runs({{'S', 1}, {'R', n}, {'b', 136 - n}, {'S', 1}}); }
};

TEST(TQProgressBarDefaults, StartsAsAGreenShapedBarWithInsetTwo) {
  TQProgressBar bar(nullptr);
  EXPECT_EQ(bar.Width(), 64);
  EXPECT_EQ(bar.Height(), 16);
  EXPECT_EQ(bar.Orientation(), TQBarOrientation::boHorizontal);
  EXPECT_EQ(bar.BarKind(), TQBarKind::bkFlat);
  EXPECT_EQ(bar.BarLook(), TQBarLook::blMetal);
  EXPECT_TRUE(bar.RoundCorner());
  EXPECT_EQ(bar.BackgroundColor(), 0xFFFFFFu);
  EXPECT_EQ(bar.BarColor(), 0x00FF00u);
  EXPECT_EQ(bar.FinalColor(), 0x00FF00u);
  EXPECT_EQ(bar.InactivePosColor(), kGrey);
  EXPECT_TRUE(bar.Shaped());
  EXPECT_EQ(bar.ShapeColor(), 0x743C00u);
  EXPECT_EQ(bar.Maximum(), 100);
  EXPECT_EQ(bar.Position(), 0);
  EXPECT_EQ(bar.Inset(), 2);
  EXPECT_EQ(bar.BarLength(), 60);
  EXPECT_FALSE(bar.HideOnTerminate());
  EXPECT_TRUE(bar.Caption().empty());
  EXPECT_EQ(bar.Surface().Width(), 64);
  // Without a form the inset stays 2 until an orientation is assigned.
  bar.SetBounds(0, 0, 138, 3);
  EXPECT_EQ(bar.Inset(), 2);
  bar.SetOrientation(TQBarOrientation::boHorizontal);
  EXPECT_EQ(bar.Inset(), 1);
  EXPECT_EQ(bar.BarLength(), 136);
}

TEST_F(WidgetBar, FillsInProportionWithAMinimumForSmallValues) {
  EXPECT_EQ(bar.Inset(), 1);
  EXPECT_EQ(bar.BarLength(), 136);
  EXPECT_EQ(Row(bar, 0), std::string(138, 'S'));
  EXPECT_EQ(Row(bar, 2), std::string(138, 'S'));
  EXPECT_EQ(Middle(), Filled(0));

  bar.SetPosition(50);
  EXPECT_EQ(Middle(), Filled(68));
  bar.SetPosition(1);
  EXPECT_EQ(Middle(), Filled(3));
  bar.SetPosition(100);
  EXPECT_EQ(Middle(), Filled(136));
  bar.SetPosition(150);
  EXPECT_EQ(Middle(), Filled(136));
  EXPECT_EQ(bar.Position(), 150);
  // 136 x 30 % = 40.8 pixels -> 41.
  bar.SetPosition(30);
  EXPECT_EQ(bar.FilledLength(), 41);
}

TEST_F(WidgetBar, OnlyAChangedFillRepaints) {
  // 136-pixel track: 30 % fills 40.8 -> 41, 31 % 42.16 -> 42; anything up to
  // 2 % shows the smallest fill of 3 pixels.
  const struct {
    int32_t from, to;
    bool repaints;
  } cases[] = {{30, 30, false}, {30, 31, true}, {1, 2, false}, {2, 3, true},   {0, -5, false},
               {0, 1, true},    {100, 150, false}, {99, 100, true}, {-5, 0, false}};
  for (const auto& c : cases) {
    bar.SetPosition(c.from);
    (void)bar.Surface();  // composed: nothing pending
    bar.SetPosition(c.to);
    EXPECT_EQ(bar.PaintPending(), c.repaints) << c.from << " -> " << c.to;
    EXPECT_EQ(bar.Position(), c.to);
  }
  // With the position as its caption, the text counts too: 1 % and 2 % fill
  // alike but read differently.
  bar.SetAutoCaption(true);
  bar.SetPosition(1);
  (void)bar.Surface();
  bar.SetPosition(2);
  EXPECT_TRUE(bar.PaintPending());
}

TEST_F(WidgetBar, ZeroOrNegativePositionLeavesOnlyTheShape) {
  for (int32_t p : {0, -5}) {
    bar.SetPosition(70);
    bar.SetPosition(p);
    EXPECT_EQ(Middle(), Filled(0)) << p;
    EXPECT_EQ(bar.Position(), p);
  }
}

TEST_F(WidgetBar, ExactHalvesOfAPixelRoundToEven) {
  bar.SetWidth(202);    // a track of 200 pixels
  bar.SetMaximum(400);  // one position is half a pixel
  bar.SetPosition(13);  // 6.5 -> 6
  EXPECT_EQ(bar.FilledLength(), 6);
  bar.SetPosition(15);  // 7.5 -> 8
  EXPECT_EQ(bar.FilledLength(), 8);
  bar.SetPosition(1);  // 0.5 is below the smallest fill shown
  EXPECT_EQ(bar.FilledLength(), 3);
}

TEST_F(WidgetBar, MaximumZeroOnlyStoresThePosition) {
  bar.SetPosition(40);
  bar.SetMaximum(0);
  const Bitmap before = bar.Surface();
  bar.SetPosition(90);
  EXPECT_EQ(bar.Position(), 90);
  EXPECT_FALSE(bar.PaintPending());
  EXPECT_EQ(bar.Surface().Pixels(), before.Pixels());
  bar.SetMaximum(-7);
  EXPECT_EQ(bar.Maximum(), 0);
}

TEST_F(WidgetBar, NewMaximumTakesEffectAtTheNextPosition) {
  bar.SetPosition(50);
  bar.SetMaximum(200);
  EXPECT_EQ(bar.FilledLength(), 68);
  bar.SetPosition(50);
  EXPECT_EQ(bar.FilledLength(), 34);
}

TEST_F(WidgetBar, ResizingRecomputesTheTrackAndTheFill) {
  bar.SetPosition(50);
  bar.SetWidth(102);
  EXPECT_EQ(bar.BarLength(), 100);
  EXPECT_EQ(bar.FilledLength(), 50);
  EXPECT_EQ(Middle(), Runs({{'S', 1}, {'R', 50}, {'b', 50}, {'S', 1}}));
}

TEST_F(WidgetBar, TurningVerticalSwapsTheSizeAndFillsUpward) {
  bar.SetOrientation(TQBarOrientation::boVertical);
  EXPECT_EQ(bar.Width(), 3);
  EXPECT_EQ(bar.Height(), 138);
  EXPECT_EQ(bar.Inset(), 1);
  EXPECT_EQ(bar.BarLength(), 136);
  bar.SetPosition(100);
  // Rows barLength - 1 down to height - filledLength: two fewer than across.
  EXPECT_EQ(Column(bar, 1), Runs({{'S', 1}, {'b', 1}, {'R', 134}, {'b', 1}, {'S', 1}}));
  bar.SetPosition(50);
  EXPECT_EQ(Column(bar, 1), Runs({{'S', 1}, {'b', 69}, {'R', 66}, {'b', 1}, {'S', 1}}));
  EXPECT_EQ(Column(bar, 0), std::string(138, 'S'));

  // Back again restores the strip.
  bar.SetOrientation(TQBarOrientation::boHorizontal);
  EXPECT_EQ(bar.Width(), 138);
  EXPECT_EQ(bar.Height(), 3);
  EXPECT_EQ(Middle(), Filled(68));
}

TEST(TQProgressBarOrientation, InsetFollowsTheThicknessOnEveryAssignment) {
  TQProgressBar bar(nullptr);
  bar.SetBounds(0, 0, 200, 10);
  bar.SetOrientation(TQBarOrientation::boHorizontal);
  EXPECT_EQ(bar.Inset(), 2);
  bar.SetHeight(9);
  EXPECT_EQ(bar.Inset(), 2);  // only an orientation assignment re-derives it
  bar.SetOrientation(TQBarOrientation::boHorizontal);
  EXPECT_EQ(bar.Inset(), 1);
  // A bar that already stands upright is not swapped.
  bar.SetBounds(0, 0, 12, 40);
  bar.SetOrientation(TQBarOrientation::boVertical);
  EXPECT_EQ(bar.Width(), 12);
  EXPECT_EQ(bar.Height(), 40);
  EXPECT_EQ(bar.Inset(), 2);
  EXPECT_EQ(bar.BarLength(), 36);
}

TEST_F(WidgetBar, ColourRulesKeepOneColourUntilStartAndFinalDiffer) {
  bar.SetPosition(100);
  bar.SetFinalColor(kBlue);
  const Bitmap& s = bar.Surface();
  EXPECT_EQ(s.Pixel(1, 1), 0x0100FEu);
  EXPECT_EQ(s.Pixel(68, 1), 0x7F0080u);
  EXPECT_EQ(s.Pixel(136, 1), kBlue);  // the final colour at barLength
  EXPECT_EQ(bar.BarColor(), kRed);

  bar.SetStartColor(kBlue);  // start = final: one colour again
  EXPECT_EQ(bar.Surface().Pixel(1, 1), kBlue);
  EXPECT_EQ(bar.Surface().Pixel(68, 1), kBlue);

  bar.SetStartColor(kRed);
  bar.SetBarColor(kRed);  // both ends at once
  EXPECT_EQ(bar.FinalColor(), kRed);
  EXPECT_EQ(Middle(), Filled(136));
}

TEST_F(WidgetBar, BlocksWithAndWithoutShowFullBlock) {
  bar.SetMaximum(136);  // one position per pixel
  bar.SetBlockSize(4);
  bar.SetSpaceSize(2);
  bar.SetPosition(136);
  // Blocks at 3..6, 9..12, 15..18, ...; 1 and 2 lie before the first block.
  std::string full = "S";
  for (int32_t s = 1; s <= 136; ++s) full += (s >= 3 && (s - 3) % 6 < 4) ? 'R' : 'b';
  full += 'S';
  EXPECT_EQ(Middle(), full);

  bar.SetPosition(10);
  EXPECT_EQ(Middle().substr(0, 20), "SbbRRRRbbRRbbbbbbbbb");
  bar.SetShowFullBlock(true);
  EXPECT_EQ(Middle().substr(0, 20), "SbbRRRRbbbbbbbbbbbbb");
  bar.SetPosition(12);  // the second block is complete now
  EXPECT_EQ(Middle().substr(0, 20), "SbbRRRRbbRRRRbbbbbbb");

  bar.SetPosition(10);
  bar.SetShowInactivePos(true);  // incomplete and empty blocks show as inactive
  EXPECT_EQ(Middle().substr(0, 20), "SbbRRRRbbiiiibbiiiib");
}

TEST_F(WidgetBar, BlockSizesWiderThanTheTrackAreIgnoredAndNegativesTakenPositive) {
  bar.SetBlockSize(137);
  EXPECT_EQ(bar.BlockSize(), 0);
  bar.SetBlockSize(136);
  EXPECT_EQ(bar.BlockSize(), 136);
  bar.SetBlockSize(-5);
  EXPECT_EQ(bar.BlockSize(), 5);
  bar.SetSpaceSize(-137);
  EXPECT_EQ(bar.SpaceSize(), 0);
  bar.SetSpaceSize(INT32_MIN);
  EXPECT_EQ(bar.SpaceSize(), 0);
}

TEST_F(WidgetBar, InactivePartFollowsTheFill) {
  bar.SetShowInactivePos(true);
  bar.SetPosition(50);
  EXPECT_EQ(Middle(), Runs({{'S', 1}, {'R', 68}, {'i', 68}, {'S', 1}}));
  bar.SetPosition(0);  // below 3 the inactive part starts at 3
  EXPECT_EQ(Middle(), Runs({{'S', 1}, {'b', 2}, {'i', 134}, {'S', 1}}));
}

TEST(TQProgressBarVerticalBlocks, BlocksRunDownwardFromThreeBelowTheTop) {
  TQProgressBar bar(nullptr);
  bar.SetBounds(0, 0, 3, 44);
  bar.SetOrientation(TQBarOrientation::boVertical);
  bar.SetShapeColor(kShape);
  bar.SetBackgroundColor(kSky);
  bar.SetBarColor(kRed);
  bar.SetRoundCorner(false);
  bar.SetMaximum(42);
  bar.SetBlockSize(4);
  bar.SetSpaceSize(2);
  bar.SetPosition(42);
  // barLength 42: blocks 39..36, 33..30, ..., 9..6, and the last one, 3..0,
  // raised to end at row 2.
  std::string expected = "S";
  for (int32_t r = 1; r < 43; ++r) {
    const bool inBlock = r >= 2 && r <= 39 && (39 - r) % 6 < 4;
    expected += inBlock ? 'R' : 'b';
  }
  expected += 'S';
  EXPECT_EQ(Column(bar, 1), expected);
}

TEST_F(WidgetBar, RoundCornersLeaveTheCornerPixelsToTheControl) {
  bar.SetHeight(16);
  bar.SetOrientation(TQBarOrientation::boHorizontal);
  EXPECT_EQ(Code(bar.Surface().Pixel(0, 0), bar.GetColor()), 'S');
  bar.SetRoundCorner(true);
  EXPECT_TRUE(bar.RoundCorner());
  EXPECT_EQ(Code(bar.Surface().Pixel(0, 0), bar.GetColor()), 'c');
  EXPECT_EQ(Code(bar.Surface().Pixel(137, 15), bar.GetColor()), 'c');
  EXPECT_EQ(Code(bar.Surface().Pixel(0, 8), bar.GetColor()), 'S');
  bar.SetShaped(false);
  EXPECT_EQ(Row(bar, 0), std::string(138, 'c'));
}

TEST_F(WidgetBar, AutoHintAndAutoCaptionTexts) {
  bar.SetAutoHint(true);
  bar.SetPosition(50);
  EXPECT_EQ(bar.Hint(), "50");
  bar.SetShowPosAsPct(true);
  bar.SetPosition(50);
  EXPECT_EQ(bar.Hint(), "50 %");
  bar.SetMaximum(3);
  bar.SetPosition(1);
  EXPECT_EQ(bar.Hint(), "33.3333333333333 %");
  bar.SetPosition(0);  // no new percentage below 1
  EXPECT_EQ(bar.Hint(), "33.3333333333333 %");

  bar.SetMaximum(100);
  bar.SetPosition(50);
  bar.SetAutoCaption(true);
  bar.Surface();  // the caption is the position the bar last painted
  EXPECT_EQ(bar.Caption(), "50%");
  bar.SetShowPosAsPct(false);
  bar.SetPosition(-5);
  bar.Surface();
  EXPECT_EQ(bar.Caption(), "-5");
}

TEST(TQProgressBarCaption, PlacedByAlignmentAndDrawnOverTheBar) {
  TQProgressBar bar(nullptr);
  const TextRenderer& text = DefaultTextRenderer();
  const int32_t textWidth = text.Measure(bar.GetFont(), "AB").width;
  const int32_t top = (16 - text.Measure(bar.GetFont(), "Pg").height) / 2;
  const Bitmap without = bar.Surface();

  bar.SetCaption("AB");
  EXPECT_EQ(bar.CaptionPos(), (Point{0, top}));
  bar.SetCaptionAlign(TAlignment::taCenter);
  EXPECT_EQ(bar.CaptionPos(), (Point{(64 - textWidth) / 2, top}));
  bar.SetCaptionAlign(TAlignment::taRightJustify);
  EXPECT_EQ(bar.CaptionPos(), (Point{64 - textWidth - 1, top}));

  // Setting the caption does not repaint; the next paint draws it.
  EXPECT_FALSE(bar.PaintPending());
  EXPECT_EQ(bar.Surface().Pixels(), without.Pixels());
  bar.Invalidate();
  Font font = bar.GetFont();
  const Bitmap& with = bar.Surface();
  EXPECT_NE(with.Pixels(), without.Pixels());
  bool inked = false;
  for (int32_t y = 0; y < 16; ++y) {
    for (int32_t x = 64 - textWidth - 1; x < 64; ++x) inked |= with.Pixel(x, y) == font.color;
  }
  EXPECT_TRUE(inked);
  bar.SetCaption("");
  bar.Invalidate();
  EXPECT_EQ(bar.Surface().Pixels(), without.Pixels());
}

// The rows of a column across a 64 x 16 bar that its inset of 2 paints.
std::vector<Color> Across(TQProgressBar& bar, int32_t x) {
  std::vector<Color> colours;
  for (int32_t r = 3; r <= 12; ++r) colours.push_back(bar.Surface().Pixel(x, r));
  return colours;
}

TEST(TQProgressBarCylinder, ShadesAcrossTheTrackFromTheColourTables) {
  TQProgressBar bar(nullptr);  // 64 x 16: a column of 13 shades, rows 3..12 shown
  bar.SetRoundCorner(false);
  bar.SetBarColor(kRed);
  bar.SetBarKind(TQBarKind::bkCylinder);
  bar.SetBarLook(TQBarLook::blGlass);
  bar.SetPosition(100);
  const std::vector<Color> glassRed = {0xACACFF, 0xAEAEFF, 0x9D9DFF, 0x7D7DFF, 0x5B5BFF,
                                       0x4040FF, 0x3535FF, 0x3E3EFF, 0x5959FF, 0x7777FF};
  EXPECT_EQ(Across(bar, 10), glassRed);
  EXPECT_EQ(Across(bar, 40), glassRed);
  EXPECT_EQ(bar.Surface().Pixel(10, 2), bar.BackgroundColor());
  EXPECT_EQ(bar.Surface().Pixel(10, 13), bar.BackgroundColor());
}

TEST(TQProgressBarCylinder, InvertedInactivePartMirrorsItsLuminance) {
  TQProgressBar plain(nullptr);
  TQProgressBar inverted(nullptr);
  for (TQProgressBar* b : {&plain, &inverted}) {
    b->SetBarKind(TQBarKind::bkCylinder);  // metal
    b->SetInactivePosColor(0x00A000);
    b->SetShowInactivePos(true);
  }
  inverted.SetInvertInactPos(true);
  // Luminance 63, 65, 57, 42, 25, 12, 7, 12, 25, 39, and 240 minus each.
  EXPECT_EQ(Across(plain, 30), (std::vector<Color>{0x008600, 0x008A00, 0x007900, 0x005900, 0x003500, 0x001A00,
                                                   0x000F00, 0x001A00, 0x003500, 0x005300}));
  EXPECT_EQ(Across(inverted, 30), (std::vector<Color>{0x79FF79, 0x75FF75, 0x86FF86, 0xA6FFA6, 0xCAFFCA,
                                                      0xE6FFE6, 0xF0FFF0, 0xE6FFE6, 0xCAFFCA, 0xACFFAC}));
}

TEST_F(WidgetBar, HidesAfterAPauseWhenReachingTheMaximum) {
  std::vector<uint32_t> pauses;
  bar.pause = [&](uint32_t ms) { pauses.push_back(ms); };
  bar.SetHideOnTerminate(true);
  bar.SetPosition(99);
  EXPECT_TRUE(bar.Visible());
  EXPECT_TRUE(pauses.empty());
  bar.SetPosition(250);  // counts as the maximum
  EXPECT_FALSE(bar.Visible());
  EXPECT_EQ(pauses, std::vector<uint32_t>{100});
}

TEST_F(WidgetBar, PaintOnlyReadsTheTables) {
  bar.SetPosition(50);
  const Bitmap first = bar.Surface();
  bar.Invalidate();
  bar.Invalidate();
  EXPECT_EQ(bar.Surface().Pixels(), first.Pixels());
}

}  // namespace
}  // namespace welmor
