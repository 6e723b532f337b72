// The GDI object count and text drawn into bitmaps.
#include <gtest/gtest.h>

#include <memory>

#include "toolkit/custom_control.hpp"
#include "toolkit/form.hpp"
#include "toolkit/label.hpp"
#include "toolkit/win32/gdi_text_renderer.hpp"
#include "win32/toolkit_fixture.hpp"
#include "winapi/win32/handles.hpp"

namespace welmor {
namespace {

using testenv::AsHwnd;

constexpr Color kWhite = 0xFFFFFF;
constexpr Color kRed = 0x0000FF;

class Dots : public CustomControl {
 public:
  using CustomControl::CustomControl;

 protected:
  void Paint(Canvas& canvas) override {
    canvas.Target().Fill(0x00FFFF);
    canvas.TextOut(1, 1, "42%");
  }
};

TEST(GdiCount, FollowsTheWrappersLifetimes) {
  const int64_t brushes = LiveGdiObjects(GdiKind::Brush);
  const int64_t total = LiveGdiObjects();
  {
    unique_hbrush a(::CreateSolidBrush(kRed));
    unique_hbrush b(::CreateSolidBrush(kWhite));
    EXPECT_EQ(LiveGdiObjects(GdiKind::Brush), brushes + 2);
    unique_hbrush moved(std::move(a));
    EXPECT_EQ(LiveGdiObjects(GdiKind::Brush), brushes + 2);
    b.reset();
    EXPECT_EQ(LiveGdiObjects(GdiKind::Brush), brushes + 1);
    HBRUSH raw = moved.release();
    EXPECT_EQ(LiveGdiObjects(GdiKind::Brush), brushes);
    ::DeleteObject(raw);
    const int64_t dcs = LiveGdiObjects(GdiKind::DC);
    const int64_t bitmaps = LiveGdiObjects(GdiKind::Bitmap);
    unique_hdc dc(::CreateCompatibleDC(nullptr));
    unique_hbitmap bitmap(::CreateCompatibleBitmap(dc.get(), 4, 4));
    EXPECT_EQ(LiveGdiObjects(GdiKind::DC), dcs + 1);
    EXPECT_EQ(LiveGdiObjects(GdiKind::Bitmap), bitmaps + 1);
    EXPECT_EQ(LiveGdiObjects(), total + 2);
  }
  EXPECT_EQ(LiveGdiObjects(), total);
  unique_hfont none(nullptr);  // a failed creation counts nothing
  EXPECT_EQ(LiveGdiObjects(), total);
}

// A counted kind cannot hand its address to a call: the count would miss
// the handle the call writes.
template <class H>
concept Puttable = requires(H h) {
  h.put();
};
static_assert(Puttable<unique_hkey> && Puttable<unique_handle>);
static_assert(!Puttable<unique_hfont> && !Puttable<unique_hdc>);

TEST(Handles, PutClosesTheOldHandleAndTakesWhatTheCallWrites) {
  unique_handle event(::CreateEventA(nullptr, TRUE, FALSE, nullptr));
  HANDLE first = event.get();
  ASSERT_NE(first, nullptr);
  HANDLE* slot = event.put();
  EXPECT_FALSE(event);  // the first event is closed
  EXPECT_EQ(::WaitForSingleObject(first, 0), WAIT_FAILED);
  *slot = ::CreateEventA(nullptr, TRUE, TRUE, nullptr);
  EXPECT_TRUE(event);
  EXPECT_EQ(::WaitForSingleObject(event.get(), 0), WAIT_OBJECT_0);
}

TEST(GdiCount, SelectObjectPutsThePreviousObjectBack) {
  unique_hdc dc(::CreateCompatibleDC(nullptr));
  unique_hbitmap bitmap(::CreateCompatibleBitmap(dc.get(), 4, 4));
  HGDIOBJ original = ::GetCurrentObject(dc.get(), OBJ_BITMAP);
  {
    select_object use(dc.get(), bitmap.get());
    EXPECT_EQ(::GetCurrentObject(dc.get(), OBJ_BITMAP), bitmap.get());
  }
  EXPECT_EQ(::GetCurrentObject(dc.get(), OBJ_BITMAP), original);
}

class Win32Gdi : public testenv::Win32Toolkit {};

TEST_F(Win32Gdi, AFormThatCameAndWentLeavesNoGdiObjectBehind) {
  const int64_t start = LiveGdiObjects();
  const int64_t fonts = LiveGdiObjects(GdiKind::Font);
  {
    auto form = std::make_unique<Form>(&App());
    form->SetBorderStyle(FormBorderStyle::None);
    form->SetBounds(30, 30, 200, 40);
    Label& label = form->Make<Label>();
    label.SetParent(form.get());
    label.SetBounds(0, 0, 140, 17);
    label.SetBorderStyle(StaticBorder::Single);
    label.SetCaption("CPU Usage: 12%");
    Dots& dots = form->Make<Dots>();
    dots.SetParent(form.get());
    dots.SetBounds(0, 20, 60, 17);
    form->CreatePeers();
    HWND hwnd = AsHwnd(form->Handle());
    ::SetWindowPos(hwnd, nullptr, 0, 0, 0, 0,
                   SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE | SWP_SHOWWINDOW);
    for (int i = 0; i < 50; ++i) {
      label.SetCaption(i % 2 ? "CPU Usage: 12%" : "CPU Usage: 13%");
      label.SetFontColor(i % 2 ? kRed : 0);
      dots.Repaint();
      ::RedrawWindow(hwnd, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    }
    // The label keeps its font while it lives: the count does see objects.
    EXPECT_EQ(LiveGdiObjects(GdiKind::Font), fonts + 1);
    EXPECT_EQ(dots.PaintCount(), 50u);  // one image per WM_PAINT
  }
  EXPECT_EQ(LiveGdiObjects(), start);
}

TEST_F(Win32Gdi, TextIsMeasuredInThePlatformsFont) {
  const GdiTextRenderer& text = static_cast<const GdiTextRenderer&>(Backend().GetTextRenderer());
  const Font arial{"Arial", -11, 0, 0};
  const Size one = text.Measure(arial, "Free RAM");
  const Size two = text.Measure(arial, "Free RAMFree RAM");
  EXPECT_GT(one.width, 20);
  EXPECT_EQ(two.width, 2 * one.width);
  EXPECT_GE(one.height, 11);
  EXPECT_LE(one.height, 16);
  const Font big{"Arial", -22, 0, 0};
  EXPECT_GT(text.Measure(big, "Free RAM").width, one.width * 3 / 2);
  EXPECT_EQ(text.Measure(arial, "").width, 0);
}

TEST_F(Win32Gdi, TextIsDrawnInItsColourInsideTheBoxItMeasures) {
  const GdiTextRenderer& text = static_cast<const GdiTextRenderer&>(Backend().GetTextRenderer());
  // The last two are the history's version line, whose ")" reaches past its
  // advance, and the about window's italic name.
  const std::pair<Font, const char*> cases[] = {
      {{"Arial", -11, kRed, fsBold}, "HHHH"},
      {{"Microsoft Sans Serif", -9, kRed, 0}, " v3.9 (Build: 5.15)"},
      {{"Arial", -29, kRed, fsBold | fsItalic}, "Welmor"}};
  for (const auto& [font, caption] : cases) {
    Bitmap b(200, 50);
    b.Fill(kWhite);
    const Size extent = text.Measure(font, caption);
    text.Draw(b, 10, 3, font, caption);
    int32_t red = 0;
    int32_t outside = 0;
    for (int32_t y = 0; y < b.Height(); ++y) {
      for (int32_t x = 0; x < b.Width(); ++x) {
        const Color c = b.Pixel(x, y);
        const bool inBox = x >= 10 && x < 10 + extent.width && y >= 3 && y < 3 + extent.height;
        if (c == kRed) ++red;
        if (c != kWhite && !inBox) ++outside;
        if (c != kWhite) {
          // Red text on white: the red part never weaker than the others.
          EXPECT_GE(c & 0xFF, (c >> 16) & 0xFF);
        }
      }
    }
    EXPECT_GT(red, 20) << caption;
    EXPECT_EQ(outside, 0) << caption;
  }
}

TEST_F(Win32Gdi, TextAtOrPastTheBitmapsEdgesIsClipped) {
  const GdiTextRenderer& text = static_cast<const GdiTextRenderer&>(Backend().GetTextRenderer());
  const Font font{"Arial", -11, kRed, 0};
  Bitmap b(20, 10);
  b.Fill(kWhite);
  text.Draw(b, -15, -4, font, "WWWWWW");
  text.Draw(b, 15, 6, font, "WWWWWW");
  text.Draw(b, 40, 40, font, "W");
  int32_t inked = 0;
  for (Color c : b.Pixels()) inked += c != kWhite ? 1 : 0;
  EXPECT_GT(inked, 0);
  EXPECT_EQ(b.Width(), 20);
  EXPECT_EQ(b.Pixels().size(), 200u);
}

}  // namespace
}  // namespace welmor
