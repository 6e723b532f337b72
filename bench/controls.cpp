// Cost of the two things the widget does to its controls every second: one
// new value per chart line (each redraws the whole strip) and one new bar
// position (each repaints the bar).

#include <benchmark/benchmark.h>

#include <cstdint>

#include "controls/graph.hpp"
#include "controls/progress_bar.hpp"
#include "toolkit/application.hpp"
#include "toolkit/headless/headless_backend.hpp"

namespace welmor {
namespace {

constexpr Color kSky = 0xF0CAA6;
constexpr Color kRed = 0x0000FF;

// width: 429 as designed, 422 as laid out at run time.
void BM_ChartAddValue(benchmark::State& state) {
  HeadlessBackend backend;
  Application app{backend};
  KrGraphic& gr = app.CreateForm<Form>().Make<KrGraphic>();
  gr.SetBounds(0, 17, static_cast<int32_t>(state.range(0)), 17);
  ApplyWidgetGraphDesign(gr, kSky);
  AddWidgetGraphElements(gr);
  // A full strip of both lines, as after the first seven minutes.
  for (int64_t k = 0; k < 2000; ++k) {
    gr.AddValue(1, k * 37 % 101);
    gr.AddValue(2, 40 + k % 7);
  }
  int64_t v = 0;
  for (auto _ : state) {
    benchmark::DoNotOptimize(gr.AddValue(1 + static_cast<int32_t>(v & 1), v % 101));
    ++v;
  }
  state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_ChartAddValue)->Arg(429)->Arg(422);

void BM_BarPosition(benchmark::State& state) {
  TQProgressBar bar(nullptr);
  bar.SetBounds(5, 23, 138, 3);
  ApplyWidgetBarDesign(bar, kSky, kRed);
  int32_t p = 0;
  for (auto _ : state) {
    bar.SetPosition(p);
    benchmark::DoNotOptimize(bar.Surface().Pixels().data());
    p = (p + 37) % 101;
  }
  state.SetItemsProcessed(state.iterations());
}
BENCHMARK(BM_BarPosition);

// Rebuilding the colour tables, which a colour change costs: flat as in the
// widget, and the cylinder look for comparison.
void BM_BarColourChange(benchmark::State& state) {
  TQProgressBar bar(nullptr);
  bar.SetBounds(0, 0, 138, state.range(0) != 0 ? 16 : 3);
  ApplyWidgetBarDesign(bar, kSky, kRed);
  if (state.range(0) != 0) {
    bar.SetHeight(16);
    bar.SetOrientation(TQBarOrientation::boHorizontal);
    bar.SetBarKind(TQBarKind::bkCylinder);
  }
  Color c = 0;
  for (auto _ : state) {
    bar.SetBarColor(c);
    c = (c + 0x010203) & 0xFFFFFF;
  }
}
BENCHMARK(BM_BarColourChange)->Arg(0)->Arg(1);

}  // namespace
}  // namespace welmor
