#pragma once
// Integer hue/luminance/saturation model on a 0..240 scale, as the system's
// colour dialog uses it. All divisions truncate toward zero, so a round trip
// may move a channel by a step or two.

#include <cstdint>

#include "toolkit/geometry.hpp"

namespace welmor {

inline constexpr int32_t kHlsMax = 240;
inline constexpr int32_t kRgbMax = 255;
// Hue reported for greys, where hue has no meaning.
inline constexpr int32_t kHueUndefined = kHlsMax * 2 / 3;

struct Hls {
  uint8_t h = 0;
  uint8_t l = 0;
  uint8_t s = 0;
  friend bool operator==(const Hls&, const Hls&) = default;
};

Hls RGBToHLS(Color rgb);
// h is taken modulo the hue circle once; l and s are 0..240.
int32_t HueToRGB(int32_t p, int32_t q, int32_t h);
Color HLSToRGB(int32_t h, int32_t l, int32_t s);
inline Color HLSToRGB(const Hls& c) { return HLSToRGB(c.h, c.l, c.s); }

}  // namespace welmor
