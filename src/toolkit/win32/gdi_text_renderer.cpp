#include "toolkit/win32/gdi_text_renderer.hpp"

#include <algorithm>

#include "toolkit/win32/gdi_font.hpp"
#include "winapi/win32/handles.hpp"

namespace welmor {

namespace {

constexpr UINT kTextFormat = DT_NOPREFIX | DT_EXPANDTABS;

Color FromDib(uint32_t p) { return ((p & 0xFFu) << 16) | (p & 0xFF00u) | ((p >> 16) & 0xFFu); }
uint32_t ToDib(Color c) { return ((c & 0xFFu) << 16) | (c & 0xFF00u) | ((c >> 16) & 0xFFu); }

}  // namespace

Size GdiTextRenderer::Measure(const Font& font, const std::string& text) const {
  unique_hdc dc(::CreateCompatibleDC(nullptr));
  if (!dc) return {};
  unique_hfont hfont = MakeGdiFont(font);
  select_object useFont(dc.get(), hfont.get());
  TEXTMETRICA metrics{};
  ::GetTextMetricsA(dc.get(), &metrics);
  RECT r{};
  if (!text.empty()) {
    ::DrawTextA(dc.get(), text.c_str(), static_cast<int>(text.size()), &r, kTextFormat | DT_CALCRECT);
  }
  const Size advance{r.right, std::max<int32_t>(r.bottom, metrics.tmHeight)};
  if (text.empty() || advance.width <= 0) return advance;

  // A glyph's ink can reach past the advance GDI answers for (a ")" at small
  // sizes, italics): draw the text once, on the device texts are drawn on,
  // and make room for its last inked column too.
  const int32_t w = advance.width + advance.height;
  const int32_t h = advance.height;
  const BITMAPINFO bi = TopDownDibInfo(w, h, 32);
  void* bits = nullptr;
  unique_hbitmap dib(::CreateDIBSection(nullptr, &bi, DIB_RGB_COLORS, &bits, nullptr, 0));
  if (!dib || bits == nullptr) return advance;
  select_object useBitmap(dc.get(), dib.get());
  auto* pixels = static_cast<uint32_t*>(bits);
  std::fill(pixels, pixels + static_cast<std::size_t>(w) * h, 0xFFFFFFu);
  ::SetBkMode(dc.get(), TRANSPARENT);
  ::SetTextColor(dc.get(), RGB(0, 0, 0));
  RECT box{0, 0, w, h};
  ::DrawTextA(dc.get(), text.c_str(), static_cast<int>(text.size()), &box, kTextFormat);
  ::GdiFlush();
  int32_t inked = 0;
  for (int32_t row = 0; row < h; ++row) {
    for (int32_t col = w; col > inked; --col) {
      if ((pixels[row * w + col - 1] & 0xFFFFFFu) != 0xFFFFFFu) inked = col;
    }
  }
  return Size{std::max(advance.width, inked), advance.height};
}

void GdiTextRenderer::Draw(Bitmap& target, int32_t x, int32_t y, const Font& font,
                           const std::string& text) const {
  if (text.empty()) return;
  const Size extent = Measure(font, text);
  // Italic overhangs its measured box a little: give it room.
  const int32_t slack = extent.height / 2;
  const int32_t left = std::max(x, 0);
  const int32_t top = std::max(y, 0);
  const int32_t right = std::min(x + extent.width + slack, target.Width());
  const int32_t bottom = std::min(y + extent.height, target.Height());
  if (right <= left || bottom <= top) return;
  const int32_t w = right - left;
  const int32_t h = bottom - top;

  const BITMAPINFO bi = TopDownDibInfo(w, h, 32);
  void* bits = nullptr;
  unique_hbitmap dib(::CreateDIBSection(nullptr, &bi, DIB_RGB_COLORS, &bits, nullptr, 0));
  unique_hdc dc(::CreateCompatibleDC(nullptr));
  if (!dib || !dc || bits == nullptr) return;
  auto* pixels = static_cast<uint32_t*>(bits);
  for (int32_t row = 0; row < h; ++row) {
    for (int32_t col = 0; col < w; ++col) {
      pixels[row * w + col] = ToDib(target.Pixel(left + col, top + row));
    }
  }
  {
    select_object useBitmap(dc.get(), dib.get());
    unique_hfont hfont = MakeGdiFont(font);
    select_object useFont(dc.get(), hfont.get());
    ::SetBkMode(dc.get(), TRANSPARENT);
    ::SetTextColor(dc.get(), ToColorRef(font.color));
    ::TextOutA(dc.get(), x - left, y - top, text.c_str(), static_cast<int>(text.size()));
    ::GdiFlush();
  }
  for (int32_t row = 0; row < h; ++row) {
    for (int32_t col = 0; col < w; ++col) {
      const Color c = FromDib(pixels[row * w + col]);
      if (c != target.Pixel(left + col, top + row)) target.SetPixel(left + col, top + row, c);
    }
  }
}

}  // namespace welmor
