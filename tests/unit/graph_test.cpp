#include "controls/graph.hpp"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "toolkit/application.hpp"
#include "toolkit/headless/headless_backend.hpp"

namespace welmor {
namespace {

constexpr Color kSky = 0xF0CAA6;
constexpr Color kRed = 0x0000FF;
constexpr Color kYellow = 0x00FFFF;
constexpr Color kGreen = 0x00FF00;
constexpr Color kBlack = 0x000000;
constexpr Color kGrey = 0x808080;
constexpr Color kWhite = 0xFFFFFF;

// The widget's chart at its full width; its timer needs an application.
struct WidgetChart : testing::Test {
  HeadlessBackend backend;
  Application app{backend};
  KrGraphic& gr = app.CreateForm<Form>().Make<KrGraphic>();
  void SetUp() override {
    gr.SetBounds(0, 0, 429, 17);
    ApplyWidgetGraphDesign(gr, kSky);
    AddWidgetGraphElements(gr);
  }
};

// A plain chart whose element 1 maps value v to row v (BorderMin 0 on row 0,
// BorderMax = height on the row below the last).
struct RowChart {
  KrGraphic gr{nullptr};
  RowChart(int32_t w, int32_t h, KrGBorder border) {
    gr.SetBounds(0, 0, w, h);
    gr.SetBgColor(kSky);
    gr.SetLineColor(kBlack);
    gr.SetLines(KrGLines::liNone);
    gr.SetBorder(border);
    gr.AddElement(1, kGreen, 0, h, NoValue, NoValue, NoValue, NoValue);
  }
  Color At(int32_t x, int32_t y) { return gr.Surface().Pixel(x, y); }
  std::string Row(int32_t y) {
    std::string s;
    for (int32_t x = 0; x < gr.Width(); ++x) {
      const Color c = At(x, y);
      s += c == kSky ? '.' : c == kGreen ? 'G' : c == kBlack ? 'k' : c == kGrey ? 'g' : '?';
    }
    return s;
  }
};

TEST_F(WidgetChart, ValuesMapFromBorderMinAtTheTopToBorderMaxBelowTheBottom) {
  EXPECT_EQ(gr.ValueToY(1, 50), 8);  // 8.5 goes to the even row
  EXPECT_EQ(gr.ValueToY(1, 100), 0);
  EXPECT_EQ(gr.ValueToY(1, 98), 0);
  EXPECT_EQ(gr.ValueToY(1, 0), 17);
  EXPECT_EQ(gr.ValueToY(1, 2), 17);
  EXPECT_EQ(gr.ValueToY(2, 26), 13);  // 12.75
  EXPECT_EQ(gr.ValueToY(3, 50), -1);  // no such element
  gr.SetBorderMax(1, 98);
  EXPECT_EQ(gr.ValueToY(1, 50), -1);
  EXPECT_EQ(gr.ValueToY(1, 98), -1);
}

TEST(KrGraphicValueToY, ExtremeValuesNeitherOverflowNorWrap) {
  KrGraphic gr(nullptr);
  gr.SetBounds(0, 0, 100, 17);
  gr.AddElement(1, kRed, INT64_MIN, INT64_MAX, NoValue, NoValue, NoValue, NoValue);
  EXPECT_EQ(gr.ValueToY(1, 0), 8);
  EXPECT_EQ(gr.ValueToY(1, INT64_MIN), 0);
  EXPECT_EQ(gr.ValueToY(1, INT64_MAX), 17);
  gr.AddElement(2, kRed, 98, 2, NoValue, NoValue, NoValue, NoValue);
  EXPECT_LT(gr.ValueToY(2, NoValue), -1000000);
  EXPECT_GT(gr.ValueToY(2, INT64_MIN), 1000000);
}

TEST_F(WidgetChart, OneValueAloneLeavesNoMarkAndTheNewestPointIsTheLineEnd) {
  const Bitmap empty = gr.Surface();
  gr.AddValue(1, 50);
  EXPECT_EQ(gr.Surface().Pixels(), empty.Pixels());
  gr.AddValue(1, 50);
  // Border inside 0..428: the newest value is in column 427, the one before in 426.
  EXPECT_EQ(gr.Surface().Pixel(426, 8), kRed);
  EXPECT_EQ(gr.Surface().Pixel(427, 8), kSky);
  int32_t red = 0;
  for (Color c : gr.Surface().Pixels()) red += c == kRed;
  EXPECT_EQ(red, 1);
}

TEST_F(WidgetChart, HigherElementsLieOverLowerOnes) {
  for (int i = 0; i < 3; ++i) {
    gr.AddValue(1, 50);
    gr.AddValue(2, 50);
  }
  EXPECT_EQ(gr.Surface().Pixel(425, 8), kYellow);
  gr.SetElementVisible(2, false);
  gr.Redraw();
  EXPECT_EQ(gr.Surface().Pixel(425, 8), kRed);
}

TEST_F(WidgetChart, VisibilityChangesShowOnlyAfterARepaint) {
  gr.AddValue(1, 20);
  gr.AddValue(1, 80);
  const Bitmap shown = gr.Surface();
  gr.SetElementVisible(1, false);
  EXPECT_FALSE(gr.GetElementVisible(1));
  EXPECT_FALSE(gr.PaintPending());
  EXPECT_EQ(gr.Surface().Pixels(), shown.Pixels());
  gr.Invalidate();
  for (Color c : gr.Surface().Pixels()) ASSERT_NE(c, kRed);
}

TEST_F(WidgetChart, FarOffValuesAreClippedNotWrapped) {
  gr.AddValue(1, INT64_MIN + 1);  // far below the chart
  gr.AddValue(1, 50);
  // The steep segment comes up through column 427 and stops short of row 8.
  for (int32_t y = 9; y < 17; ++y) EXPECT_EQ(gr.Surface().Pixel(427, y), kRed) << y;
  for (int32_t y = 0; y <= 8; ++y) EXPECT_NE(gr.Surface().Pixel(427, y), kRed) << y;
}

TEST(KrGraphicColumns, NewestValuesFillTheColumnsInsideTheBorder) {
  for (KrGBorder border : {KrGBorder::boLine, KrGBorder::boNone}) {
    SCOPED_TRACE(static_cast<int>(border));
    RowChart chart(429, 17, border);
    // Alternate rows 4 and 5 so that every segment colours exactly its start.
    for (int32_t k = 1; k <= 2000; ++k) chart.gr.AddValue(1, 4 + k % 2);
    const int32_t b = border == KrGBorder::boNone ? 0 : 1;
    const int32_t newestColumn = 428 - b;
    for (int32_t j = 2001 - 428; j < 2000; ++j) {
      const int32_t x = newestColumn - (2000 - j);
      ASSERT_EQ(chart.At(x, 4 + j % 2), kGreen) << j;
      ASSERT_NE(chart.At(x, 4 + (j + 1) % 2), kGreen) << j;
    }
    EXPECT_NE(chart.At(newestColumn, 4), kGreen);
    // The oldest drawn value, index 1573 (row 5), is in column 0 or 1.
    EXPECT_EQ(chart.At(1 - b, 5), kGreen);
    if (b == 1) {
      EXPECT_EQ(chart.At(428, 4), kBlack);
      EXPECT_EQ(chart.At(428, 5), kBlack);
    } else {
      EXPECT_EQ(chart.At(0, 4), kSky);  // older values are not drawn
      EXPECT_EQ(chart.At(0, 5), kSky);
    }
  }
}

TEST(KrGraphicColumns, AChartWiderThanTheHistoryLeavesItsLeftColumnsEmpty) {
  RowChart chart(2100, 8, KrGBorder::boNone);
  for (int32_t k = 1; k <= 2000; ++k) chart.gr.AddValue(1, 3);
  const std::string row = chart.Row(3);
  // Values 1..1999 in columns 100..2098; the newest (2099) is the line end.
  EXPECT_EQ(row.find('G'), 100u);
  EXPECT_EQ(row.rfind('G'), 2098u);
  EXPECT_EQ(row.substr(0, 100), std::string(100, '.'));
}

TEST(KrGraphicLine, BrokenAtEveryEmptyPlace) {
  RowChart chart(30, 8, KrGBorder::boNone);
  for (int64_t v : std::initializer_list<int64_t>{2, 2, NoValue, 5, 5, NoValue, 6}) chart.gr.AddValue(1, v);
  // Indices 1994..2000 sit in columns 23..29.
  EXPECT_EQ(chart.Row(2), std::string(23, '.') + "G......");
  EXPECT_EQ(chart.Row(5), std::string(23, '.') + "...G...");
  EXPECT_EQ(chart.Row(6), std::string(30, '.'));  // a lone value leaves no mark
  for (int32_t y : {3, 4}) EXPECT_EQ(chart.Row(y), std::string(30, '.')) << y;
}

TEST(KrGraphicValues, AddValueDropsTheOldestAfter2000) {
  KrGraphic gr(nullptr);
  gr.SetBounds(0, 0, 50, 10);
  EXPECT_EQ(gr.AddValue(1, 5), NoValue);  // empty slot: nothing happens
  EXPECT_FALSE(gr.HasValue(1, 2000));
  ASSERT_TRUE(gr.AddElement(1, kRed, 0, 100, NoValue, NoValue, NoValue, NoValue));
  for (int64_t k = 1; k <= 2000; ++k) ASSERT_EQ(gr.AddValue(1, k * 10), NoValue) << k;
  EXPECT_EQ(gr.GetValue(1, 1), 10);
  EXPECT_EQ(gr.GetValue(1, 2000), 20000);
  EXPECT_EQ(gr.AddValue(1, -1), 10);  // the 2001st returns the first
  EXPECT_EQ(gr.AddValue(1, -2), 20);
  EXPECT_EQ(gr.GetValue(1, 1), 30);
  EXPECT_EQ(gr.GetValue(1, 1999), -1);
  EXPECT_EQ(gr.GetValue(1, 2000), -2);
}

TEST(KrGraphicValues, IndexedAccessAndTheSparePlaceZero) {
  KrGraphic gr(nullptr);
  gr.SetBounds(0, 0, 50, 10);
  gr.AddElement(1, kRed, 0, 100, NoValue, NoValue, NoValue, NoValue);
  gr.AddValue(1, 7);
  gr.AddValue(1, 8);
  EXPECT_EQ(gr.GetValue(1, 1999), 7);
  EXPECT_EQ(gr.GetValue(1, 2000), 8);
  EXPECT_FALSE(gr.HasValue(1, 1998));
  EXPECT_FALSE(gr.HasValue(1, 1));
  EXPECT_FALSE(gr.HasValue(1, 0));

  gr.SetValue(1, 0, 44);  // index 0 is the caller's own; shifting leaves it
  gr.AddValue(1, 9);
  EXPECT_EQ(gr.GetValue(1, 0), 44);
  EXPECT_EQ(gr.GetValue(1, 1998), 7);

  gr.SetValue(1, 1500, 3);
  EXPECT_TRUE(gr.HasValue(1, 1500));
  gr.AddValue(1, 10);
  EXPECT_EQ(gr.GetValue(1, 1499), 3);

  gr.Surface();  // nothing left to paint
  int events = 0;
  gr.OnBeforePoint = [&](Component&, int32_t, int64_t) { ++events; };
  for (int32_t bad : {-1, 2001}) {
    gr.SetValue(1, bad, 1);
    EXPECT_EQ(gr.GetValue(1, bad), NoValue);
    EXPECT_FALSE(gr.HasValue(1, bad));
  }
  EXPECT_EQ(events, 0);
  EXPECT_FALSE(gr.PaintPending());

  gr.ClearElement(1);
  for (int32_t i : {1, 1499, 1999, 2000}) EXPECT_FALSE(gr.HasValue(1, i)) << i;
  EXPECT_FALSE(gr.PaintPending());  // clearing does not repaint
  EXPECT_EQ(gr.AddValue(1, 1), NoValue);
}

TEST(KrGraphicEvents, FireInTheirFixedOrderAroundTheStore) {
  KrGraphic gr(nullptr);
  gr.SetBounds(0, 0, 50, 10);
  // BorderMin 0, BorderMax 100, AlarmMin -20, AlarmMax 90, WarningMin -10, WarningMax 80.
  gr.AddElement(4, kRed, 0, 100, -20, 90, -10, 80);
  std::vector<std::string> log;
  auto record = [&](const char* name) {
    return [&log, &gr, name](Component& sender, int32_t element, int64_t value) {
      EXPECT_EQ(&sender, &gr);
      EXPECT_EQ(element, 4);
      log.push_back(std::string(name) + " " + std::to_string(value) +
                    " stored=" + (gr.GetValue(4, 2000) == value ? "y" : "n"));
    };
  };
  gr.OnBeforePoint = record("before");
  gr.OnAfterPoint = record("after");
  gr.OnWarningMax = record("warnMax");
  gr.OnAlarmMax = record("alarmMax");
  gr.OnBorderMax = record("borderMax");
  gr.OnWarningMin = record("warnMin");
  gr.OnAlarmMin = record("alarmMin");
  gr.OnBorderMin = record("borderMin");

  gr.AddValue(4, 95);
  EXPECT_EQ(log, (std::vector<std::string>{"before 95 stored=n", "warnMax 95 stored=y",
                                           "alarmMax 95 stored=y", "after 95 stored=y"}));
  log.clear();
  gr.AddValue(4, 150);
  EXPECT_EQ(log,
            (std::vector<std::string>{"before 150 stored=n", "warnMax 150 stored=y", "alarmMax 150 stored=y",
                                      "borderMax 150 stored=y", "after 150 stored=y"}));
  log.clear();
  gr.AddValue(4, -30);
  EXPECT_EQ(log,
            (std::vector<std::string>{"before -30 stored=n", "warnMin -30 stored=y", "alarmMin -30 stored=y",
                                      "borderMin -30 stored=y", "after -30 stored=y"}));
  log.clear();
  gr.AddValue(4, 80);  // exactly WarningMax: nothing for it
  EXPECT_EQ(log, (std::vector<std::string>{"before 80 stored=n", "after 80 stored=y"}));
  log.clear();
  gr.AddValue(4, 100);  // exactly BorderMax: only the lower thresholds fire
  EXPECT_EQ(log, (std::vector<std::string>{"before 100 stored=n", "warnMax 100 stored=y",
                                           "alarmMax 100 stored=y", "after 100 stored=y"}));
}

TEST(KrGraphicEvents, RepaintFollowsTheLastEventAndHandlersMayReplaceTheElement) {
  KrGraphic gr(nullptr);
  gr.SetBounds(0, 0, 50, 10);
  gr.AddElement(1, kRed, 0, 10, NoValue, NoValue, NoValue, NoValue);
  bool pendingAtAfter = true;
  gr.OnAfterPoint = [&](Component&, int32_t, int64_t) { pendingAtAfter = gr.PaintPending(); };
  gr.Surface();
  gr.AddValue(1, 3);
  EXPECT_FALSE(pendingAtAfter);
  EXPECT_TRUE(gr.PaintPending());

  // Replacing the element from inside its own event must not pull it away
  // from under the running call.
  bool replaced = false;
  gr.OnBeforePoint = [&](Component&, int32_t element, int64_t) {
    if (replaced) return;
    replaced = true;
    gr.AddElement(element, kGreen, 0, 10, NoValue, NoValue, NoValue, NoValue);
  };
  gr.AddValue(1, 4);
  EXPECT_EQ(gr.GetElementColor(1), static_cast<int32_t>(kGreen));
  EXPECT_FALSE(gr.HasValue(1, 2000));
}

TEST(KrGraphicElements, SlotsOutsideOneToFiftyAreRefused) {
  KrGraphic gr(nullptr);
  gr.SetBounds(0, 0, 40, 10);
  gr.Surface();  // nothing left to paint
  for (int32_t bad : {0, 51, -1}) {
    EXPECT_FALSE(gr.AddElement(bad, kRed, 0, 10, 1, 2, 3, 4)) << bad;
    EXPECT_EQ(gr.GetElementColor(bad), -1);
  }
  EXPECT_FALSE(gr.PaintPending());
  EXPECT_TRUE(gr.AddElement(50, kRed, 0, 10, 1, 2, 3, 4));
  EXPECT_TRUE(gr.AddElement(1, kRed, 0, 10, 1, 2, 3, 4));
  EXPECT_TRUE(gr.PaintPending());
}

TEST(KrGraphicElements, EmptySlotsAnswerWithTheirMarkers) {
  KrGraphic gr(nullptr);
  gr.SetBounds(0, 0, 40, 10);
  gr.Surface();  // nothing left to paint
  gr.SetAlarmMin(7, 1);
  gr.SetElementColor(7, kRed);
  gr.SetElementVisible(7, true);
  gr.ClearElement(7);
  gr.SetValue(7, 5, 1);
  EXPECT_FALSE(gr.PaintPending());
  EXPECT_EQ(gr.GetAlarmMin(7), NoValue);
  EXPECT_EQ(gr.GetAlarmMax(7), NoValue);
  EXPECT_EQ(gr.GetWarningMin(7), NoValue);
  EXPECT_EQ(gr.GetWarningMax(7), NoValue);
  EXPECT_EQ(gr.GetBorderMin(7), NoValue);
  EXPECT_EQ(gr.GetBorderMax(7), NoValue);
  EXPECT_EQ(gr.GetElementColor(7), -1);
  EXPECT_FALSE(gr.GetElementVisible(7));
  EXPECT_EQ(gr.GetValue(7, 5), NoValue);
}

TEST(KrGraphicElements, AddElementStoresItsArgumentsInOrderAndReplacesValues) {
  KrGraphic gr(nullptr);
  gr.SetBounds(0, 0, 40, 10);
  gr.AddElement(9, kYellow, 11, 12, 13, 14, 15, 16);
  EXPECT_EQ(gr.GetBorderMin(9), 11);
  EXPECT_EQ(gr.GetBorderMax(9), 12);
  EXPECT_EQ(gr.GetAlarmMin(9), 13);
  EXPECT_EQ(gr.GetAlarmMax(9), 14);
  EXPECT_EQ(gr.GetWarningMin(9), 15);
  EXPECT_EQ(gr.GetWarningMax(9), 16);
  EXPECT_EQ(gr.GetElementColor(9), static_cast<int32_t>(kYellow));
  EXPECT_TRUE(gr.GetElementVisible(9));
  gr.AddValue(9, 1);
  gr.SetElementVisible(9, false);
  gr.AddElement(9, kRed, 0, 1, 2, 3, 4, 5);
  EXPECT_FALSE(gr.HasValue(9, 2000));
  EXPECT_TRUE(gr.GetElementVisible(9));
  gr.Surface();  // nothing left to paint
  gr.SetWarningMax(9, 99);
  gr.SetElementColor(9, kGreen);
  EXPECT_EQ(gr.GetWarningMax(9), 99);
  EXPECT_TRUE(gr.PaintPending());
}

TEST(KrGraphicGrid, HorizontalOnlyWithNoLinesDrawsNoGrid) {
  HeadlessBackend backend;
  Application app{backend};
  Form& form = app.CreateForm<Form>();
  KrGraphic& withGrid = form.Make<KrGraphic>();
  KrGraphic& noLines = form.Make<KrGraphic>();
  for (KrGraphic* g : {&withGrid, &noLines}) {
    g->SetBounds(0, 0, 429, 17);
    ApplyWidgetGraphDesign(*g, kSky);  // liHor, LinesHor 0, LinesVert 50
  }
  noLines.SetLines(KrGLines::liNone);
  EXPECT_EQ(withGrid.Surface().Pixels(), noLines.Surface().Pixels());
  for (Color c : withGrid.Surface().Pixels()) ASSERT_NE(c, kGrey);
  withGrid.SetLines(KrGLines::liVertHor);
  int32_t grey = 0;
  for (Color c : withGrid.Surface().Pixels()) grey += c == kGrey;
  EXPECT_EQ(grey, 50 * 15);  // 50 lines over the 15 rows inside the frame
}

TEST(KrGraphicGrid, LinesAtEvenlySpacedRoundedPositions) {
  RowChart chart(10, 6, KrGBorder::boNone);
  chart.gr.SetLinesVertHorColor(kGrey);
  chart.gr.SetLinesVert(3);  // 2.5, 5, 7.5 -> 2, 5, 8
  chart.gr.SetLinesHor(1);   // 3
  chart.gr.SetLines(KrGLines::liVert);
  for (int32_t y = 0; y < 6; ++y) EXPECT_EQ(chart.Row(y), "..g..g..g.") << y;
  chart.gr.SetLines(KrGLines::liVertHor);
  EXPECT_EQ(chart.Row(3), "gggggggggg");
  chart.gr.SetLines(KrGLines::liHor);
  EXPECT_EQ(chart.Row(2), "..........");

  chart.gr.SetBorder(KrGBorder::boLine);
  chart.gr.SetLines(KrGLines::liVertHor);
  EXPECT_EQ(chart.Row(0), "kkkkkkkkkk");
  EXPECT_EQ(chart.Row(2), "k.g..g..gk");
  EXPECT_EQ(chart.Row(3), "kggggggggk");
  EXPECT_EQ(chart.Row(5), "kkkkkkkkkk");

  RowChart tall(10, 17, KrGBorder::boNone);
  tall.gr.SetLinesVertHorColor(kGrey);
  tall.gr.SetLinesHor(1);
  tall.gr.SetLines(KrGLines::liHor);
  EXPECT_EQ(tall.Row(8), "gggggggggg");  // 8.5 -> 8
}

TEST(KrGraphicGrid, MoreLinesThanPixelsColourEveryColumnOnce) {
  RowChart chart(50, 4, KrGBorder::boNone);
  chart.gr.SetLinesVertHorColor(kGrey);
  chart.gr.SetLinesVert(INT32_MAX);
  chart.gr.SetLines(KrGLines::liVert);
  EXPECT_EQ(chart.Row(2), std::string(50, 'g'));
  chart.gr.SetLinesVert(-3);
  EXPECT_EQ(chart.Row(2), std::string(50, '.'));
}

TEST(KrGraphicBorder, RaisedAndSunkenEdges) {
  KrGraphic gr(nullptr);
  gr.SetBounds(0, 0, 6, 4);
  gr.SetLines(KrGLines::liNone);
  gr.SetBgColor(kSky);
  gr.SetLightColor(kWhite);
  gr.SetShadowColor(kGrey);
  auto rows = [&] {
    std::vector<std::string> out;
    for (int32_t y = 0; y < 4; ++y) {
      std::string s;
      for (int32_t x = 0; x < 6; ++x) {
        const Color c = gr.Surface().Pixel(x, y);
        s += c == kWhite ? 'L' : c == kGrey ? 'D' : c == kSky ? '.' : '?';
      }
      out.push_back(s);
    }
    return out;
  };
  gr.SetBorder(KrGBorder::boUp);
  EXPECT_EQ(rows(), (std::vector<std::string>{"LLLLLD", "L....D", "L....D", "LDDDDD"}));
  gr.SetBorder(KrGBorder::boDown);
  EXPECT_EQ(rows(), (std::vector<std::string>{"DDDDDL", "D....L", "D....L", "DLLLLL"}));
  gr.SetBorder(KrGBorder::boLine);
  gr.SetLineColor(kWhite);
  EXPECT_EQ(rows(), (std::vector<std::string>{"LLLLLL", "L....L", "L....L", "LLLLLL"}));
  gr.SetBorder(KrGBorder::boNone);
  EXPECT_EQ(rows(), (std::vector<std::string>{"......", "......", "......", "......"}));
}

TEST(KrGraphicThresholds, DottedAlarmsAndDashDotDotWarningsOfVisibleElements) {
  RowChart chart(30, 10, KrGBorder::boNone);
  chart.gr.SetAlarmMax(1, 3);
  chart.gr.SetWarningMin(1, 6);
  // From column 1 to the right edge; the gaps show the background.
  EXPECT_EQ(chart.Row(3), ".GGG...GGG...GGG...GGG...GGG..");
  EXPECT_EQ(chart.Row(6), ".GGGGGGGGG...GGG...GGG...GGGGG");
  chart.gr.SetElementVisible(1, false);
  chart.gr.Redraw();
  EXPECT_EQ(chart.Row(3), std::string(30, '.'));
  chart.gr.SetElementVisible(1, true);
  chart.gr.SetAlarmMax(1, NoValue);
  EXPECT_EQ(chart.Row(3), std::string(30, '.'));
}

TEST(KrGraphicProperties, RedrawOnlyWhenSomethingChanged) {
  HeadlessBackend backend;
  Application app{backend};
  KrGraphic& gr = app.CreateForm<Form>().Make<KrGraphic>();
  gr.SetBounds(0, 0, 20, 10);
  EXPECT_EQ(gr.BgColor(), 0u);
  EXPECT_EQ(gr.Border(), KrGBorder::boLine);
  EXPECT_EQ(gr.LineColor(), kWhite);
  EXPECT_EQ(gr.ShadowColor(), kGrey);
  EXPECT_EQ(gr.LightColor(), kWhite);
  EXPECT_EQ(gr.LinesHor(), 10);
  EXPECT_EQ(gr.LinesVert(), 10);
  EXPECT_EQ(gr.Lines(), KrGLines::liVertHor);
  EXPECT_EQ(gr.LinesVertHorColor(), 0x008000u);
  gr.SetLines(KrGLines::liNone);
  gr.Surface();  // nothing left to paint
  gr.SetBgColor(0);
  gr.SetLinesHor(10);
  gr.SetBorder(KrGBorder::boLine);
  EXPECT_FALSE(gr.PaintPending());
  gr.SetBgColor(kSky);
  EXPECT_TRUE(gr.PaintPending());
  EXPECT_EQ(gr.Surface().Pixel(5, 5), kSky);
  gr.SetInterval(500);
  gr.SetTimerEnabled(true);
  EXPECT_FALSE(gr.PaintPending());
}

TEST(KrGraphicTimer, OutsideAnApplicationItCannotRunAndSaysSo) {
  KrGraphic gr(nullptr);
  gr.SetInterval(500);  // nothing to run yet
  gr.SetTimerEnabled(false);
  EXPECT_THROW(gr.SetTimerEnabled(true), std::logic_error);
}

TEST(KrGraphicTimer, OnlyTellsTheOwnerToSample) {
  HeadlessBackend backend;
  Application app{backend};
  KrGraphic& gr = app.CreateForm<Form>().Make<KrGraphic>();
  Timer& timer = gr.InternalTimer();
  EXPECT_FALSE(timer.Enabled());
  EXPECT_EQ(timer.Interval(), 1000u);
  int ticks = 0;
  gr.OnTmrTimer = [&](Component& sender) {
    EXPECT_EQ(&sender, &gr);
    ++ticks;
  };
  timer.Tick();
  EXPECT_EQ(ticks, 0);  // created disabled
  gr.SetTimerEnabled(true);
  EXPECT_TRUE(timer.Enabled());
  gr.Surface();  // nothing left to paint
  timer.Tick();
  timer.Tick();
  EXPECT_EQ(ticks, 2);
  EXPECT_FALSE(gr.PaintPending());  // no scrolling of its own
  gr.SetInterval(250);
  EXPECT_EQ(timer.Interval(), 250u);
  gr.SetInterval(-5);
  EXPECT_EQ(gr.Interval(), -5);
  EXPECT_EQ(timer.Interval(), 0u);
  gr.SetTimerEnabled(false);
  timer.Tick();
  EXPECT_EQ(ticks, 2);
}

}  // namespace
}  // namespace welmor
