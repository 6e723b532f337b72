#include "controls/bar_colours.hpp"

#include <gtest/gtest.h>

#include <vector>

#include "controls/hls.hpp"

namespace welmor {
namespace {

// Every expected value below was worked out once by hand from the integer
// formulas (all divisions truncating), never with the code under test.

TEST(Hls, ConversionsAndRoundTripsAreExact) {
  struct Case {
    Color rgb;
    Hls hls;
    Color back;  // HLSToRGB(hls)
  };
  const Case cases[] = {
      {0x0000FF, {0, 120, 240}, 0x0000FF},    // red
      {0x00FF00, {80, 120, 240}, 0x00FF00},   // lime
      {0xFF0000, {160, 120, 240}, 0xFF0000},  // blue
      {0xFF00FF, {200, 120, 240}, 0xFF00FF},  // magenta: hue -40 wraps to 200
      {0x000000, {160, 0, 0}, 0x000000},      // black: grey hue
      {0xFFFFFF, {160, 240, 0}, 0xFFFFFF},    // white
      {0x808080, {160, 120, 0}, 0x7F7F7F},    // 120 x 255 / 240 = 127.5, truncated
      {0xF0CAA6, {141, 191, 171}, 0xF0C9A6},  // sky blue: L above 120
      {0x743C00, {139, 55, 240}, 0x753E00},   // the default outline
      {0xD4D0C8, {133, 194, 29}, 0xD5D0C8},   // button face: low saturation
      {0x00A5FF, {26, 120, 240}, 0x00A6FF},   // orange
      {0x7F7F80, {0, 120, 1}, 0x7E7E81},      // L 120 with an odd S
      {0x00017E, {0, 59, 240}, 0x00007D},     // dark red
      {0x123456, {20, 49, 157}, 0x123456},    // unchanged by the trip
      {0xD62A7C, {179, 120, 161}, 0xD6297B},  // L 120 from a sum of 254
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << std::hex << c.rgb);
    EXPECT_EQ(RGBToHLS(c.rgb), c.hls);
    EXPECT_EQ(HLSToRGB(c.hls), c.back);
  }
}

TEST(Hls, HueWrapsOnceAroundTheCircle) {
  EXPECT_EQ(HueToRGB(10, 200, -40), 10);    // as 200
  EXPECT_EQ(HueToRGB(10, 200, 280), 200);   // as 40
  EXPECT_EQ(HueToRGB(10, 200, 20), 105);    // 10 + (3800 + 20) / 40
  EXPECT_EQ(HueToRGB(10, 200, 150), 58);    // 10 + (1900 + 20) / 40
  EXPECT_EQ(HueToRGB(10, 200, -205), 176);  // as 35: 10 + (6650 + 20) / 40
}

TEST(BarColours, LuminanceProfileAtExactPoints) {
  const struct {
    double x;
    double value;
  } points[] = {
      {0.0, 164.6}, {0.25, 202.07273046875}, {0.5, 170.894875}, {0.75, 147.25881640625}, {1.0, 177.896}};
  // Terms of some 10^4 cancel, so a double keeps about 1e-12 of the sum.
  for (const auto& p : points) EXPECT_NEAR(LuminanceProfile(p.x), p.value, 1e-9) << p.x;
}

TEST(BarColours, CylinderColumnsAreExact) {
  struct Case {
    Color colour;
    TQBarLook look;
    std::vector<Color> column;
  };
  const auto metal = TQBarLook::blMetal;
  const auto glass = TQBarLook::blGlass;
  const Case cases[] = {
      // Metal: L - 212 + trunc(profile); red has L 120.
      {0x0000FF,
       metal,
       {0x000099, 0x0000AE, 0x0000CE, 0x0000E6, 0x0000EA, 0x0000D9, 0x0000B9, 0x000095, 0x000079, 0x00006F,
        0x000079, 0x000095, 0x0000B3}},
      {0xF0CAA6,
       metal,
       {0xE1954F, 0xE49F61, 0xE9AF7C, 0xECBC91, 0xEDBE94, 0xEBB685, 0xE6A56A, 0xE1924A, 0xDD8433, 0xDB7E2B,
        0xDD8433, 0xE1924A, 0xE6A264}},
      {0xFFFFFF, metal, {0xCCCCCC, 0xEFEFEF, 0xE8E8E8, 0xBEBEBE, 0xC0C0C0}},
      {0x000000, metal, {0, 0, 0, 0, 0}},  // clamped at 0, never wrapped round
      // Glass: the profile rounded, whatever the colour's own luminance.
      {0x0000FF,
       glass,
       {0x6060FF, 0x7373FF, 0x9595FF, 0xACACFF, 0xAEAEFF, 0x9D9DFF, 0x7D7DFF, 0x5B5BFF, 0x4040FF, 0x3535FF,
        0x3E3EFF, 0x5959FF, 0x7777FF}},
      {0x000000, glass, {0xAFAFAF, 0xD1D1D1, 0xCCCCCC, 0xA1A1A1, 0xA3A3A3}},
      {0x743C00, glass, {0xFFB460, 0xFFD9AE, 0xFFB96C, 0xFFA239}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << std::hex << c.colour << " n " << std::dec << c.column.size());
    EXPECT_EQ(CylinderColumn(c.colour, static_cast<int32_t>(c.column.size()), c.look), c.column);
  }
  EXPECT_TRUE(CylinderColumn(0x0000FF, 0, metal).empty());
}

TEST(BarColours, GradientColumnsAreExact) {
  struct Case {
    Color start;
    Color final;
    std::vector<Color> column;  // positions -1 .. 11 of a track of 10
  };
  const Case cases[] = {
      // Position 7 is exact: 90 x 7 / 10 = 63, 170 x 7 / 10 = 119, 180 x 7 / 10 = 126.
      {0x000000,
       0xB4AA5A,
       {0x000000, 0x000000, 0x121109, 0x242212, 0x36331B, 0x484424, 0x5A552D, 0x6C6636, 0x7E773F, 0x908848,
        0xA29951, 0xB4AA5A, 0xB4AA5A}},
      {0xB4AA5A,
       0x000000,
       {0xB4AA5A, 0xB4AA5A, 0xA29951, 0x908848, 0x7E773F, 0x6C6636, 0x5A552D, 0x484424, 0x36331B, 0x242212,
        0x121109, 0x000000, 0x000000}},
      // Red stays; green falls and blue rises, both truncated.
      {0xB4AA5A,
       0xB455FF,
       {0xB4AA5A, 0xB4AA5A, 0xB4A26A, 0xB4997B, 0xB4918B, 0xB4889C, 0xB480AC, 0xB477BD, 0xB46FCD, 0xB466DE,
        0xB45EEE, 0xB455FF, 0xB455FF}},
  };
  for (const Case& c : cases) {
    for (int32_t s = -1; s <= 11; ++s) {
      EXPECT_EQ(GradientColour(c.start, c.final, s, 10, false), c.column[static_cast<std::size_t>(s + 1)])
          << std::hex << c.start << " -> " << c.final << std::dec << " at " << s;
    }
  }
  // One colour ignores the final colour.
  EXPECT_EQ(GradientColour(0x000000, 0xB4AA5A, 7, 10, true), 0x000000u);
}

}  // namespace
}  // namespace welmor
