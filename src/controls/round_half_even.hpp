#pragma once
// Rounding to the nearest integer with exact halves going to the even
// neighbour, the way the original drawing code rounded coordinates.

#include <cmath>
#include <cstdint>
#include <limits>

namespace welmor {

inline double RoundHalfEven(double v) {
  const double lower = std::floor(v);
  const double diff = v - lower;
  if (diff < 0.5) return lower;
  if (diff > 0.5) return lower + 1.0;
  return std::fmod(lower, 2.0) == 0.0 ? lower : lower + 1.0;
}

// The same, saturated to the 32-bit range so that far-off rows and columns
// stay representable (the drawing surface clips them anyway).
inline int32_t RoundHalfEvenToInt32(double v) {
  const double r = RoundHalfEven(v);
  if (!(r > static_cast<double>(std::numeric_limits<int32_t>::min()))) return std::numeric_limits<int32_t>::min();
  if (r >= static_cast<double>(std::numeric_limits<int32_t>::max())) return std::numeric_limits<int32_t>::max();
  return static_cast<int32_t>(r);
}

}  // namespace welmor
