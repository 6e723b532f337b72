#include "controls/bar_colours.hpp"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdlib>

#include "controls/hls.hpp"

namespace welmor {
namespace {

int32_t R(Color c) { return static_cast<int32_t>(c & 0xFF); }
int32_t G(Color c) { return static_cast<int32_t>((c >> 8) & 0xFF); }
int32_t B(Color c) { return static_cast<int32_t>((c >> 16) & 0xFF); }

TEST(Hls, PrimariesAndGreysOnTheDialogScale) {
  struct Case {
    Color rgb;
    Hls hls;
  };
  // The values the system colour dialog shows for these colours.
  const Case cases[] = {
      {0x0000FF, {0, 120, 240}},    // red
      {0x00FF00, {80, 120, 240}},   // lime
      {0xFF0000, {160, 120, 240}},  // blue
      {0x00FFFF, {40, 120, 240}},   // yellow
      {0xFFFF00, {120, 120, 240}},  // cyan
      {0xFF00FF, {200, 120, 240}},  // magenta
      {0x000000, {160, 0, 0}},
      {0xFFFFFF, {160, 240, 0}},
      {0x808080, {160, 120, 0}},
      {0x000080, {0, 60, 240}},  // maroon
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << std::hex << c.rgb);
    const Hls got = RGBToHLS(c.rgb);
    EXPECT_EQ(got.h, c.hls.h);
    EXPECT_EQ(got.l, c.hls.l);
    EXPECT_EQ(got.s, c.hls.s);
  }
  for (const Case& c : cases) {
    if (c.rgb == 0x808080) continue;  // 128 is not a multiple of the scale step
    EXPECT_EQ(HLSToRGB(c.hls), c.rgb) << std::hex << c.rgb;
  }
}

TEST(Hls, RoundTripsStayWithinTheScaleStep) {
  const Color table[] = {0xF0CAA6, 0x743C00, 0x808080, 0x0000FF, 0x00FFFF, 0x123456, 0xFEDCBA,
                         0x010203, 0x7F7F80, 0xC0C0C0, 0x008000, 0x00A5FF, 0xD4D0C8, 0x1E90FF};
  for (Color c : table) {
    const Color back = HLSToRGB(RGBToHLS(c));
    EXPECT_LE(std::abs(R(back) - R(c)), 3) << std::hex << c << " -> " << back;
    EXPECT_LE(std::abs(G(back) - G(c)), 3) << std::hex << c << " -> " << back;
    EXPECT_LE(std::abs(B(back) - B(c)), 3) << std::hex << c << " -> " << back;
  }
  // Over a coarse grid of the whole cube, the error never exceeds that.
  int32_t worst = 0;
  for (int32_t r = 0; r < 256; r += 17) {
    for (int32_t g = 0; g < 256; g += 15) {
      for (int32_t b = 0; b < 256; b += 51) {
        const Color c = static_cast<Color>(r | (g << 8) | (b << 16));
        const Color back = HLSToRGB(RGBToHLS(c));
        worst = std::max({worst, std::abs(R(back) - r), std::abs(G(back) - g), std::abs(B(back) - b)});
      }
    }
  }
  EXPECT_LE(worst, 3);
}

TEST(Hls, HueWrapsOnceAroundTheCircle) {
  // A hue 240 above or below lands on the same colour.
  EXPECT_EQ(HueToRGB(10, 200, -40), HueToRGB(10, 200, 200));
  EXPECT_EQ(HueToRGB(10, 200, 280), HueToRGB(10, 200, 40));
  EXPECT_EQ(HueToRGB(10, 200, 0), 10);
  EXPECT_EQ(HueToRGB(10, 200, 40), 200);
  EXPECT_EQ(HueToRGB(10, 200, 20), 10 + (190 * 20 + 20) / 40);
}

TEST(BarColours, LuminanceProfileRisesFallsAndRecovers) {
  EXPECT_DOUBLE_EQ(LuminanceProfile(0.0), 164.6);
  EXPECT_NEAR(LuminanceProfile(0.28), 202.9, 0.3);
  EXPECT_NEAR(LuminanceProfile(0.69), 144.6, 0.3);
  EXPECT_NEAR(LuminanceProfile(1.0), 178.0, 1.0);
  EXPECT_GT(LuminanceProfile(0.28), LuminanceProfile(0.1));
  EXPECT_LT(LuminanceProfile(0.69), LuminanceProfile(0.5));
}

TEST(BarColours, GlassPutsTheSameLightOnEveryColour) {
  const int32_t n = 13;
  for (Color c : {Color{0x0000FF}, Color{0x00FF00}, Color{0xF0CAA6}}) {
    const auto column = CylinderColumn(c, n, TQBarLook::blGlass);
    ASSERT_EQ(column.size(), static_cast<std::size_t>(n));
    const Hls base = RGBToHLS(c);
    for (int32_t i = 0; i < n; ++i) {
      const Hls got = RGBToHLS(column[static_cast<std::size_t>(i)]);
      EXPECT_NEAR(got.l, std::lround(LuminanceProfile(static_cast<double>(i) / n)), 2) << i;
      EXPECT_NEAR(got.h, base.h, 3) << i;
    }
  }
}

TEST(BarColours, MetalDarkensTheColourAlongTheProfile) {
  const Color red = 0x0000FF;  // L 120
  const int32_t n = 10;
  const auto column = CylinderColumn(red, n, TQBarLook::blMetal);
  ASSERT_EQ(column.size(), static_cast<std::size_t>(n));
  for (int32_t i = 0; i < n; ++i) {
    const int32_t expectedL = 120 - 212 + static_cast<int32_t>(LuminanceProfile(static_cast<double>(i) / n));
    EXPECT_GE(120 - expectedL, 10);
    EXPECT_LE(120 - expectedL, 68);
    EXPECT_NEAR(RGBToHLS(column[static_cast<std::size_t>(i)]).l, expectedL, 2) << i;
  }
  // Black cannot get darker: clamped at 0, never wrapped round.
  for (Color c : CylinderColumn(0x000000, n, TQBarLook::blMetal)) EXPECT_EQ(c, 0u);
  EXPECT_TRUE(CylinderColumn(red, 0, TQBarLook::blMetal).empty());
}

TEST(BarColours, GradientRunsFromStartToFinalByteByByte) {
  const Color red = 0x0000FF;
  const Color blue = 0xFF0000;
  EXPECT_EQ(GradientColour(red, blue, 0, 136, false), red);
  EXPECT_EQ(GradientColour(red, blue, -3, 136, false), red);
  EXPECT_EQ(GradientColour(red, blue, 136, 136, false), blue);
  EXPECT_EQ(GradientColour(red, blue, 200, 136, false), blue);
  // Halfway: 255 - trunc(127.5) red, trunc(127.5) blue.
  EXPECT_EQ(GradientColour(red, blue, 68, 136, false), Color{0x7F0080});
  EXPECT_EQ(GradientColour(red, blue, 1, 136, false), Color{0x0100FE});
  // Equal bytes stay; one colour ignores the final colour altogether.
  EXPECT_EQ(GradientColour(0x203040, 0x203080, 50, 100, false), Color{0x203060});
  EXPECT_EQ(GradientColour(red, blue, 136, 136, true), red);
}

}  // namespace
}  // namespace welmor
