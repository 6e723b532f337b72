#include "toolkit/canvas.hpp"

#include <gtest/gtest.h>

#include <cstdint>
#include <random>
#include <set>
#include <string>
#include <utility>
#include <vector>

namespace welmor {
namespace {

constexpr Color kPaper = 0x00FFFFFF;
constexpr Color kInk = 0x000000FF;
constexpr Color kFill = 0x00FF0000;

using PixelSet = std::set<std::pair<int32_t, int32_t>>;

PixelSet Inked(const Bitmap& b, Color ink = kInk) {
  PixelSet s;
  for (int32_t y = 0; y < b.Height(); ++y) {
    for (int32_t x = 0; x < b.Width(); ++x) {
      if (b.Pixel(x, y) == ink) s.insert({x, y});
    }
  }
  return s;
}

PixelSet Line(int32_t x0, int32_t y0, int32_t x1, int32_t y1, int32_t size = 32) {
  Bitmap b(size, size);
  b.Fill(kPaper);
  Canvas c(b);
  c.pen.color = kInk;
  c.MoveTo(x0, y0);
  c.LineTo(x1, y1);
  return Inked(b);
}

// One character per pixel of row y: '#' ink, '.' paper, 'o' fill colour.
std::string Row(const Bitmap& b, int32_t y) {
  std::string s;
  for (int32_t x = 0; x < b.Width(); ++x) {
    const Color c = b.Pixel(x, y);
    s += c == kInk ? '#' : c == kPaper ? '.' : c == kFill ? 'o' : '?';
  }
  return s;
}

TEST(CanvasLine, ColoursItsStartButNotItsEnd) {
  EXPECT_EQ(Line(2, 3, 7, 3), (PixelSet{{2, 3}, {3, 3}, {4, 3}, {5, 3}, {6, 3}}));
  EXPECT_EQ(Line(7, 3, 2, 3), (PixelSet{{7, 3}, {6, 3}, {5, 3}, {4, 3}, {3, 3}}));
  EXPECT_EQ(Line(4, 1, 4, 4), (PixelSet{{4, 1}, {4, 2}, {4, 3}}));
  EXPECT_EQ(Line(4, 4, 4, 1), (PixelSet{{4, 4}, {4, 3}, {4, 2}}));
  EXPECT_EQ(Line(1, 1, 4, 4), (PixelSet{{1, 1}, {2, 2}, {3, 3}}));
  EXPECT_TRUE(Line(5, 5, 5, 5).empty());
}

TEST(CanvasLine, PenMovesToTheEndAndSegmentsJoinWithoutGaps) {
  Bitmap b(10, 10);
  b.Fill(kPaper);
  Canvas c(b);
  c.pen.color = kInk;
  c.MoveTo(1, 1);
  c.LineTo(5, 1);
  EXPECT_EQ(c.PenPos(), (Point{5, 1}));
  c.LineTo(5, 4);
  EXPECT_EQ(Inked(b), (PixelSet{{1, 1}, {2, 1}, {3, 1}, {4, 1}, {5, 1}, {5, 2}, {5, 3}}));
}

TEST(CanvasLine, TiesGoToTheSmallerMinorCoordinateInEitherDirection) {
  // x-major: halfway between rows 0 and 1 at x = 1 -> row 0.
  EXPECT_EQ(Line(0, 0, 2, 1), (PixelSet{{0, 0}, {1, 0}}));
  EXPECT_EQ(Line(2, 1, 0, 0), (PixelSet{{2, 1}, {1, 0}}));
  EXPECT_EQ(Line(2, 0, 0, 1), (PixelSet{{2, 0}, {1, 0}}));
  EXPECT_EQ(Line(0, 1, 2, 0), (PixelSet{{0, 1}, {1, 0}}));
  // y-major: halfway between columns 0 and 1 at y = 1 -> column 0.
  EXPECT_EQ(Line(0, 0, 1, 2), (PixelSet{{0, 0}, {0, 1}}));
  EXPECT_EQ(Line(1, 2, 0, 0), (PixelSet{{1, 2}, {0, 1}}));
  EXPECT_EQ(Line(1, 0, 0, 2), (PixelSet{{1, 0}, {0, 1}}));
  EXPECT_EQ(Line(0, 2, 1, 0), (PixelSet{{0, 2}, {0, 1}}));
}

TEST(CanvasLine, ReversedLineCoversTheSamePixels) {
  std::mt19937 rng(7);
  std::uniform_int_distribution<int32_t> coord(-4, 35);
  for (int i = 0; i < 3000; ++i) {
    const int32_t x0 = coord(rng), y0 = coord(rng), x1 = coord(rng), y1 = coord(rng);
    if (x0 == x1 && y0 == y1) continue;
    SCOPED_TRACE(testing::Message() << x0 << "," << y0 << " -> " << x1 << "," << y1);
    PixelSet forward = Line(x0, y0, x1, y1);
    PixelSet backward = Line(x1, y1, x0, y0);
    auto onBitmap = [](int32_t x, int32_t y) { return x >= 0 && y >= 0 && x < 32 && y < 32; };
    if (onBitmap(x1, y1)) forward.insert({x1, y1});
    if (onBitmap(x0, y0)) backward.insert({x0, y0});
    ASSERT_EQ(forward, backward);
    // A connected line: one pixel per step along its longer axis.
    if (onBitmap(x0, y0) && onBitmap(x1, y1)) {
      ASSERT_EQ(static_cast<int32_t>(forward.size()), std::max(std::abs(x1 - x0), std::abs(y1 - y0)) + 1);
    }
  }
}

TEST(CanvasLine, ClipsFarEndPointsWithoutLosingTheVisiblePart) {
  EXPECT_EQ(Line(-1000000, 2, 1000000, 2, 4), (PixelSet{{0, 2}, {1, 2}, {2, 2}, {3, 2}}));
  EXPECT_EQ(Line(1, 2000000000, 1, -2000000000, 4), (PixelSet{{1, 0}, {1, 1}, {1, 2}, {1, 3}}));
  // Entirely outside, and at the extremes of the coordinate range.
  EXPECT_TRUE(Line(-5, -5, -1, 40, 4).empty());
  EXPECT_TRUE(Line(INT32_MIN, INT32_MIN, INT32_MAX, INT32_MIN, 4).empty());
  // A shallow line entering from far away lands where the unclipped line is.
  Bitmap wide(500, 8);
  wide.Fill(kPaper);
  Canvas cw(wide);
  cw.pen.color = kInk;
  cw.MoveTo(0, 0);
  cw.LineTo(440, 7);
  PixelSet expected;
  for (const auto& [x, y] : Inked(wide)) {
    if (x >= 400 && x < 432) expected.insert({x - 400, y});
  }
  EXPECT_EQ(expected.size(), 32u);
  EXPECT_EQ(Line(-400, 0, 40, 7), expected);
}

TEST(CanvasLine, StyledPensFollowTheCosmeticPatterns) {
  struct Case {
    PenStyle style;
    const char* row;
  };
  const Case cases[] = {
      {PenStyle::Dot, "###ooo###ooo###ooo###ooo###."},
      {PenStyle::DashDotDot, "#########ooo###ooo###ooo###."},
      {PenStyle::DashDot, "#########oooooo###oooooo###."},
      {PenStyle::Dash, "##################oooooo###."},
      {PenStyle::Solid, "###########################."},
  };
  for (const Case& k : cases) {
    SCOPED_TRACE(k.row);
    Bitmap b(28, 1);
    b.Fill(kPaper);
    Canvas c(b);
    c.pen = Pen{kInk, k.style};
    c.brush = Brush{kFill, BrushStyle::Solid};
    c.MoveTo(0, 0);
    c.LineTo(27, 0);
    EXPECT_EQ(Row(b, 0), k.row);
  }
}

TEST(CanvasLine, ClearBrushLeavesPatternGapsAloneAndEachLineRestartsThePattern) {
  Bitmap b(14, 2);
  b.Fill(kPaper);
  Canvas c(b);
  c.pen = Pen{kInk, PenStyle::Dot};
  c.brush.style = BrushStyle::Clear;
  c.MoveTo(0, 0);
  c.LineTo(4, 0);
  c.LineTo(13, 0);
  // 0..3 from the first call, then the pattern starts again at 4.
  EXPECT_EQ(Row(b, 0), "###.###...###.");
  c.pen.style = PenStyle::Clear;
  c.MoveTo(0, 1);
  c.LineTo(13, 1);
  EXPECT_EQ(Row(b, 1), "..............");
  EXPECT_EQ(c.PenPos(), (Point{13, 1}));
}

TEST(CanvasRect, OutlineSitsOnTheInnerEdgeAndTheBrushFillsInside) {
  Bitmap b(7, 6);
  b.Fill(kPaper);
  Canvas c(b);
  c.pen.color = kInk;
  c.brush = Brush{kFill, BrushStyle::Solid};
  c.Rectangle(Rect{1, 1, 6, 5});
  EXPECT_EQ(Row(b, 0), ".......");
  EXPECT_EQ(Row(b, 1), ".#####.");
  EXPECT_EQ(Row(b, 2), ".#ooo#.");
  EXPECT_EQ(Row(b, 3), ".#ooo#.");
  EXPECT_EQ(Row(b, 4), ".#####.");
  EXPECT_EQ(Row(b, 5), ".......");

  Bitmap inverted(7, 6);
  inverted.Fill(kPaper);
  Canvas ci(inverted);
  ci.pen.color = kInk;
  ci.brush = c.brush;
  ci.Rectangle(Rect{6, 5, 1, 1});
  EXPECT_EQ(inverted.Pixels(), b.Pixels());
}

TEST(CanvasRect, ClearPenFillsOnePixelLessAndClearBrushKeepsTheInside) {
  Bitmap b(6, 5);
  b.Fill(kPaper);
  Canvas c(b);
  c.pen.style = PenStyle::Clear;
  c.brush = Brush{kFill, BrushStyle::Solid};
  c.Rectangle(Rect{1, 1, 5, 4});
  EXPECT_EQ(Row(b, 1), ".ooo..");
  EXPECT_EQ(Row(b, 2), ".ooo..");
  EXPECT_EQ(Row(b, 3), "......");

  b.Fill(kPaper);
  c.pen = Pen{kInk, PenStyle::Solid};
  c.brush.style = BrushStyle::Clear;
  c.Rectangle(Rect{0, 0, 6, 5});
  EXPECT_EQ(Row(b, 0), "######");
  EXPECT_EQ(Row(b, 2), "#....#");
  EXPECT_EQ(Row(b, 4), "######");
}

TEST(CanvasRect, DegenerateAndOneWideRectangles) {
  Bitmap b(4, 4);
  b.Fill(kPaper);
  Canvas c(b);
  c.pen.color = kInk;
  c.Rectangle(Rect{1, 1, 1, 3});
  c.Rectangle(Rect{1, 1, 3, 1});
  EXPECT_TRUE(Inked(b).empty());
  c.Rectangle(Rect{2, 0, 3, 4});
  EXPECT_EQ(Inked(b), (PixelSet{{2, 0}, {2, 1}, {2, 2}, {2, 3}}));
}

TEST(CanvasRect, FillAndFrameClipToTheBitmap) {
  Bitmap b(5, 3);
  b.Fill(kPaper);
  Canvas c(b);
  c.brush.color = kFill;
  c.FillRect(Rect{3, -2, 100, 2});
  EXPECT_EQ(Row(b, 0), "...oo");
  EXPECT_EQ(Row(b, 1), "...oo");
  EXPECT_EQ(Row(b, 2), ".....");
  c.FillRect(Rect{4, 0, 2, 3});  // inverted: nothing
  EXPECT_EQ(Row(b, 2), ".....");

  b.Fill(kPaper);
  c.brush.color = kInk;
  c.FrameRect(Rect{0, 0, 4, 3});
  EXPECT_EQ(Row(b, 0), "####.");
  EXPECT_EQ(Row(b, 1), "#..#.");
  EXPECT_EQ(Row(b, 2), "####.");
}

TEST(CanvasRect, RoundRectCutsSymmetricCornersAndFallsBackToARectangle) {
  Bitmap square(20, 10), round(20, 10);
  for (Bitmap* b : {&square, &round}) b->Fill(kPaper);
  Canvas cs(square), cr(round);
  for (Canvas* c : {&cs, &cr}) {
    c->pen.color = kInk;
    c->brush = Brush{kFill, BrushStyle::Solid};
  }
  cs.RoundRect(Rect{0, 0, 20, 10}, 0, 0);
  Bitmap plain(20, 10);
  plain.Fill(kPaper);
  Canvas cp(plain);
  cp.pen.color = kInk;
  cp.brush = cs.brush;
  cp.Rectangle(Rect{0, 0, 20, 10});
  EXPECT_EQ(square.Pixels(), plain.Pixels());

  cr.RoundRect(Rect{0, 0, 20, 10}, 5, 5);
  for (Point corner : {Point{0, 0}, Point{19, 0}, Point{0, 9}, Point{19, 9}}) {
    EXPECT_EQ(round.Pixel(corner.x, corner.y), kPaper) << corner.x << "," << corner.y;
  }
  EXPECT_EQ(Row(round, 5), "#oooooooooooooooooo#");
  EXPECT_EQ(round.Pixel(10, 0), kInk);
  EXPECT_EQ(round.Pixel(10, 9), kInk);
  for (int32_t y = 0; y < 10; ++y) {
    for (int32_t x = 0; x < 20; ++x) {
      ASSERT_EQ(round.Pixel(x, y), round.Pixel(19 - x, y)) << x << "," << y;
      ASSERT_EQ(round.Pixel(x, y), round.Pixel(x, 9 - y)) << x << "," << y;
    }
  }
  // The outline is closed: every row from top to bottom has ink on both sides.
  for (int32_t y = 0; y < 10; ++y) EXPECT_NE(Row(round, y).find('#'), std::string::npos) << y;
}

class RecordingRenderer : public TextRenderer {
 public:
  mutable std::vector<std::string> drawn;
  Size Measure(const Font& font, const std::string& text) const override {
    return Size{static_cast<int32_t>(text.size()) * 3, -font.height};
  }
  void Draw(Bitmap& target, int32_t x, int32_t y, const Font& font, const std::string& text) const override {
    drawn.push_back(text);
    target.SetPixel(x, y, font.color);
  }
};

TEST(CanvasText, GoesThroughItsRendererWithTheCanvasFont) {
  RecordingRenderer renderer;
  Bitmap b(10, 10);
  b.Fill(kPaper);
  Canvas c(b, renderer);
  c.font.height = -9;
  c.font.color = kInk;
  EXPECT_EQ(c.TextWidth("abcd"), 12);
  EXPECT_EQ(c.TextHeight("Pg"), 9);
  c.TextOut(2, 3, "hi");
  EXPECT_EQ(renderer.drawn, std::vector<std::string>{"hi"});
  EXPECT_EQ(b.Pixel(2, 3), kInk);
}

}  // namespace
}  // namespace welmor
