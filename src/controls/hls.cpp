#include "controls/hls.hpp"

#include <algorithm>

namespace welmor {

Hls RGBToHLS(Color rgb) {
  const int32_t r = static_cast<int32_t>(rgb & 0xFF);
  const int32_t g = static_cast<int32_t>((rgb >> 8) & 0xFF);
  const int32_t b = static_cast<int32_t>((rgb >> 16) & 0xFF);
  const int32_t cMax = std::max({r, g, b});
  const int32_t cMin = std::min({r, g, b});
  const int32_t sum = cMax + cMin;

  const int32_t l = (sum * kHlsMax + kRgbMax) / (2 * kRgbMax);
  int32_t h;
  int32_t s;
  if (cMax == cMin) {
    s = 0;
    h = kHueUndefined;
  } else {
    const int32_t d = cMax - cMin;
    if (l <= kHlsMax / 2) {
      s = (d * kHlsMax + sum / 2) / sum;
    } else {
      s = (d * kHlsMax + (2 * kRgbMax - sum) / 2) / (2 * kRgbMax - sum);
    }
    const int32_t rd = ((cMax - r) * (kHlsMax / 6) + d / 2) / d;
    const int32_t gd = ((cMax - g) * (kHlsMax / 6) + d / 2) / d;
    const int32_t bd = ((cMax - b) * (kHlsMax / 6) + d / 2) / d;
    if (r == cMax) {
      h = bd - gd;
    } else if (g == cMax) {
      h = kHlsMax / 3 + rd - bd;
    } else {
      h = 2 * kHlsMax / 3 + gd - rd;
    }
    if (h < 0) h += kHlsMax;
    if (h > kHlsMax) h -= kHlsMax;
  }
  return Hls{static_cast<uint8_t>(h), static_cast<uint8_t>(l), static_cast<uint8_t>(s)};
}

int32_t HueToRGB(int32_t p, int32_t q, int32_t h) {
  if (h < 0) h += kHlsMax;
  if (h > kHlsMax) h -= kHlsMax;
  if (h < kHlsMax / 6) return p + ((q - p) * h + kHlsMax / 12) / (kHlsMax / 6);
  if (h < kHlsMax / 2) return q;
  if (h < 2 * kHlsMax / 3) return p + ((q - p) * (2 * kHlsMax / 3 - h) + kHlsMax / 12) / (kHlsMax / 6);
  return p;
}

namespace {

uint32_t Channel(int32_t v) { return static_cast<uint32_t>(std::clamp(v, 0, kRgbMax)); }

}  // namespace

Color HLSToRGB(int32_t h, int32_t l, int32_t s) {
  if (s == 0) {
    const uint32_t v = Channel(l * kRgbMax / kHlsMax);
    return v | (v << 8) | (v << 16);
  }
  const int32_t m2 = l <= kHlsMax / 2 ? (l * (kHlsMax + s) + kHlsMax / 2) / kHlsMax
                                      : l + s - (l * s + kHlsMax / 2) / kHlsMax;
  const int32_t m1 = 2 * l - m2;
  const int32_t r = (HueToRGB(m1, m2, h + kHlsMax / 3) * kRgbMax + kHlsMax / 2) / kHlsMax;
  const int32_t g = (HueToRGB(m1, m2, h) * kRgbMax + kHlsMax / 2) / kHlsMax;
  const int32_t b = (HueToRGB(m1, m2, h - kHlsMax / 3) * kRgbMax + kHlsMax / 2) / kHlsMax;
  return Channel(r) | (Channel(g) << 8) | (Channel(b) << 16);
}

}  // namespace welmor
