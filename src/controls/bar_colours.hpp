#pragma once
// Colour tables of the bar: the gradient along the track and the shading
// across it that makes a bar look like a lit cylinder.

#include <cstdint>
#include <vector>

#include "toolkit/geometry.hpp"

namespace welmor {

enum class TQBarKind { bkFlat, bkCylinder };
enum class TQBarLook { blMetal, blGlass };

// Luminance (0..240 scale) of a lit cylinder at x in [0, 1) across it: bright
// just above the top, darkest a little below the middle.
double LuminanceProfile(double x);

// n shades of colour across the track. Glass puts the same light on every
// colour; metal darkens the colour itself along the profile.
std::vector<Color> CylinderColumn(Color colour, int32_t n, TQBarLook look);

// Colour at track position s of a gradient that reaches final at length.
Color GradientColour(Color start, Color final, int32_t s, int32_t length, bool singleColour);

}  // namespace welmor
