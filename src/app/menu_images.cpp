#include "app/menu_images.hpp"

#include "toolkit/menu.hpp"

namespace welmor {

namespace {

constexpr Color kTransparent = kImageTransparent;
constexpr Color kFrame = 0x00503020;
constexpr Color kSky = 0x00F0CAA6;
constexpr Color kRed = 0x001010E0;

void Box(Bitmap& b, int x0, int y0, int x1, int y1, Color c) {
  for (int y = y0; y < y1; ++y)
    for (int x = x0; x < x1; ++x) b.SetPixel(x, y, c);
}

// A small widget: framed sky-blue panel with three rising bars.
Bitmap SubMenuImage() {
  Bitmap b(16, 16);
  b.Fill(kTransparent);
  Box(b, 1, 3, 15, 13, kFrame);
  Box(b, 2, 4, 14, 12, kSky);
  Box(b, 3, 9, 5, 12, kRed);
  Box(b, 7, 7, 9, 12, kRed);
  Box(b, 11, 5, 13, 12, kRed);
  return b;
}

// A red cross.
Bitmap ExitImage() {
  Bitmap b(16, 16);
  b.Fill(kTransparent);
  for (int i = 3; i < 13; ++i) {
    for (int w = 0; w < 2; ++w) {
      b.SetPixel(i + w, i, kRed);
      b.SetPixel(15 - i - w, i, kRed);
    }
  }
  return b;
}

// One panel with its bar.
Bitmap PanelImage() {
  Bitmap b(16, 16);
  b.Fill(kTransparent);
  Box(b, 1, 5, 15, 11, kFrame);
  Box(b, 2, 6, 14, 10, kSky);
  Box(b, 2, 9, 10, 10, kRed);
  return b;
}

}  // namespace

std::vector<Bitmap> MakeMenuImages() {
  std::vector<Bitmap> images;
  images.push_back(SubMenuImage());
  images.push_back(ExitImage());
  images.push_back(PanelImage());
  return images;
}

}  // namespace welmor
