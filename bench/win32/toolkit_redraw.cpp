// Cost of one redraw of the widget's kind of window through the Win32
// toolkit, and the live GDI object count across 10,000 of them: three
// bordered text panels get a new caption and a custom-drawn strip composes
// and blits a new image, each shown at once.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <memory>
#include <string>
#include <vector>

#include "toolkit/application.hpp"
#include "toolkit/custom_control.hpp"
#include "toolkit/form.hpp"
#include "toolkit/label.hpp"
#include "toolkit/win32/control_messages.hpp"
#include "toolkit/win32/win32_backend.hpp"
#include "toolkit/win32/windows_api.hpp"
#include "winapi/win32/handles.hpp"

namespace {

using namespace welmor;

constexpr int kRedraws = 10000;

class Strip : public CustomControl {
 public:
  using CustomControl::CustomControl;
  int32_t value = 0;

 protected:
  void Paint(Canvas& canvas) override {
    Bitmap& b = canvas.Target();
    b.Fill(0xF0CAA6);
    for (int32_t x = 0; x < b.Width(); ++x) {
      const int32_t h = (x * 7 + value) % (b.Height() + 1);
      for (int32_t y = b.Height() - h; y < b.Height(); ++y) b.SetPixel(x, y, 0x0000FF);
    }
    canvas.TextOut(2, 2, std::to_string(value % 101) + "%");
  }
};

}  // namespace

int main() {
  auto backend = MakeWin32Backend(::GetModuleHandleA(nullptr));
  if (!backend) {
    std::puts("no display: the backend could not make its windows");
    return 1;
  }
  Application app(*backend);
  Form& form = app.CreateForm<Form>();
  form.SetBorderStyle(FormBorderStyle::None);
  form.SetBounds(100, 100, 422, 34);
  std::vector<Label*> panels;
  for (int i = 0; i < 3; ++i) {
    Label& label = form.Make<Label>();
    label.SetParent(&form);
    label.SetBounds(i * 141, 0, 140, 17);
    label.SetAlignment(Alignment::Center);
    label.SetBorderStyle(StaticBorder::Single);
    label.SetColor(0xF0CAA6);
    label.SetFont(Font{"Arial", -11, 0, 0});
    panels.push_back(&label);
  }
  Strip& strip = form.Make<Strip>();
  strip.SetParent(&form);
  strip.SetBounds(0, 17, 422, 17);
  form.CreatePeers();
  HWND hwnd = AsHwnd(form.Handle());
  ::SetWindowPos(hwnd, HWND_TOPMOST, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE | SWP_SHOWWINDOW);
  app.ProcessMessages();

  const int64_t gdiBefore = LiveGdiObjects();
  int64_t gdiMax = gdiBefore;
  std::vector<double> micros;
  micros.reserve(kRedraws);
  for (int i = 0; i < kRedraws; ++i) {
    const auto start = std::chrono::steady_clock::now();
    for (Label* panel : panels) {
      panel->SetCaption("CPU Usage: " + std::to_string(i % 101) + "%");
      ::UpdateWindow(AsHwnd(panel->Handle()));
    }
    strip.value = i;
    strip.Repaint();
    ::UpdateWindow(AsHwnd(strip.Handle()));
    const auto end = std::chrono::steady_clock::now();
    micros.push_back(std::chrono::duration<double, std::micro>(end - start).count());
    gdiMax = std::max(gdiMax, LiveGdiObjects());
    if (i % 100 == 0) app.ProcessMessages();
  }
  const int64_t gdiAfter = LiveGdiObjects();
  std::sort(micros.begin(), micros.end());
  std::printf("redraw of 3 panels and a 422x17 strip: median %.1f us, 90th percentile %.1f us (%d rounds)\n",
              micros[micros.size() / 2], micros[micros.size() * 9 / 10], kRedraws);
  std::printf("live GDI objects: %lld before, %lld after, at most %lld in between\n",
              static_cast<long long>(gdiBefore), static_cast<long long>(gdiAfter),
              static_cast<long long>(gdiMax));
  return gdiAfter == gdiBefore ? 0 : 2;
}
