#include "controls/bar_colours.hpp"

#include <algorithm>
#include <cmath>

#include "controls/hls.hpp"
#include "controls/round_half_even.hpp"

namespace welmor {

double LuminanceProfile(double x) {
  const double x2 = x * x;
  const double x3 = x2 * x;
  return -4342.9 * x3 * x2 + 10543.0 * x2 * x2 - 8216.0 * x3 + 2018.1 * x2 + 11.096 * x + 164.6;
}

std::vector<Color> CylinderColumn(Color colour, int32_t n, TQBarLook look) {
  std::vector<Color> column;
  if (n <= 0) return column;
  column.reserve(static_cast<std::size_t>(n));
  const Hls hls = RGBToHLS(colour);
  for (int32_t i = 0; i < n; ++i) {
    const double light = LuminanceProfile(static_cast<double>(i) / n);
    int32_t l;
    if (look == TQBarLook::blGlass) {
      l = RoundHalfEvenToInt32(light);
    } else {
      l = std::clamp(hls.l - 212 + static_cast<int32_t>(std::trunc(light)), 0, kHlsMax);
    }
    column.push_back(HLSToRGB(hls.h, l, hls.s));
  }
  return column;
}

namespace {

// The share of the difference is taken in whole numbers: (to - from) x s /
// length truncated. A floating ratio misses exact results, e.g. 90 x (7 / 10)
// gives 62.999... and a byte one step short.
uint32_t Blend(uint32_t from, uint32_t to, int64_t s, int64_t length) {
  if (from < to) return from + static_cast<uint32_t>((to - from) * s / length);
  if (from > to) return from - static_cast<uint32_t>((from - to) * s / length);
  return from;
}

}  // namespace

Color GradientColour(Color start, Color final, int32_t s, int32_t length, bool singleColour) {
  if (singleColour || s <= 0) return start;
  if (s >= length) return final;
  const uint32_t r = Blend(start & 0xFF, final & 0xFF, s, length);
  const uint32_t g = Blend((start >> 8) & 0xFF, (final >> 8) & 0xFF, s, length);
  const uint32_t b = Blend((start >> 16) & 0xFF, (final >> 16) & 0xFF, s, length);
  return b * 65536 + g * 256 + r;
}

}  // namespace welmor
