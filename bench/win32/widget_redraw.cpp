// Cost of one redraw of the widget's own controls on the real Win32 backend,
// and what 10,000 of them leave behind: three panels with their bars and the
// strip chart with both lines, laid out as the widget lays them out. One
// redraw sets the three bar positions and adds a value to each chart line
// (every one of those composes an image and blits it), then lets the waiting
// messages run so the windows really paint. Reports the live GDI object count
// and the process working set along the way; ends with status 2 when GDI
// objects are left over.
#include "toolkit/win32/windows_api.hpp"
// windows.h first.
#include <psapi.h>

#include <algorithm>
#include <chrono>
#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

#include "controls/graph.hpp"
#include "controls/progress_bar.hpp"
#include "toolkit/application.hpp"
#include "toolkit/form.hpp"
#include "toolkit/label.hpp"
#include "toolkit/win32/control_messages.hpp"
#include "toolkit/win32/win32_backend.hpp"
#include "winapi/win32/handles.hpp"

namespace {

using namespace welmor;

constexpr int kRedraws = 10000;
constexpr int kWarmUp = 200;
constexpr Color kSkyBlue = 0xF0CAA6;
constexpr Color kRed = 0x0000FF;
constexpr int32_t kPanelWidth = 140;
constexpr int32_t kPanelHeight = 17;

using GetProcessMemoryInfoFn = BOOL(WINAPI*)(HANDLE, PPROCESS_MEMORY_COUNTERS, DWORD);

// The working set of this process. kernel32 has the query itself from
// Windows 7 on; older systems and some Wine builds only have it in psapi.
class WorkingSet {
 public:
  WorkingSet() {
    query_ = Find(::GetModuleHandleA("kernel32.dll"), "K32GetProcessMemoryInfo");
    if (!query_) {
      psapi_.reset(::LoadLibraryA("psapi.dll"));
      if (psapi_) query_ = Find(psapi_.get(), "GetProcessMemoryInfo");
    }
  }

  bool Available() const { return query_ != nullptr; }

  // Current and peak working set in KiB; zeros when unreadable.
  void Read(uint64_t& currentKiB, uint64_t& peakKiB) const {
    currentKiB = peakKiB = 0;
    PROCESS_MEMORY_COUNTERS counters{};
    counters.cb = sizeof(counters);
    if (query_ && query_(::GetCurrentProcess(), &counters, sizeof(counters))) {
      currentKiB = counters.WorkingSetSize / 1024;
      peakKiB = counters.PeakWorkingSetSize / 1024;
    }
  }

 private:
  static GetProcessMemoryInfoFn Find(HMODULE module, const char* name) {
    if (!module) return nullptr;
    return reinterpret_cast<GetProcessMemoryInfoFn>(reinterpret_cast<void*>(::GetProcAddress(module, name)));
  }

  unique_hmodule psapi_;
  GetProcessMemoryInfoFn query_ = nullptr;
};

struct Sample {
  int redraws;
  uint64_t workingSetKiB;
  uint64_t peakKiB;
  int64_t gdi;
};

// Values that wander over the whole range and differ from bar to bar and line
// to line, so no two consecutive images are alike.
int32_t Wave(int i, int32_t phase) { return static_cast<int32_t>((i * 7 + phase) % 101); }

}  // namespace

int main() {
  auto backend = MakeWin32Backend(::GetModuleHandleA(nullptr));
  if (!backend) {
    std::puts("no display: the backend could not make its windows");
    return 1;
  }
  const WorkingSet workingSet;
  if (!workingSet.Available()) std::puts("note: no GetProcessMemoryInfo; working set figures read 0");

  Application app(*backend);
  Form& form = app.CreateForm<Form>();
  form.SetBorderStyle(FormBorderStyle::None);
  form.SetColor(0x00C8D0D4);
  form.SetBounds(100, 100, 3 * kPanelWidth + 2, 2 * kPanelHeight);

  // Same order as the widget: panels, then the bars over them, then the chart.
  std::vector<Label*> panels;
  for (int32_t i = 0; i < 3; ++i) {
    Label& panel = form.Make<Label>();
    panel.SetParent(&form);
    panel.SetBounds(i * (kPanelWidth + 1), 0, kPanelWidth, kPanelHeight);
    panel.SetAlignment(Alignment::Center);
    panel.SetBorderStyle(StaticBorder::Single);
    panel.SetColor(kSkyBlue);
    panel.SetFont(Font{"Arial", -11, 0, 0});
    panel.SetCaption("Free RAM: 21.34 GiB");
    panels.push_back(&panel);
  }
  std::vector<TQProgressBar*> bars;
  for (int32_t i = 0; i < 3; ++i) {
    TQProgressBar& bar = form.Make<TQProgressBar>();
    bar.SetParent(&form);
    bar.SetBounds(i * (kPanelWidth + 1) + 1, kPanelHeight - 4, kPanelWidth - 2, 3);
    ApplyWidgetBarDesign(bar, kSkyBlue, kRed);
    bars.push_back(&bar);
  }
  KrGraphic& graph = form.Make<KrGraphic>();
  graph.SetParent(&form);
  graph.SetBounds(0, kPanelHeight, form.Width(), kPanelHeight);
  ApplyWidgetGraphDesign(graph, kSkyBlue);
  AddWidgetGraphElements(graph);
  graph.SetElementVisible(1, true);
  graph.SetElementVisible(2, true);

  form.CreatePeers();
  HWND hwnd = AsHwnd(form.Handle());
  ::SetWindowPos(hwnd, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE | SWP_SHOWWINDOW);
  app.ProcessMessages();

  const auto redraw = [&](int i) {
    for (int32_t b = 0; b < 3; ++b) bars[b]->SetPosition(Wave(i, 31 * b));
    graph.AddValue(1, Wave(i, 0));
    graph.AddValue(2, Wave(i, 50));
    app.ProcessMessages();
  };
  // First-use costs (fonts, class registration, the chart filling up) are
  // not what is measured.
  for (int i = 0; i < kWarmUp; ++i) redraw(i);

  // Made and touched before the first sample and filled in place: pages the
  // timings touch during the rounds would look like growth of the widget's.
  std::vector<double> micros(static_cast<std::size_t>(kRedraws), 0.0);
  const uint64_t paintsBefore = graph.PaintCount() + bars[0]->PaintCount();
  std::vector<Sample> samples;
  samples.reserve(kRedraws / 1000 + 2);
  const auto sample = [&](int done) {
    Sample s{done, 0, 0, LiveGdiObjects()};
    workingSet.Read(s.workingSetKiB, s.peakKiB);
    samples.push_back(s);
  };
  sample(0);
  const int64_t gdiBefore = samples.front().gdi;
  int64_t gdiMax = gdiBefore;
  for (int i = 0; i < kRedraws; ++i) {
    const auto start = std::chrono::steady_clock::now();
    redraw(kWarmUp + i);
    const auto end = std::chrono::steady_clock::now();
    micros[static_cast<std::size_t>(i)] = std::chrono::duration<double, std::micro>(end - start).count();
    gdiMax = std::max(gdiMax, LiveGdiObjects());
    if ((i + 1) % 1000 == 0) sample(i + 1);
  }
  const int64_t gdiAfter = LiveGdiObjects();
  const uint64_t paints = graph.PaintCount() + bars[0]->PaintCount() - paintsBefore;

  std::sort(micros.begin(), micros.end());
  std::printf("one widget redraw (3 bar positions + 2 chart values, messages pumped), %d rounds:\n",
              kRedraws);
  std::printf("  median %.1f us, 90th percentile %.1f us, 99th percentile %.1f us\n",
              micros[micros.size() / 2], micros[micros.size() * 9 / 10], micros[micros.size() * 99 / 100]);
  std::printf("  images composed by the chart and bar 1: %llu (expected %d)\n",
              static_cast<unsigned long long>(paints), 2 * kRedraws);
  std::printf("live GDI objects: %lld before, %lld at most, %lld after\n", static_cast<long long>(gdiBefore),
              static_cast<long long>(gdiMax), static_cast<long long>(gdiAfter));
  std::puts("working set (KiB) after N redraws:");
  for (const Sample& s : samples) {
    std::printf("  %6d  %8llu  (peak %llu, GDI %lld)\n", s.redraws,
                static_cast<unsigned long long>(s.workingSetKiB), static_cast<unsigned long long>(s.peakKiB),
                static_cast<long long>(s.gdi));
  }
  if (gdiAfter > gdiBefore) {
    std::printf("FAIL: %lld GDI objects more after the redraws than before\n",
                static_cast<long long>(gdiAfter - gdiBefore));
    return 2;
  }
  return 0;
}
