#pragma once
// A 32-bit off-screen image. Pixels are 0x00BBGGRR, rows top to bottom.

#include <cstdint>
#include <vector>

#include "toolkit/geometry.hpp"

namespace welmor {

class Bitmap {
 public:
  Bitmap() = default;
  Bitmap(int32_t width, int32_t height) { SetSize(width, height); }

  // Negative sizes count as 0. New pixels are black.
  void SetSize(int32_t width, int32_t height);
  int32_t Width() const { return width_; }
  int32_t Height() const { return height_; }

  bool Contains(int32_t x, int32_t y) const { return x >= 0 && y >= 0 && x < width_ && y < height_; }
  // Outside the image: reads 0xFFFFFFFF (no colour), writes nothing.
  Color Pixel(int32_t x, int32_t y) const { return Contains(x, y) ? pixels_[Index(x, y)] : 0xFFFFFFFFu; }
  void SetPixel(int32_t x, int32_t y, Color c) {
    if (Contains(x, y)) pixels_[Index(x, y)] = c;
  }
  void Fill(Color c);

  const std::vector<Color>& Pixels() const { return pixels_; }
  std::vector<Color>& Pixels() { return pixels_; }

 private:
  std::size_t Index(int32_t x, int32_t y) const {
    return static_cast<std::size_t>(y) * static_cast<std::size_t>(width_) + static_cast<std::size_t>(x);
  }
  int32_t width_ = 0;
  int32_t height_ = 0;
  std::vector<Color> pixels_;
};

}  // namespace welmor
