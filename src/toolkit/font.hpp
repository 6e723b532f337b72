#pragma once
#include <cstdint>
#include <string>

#include "toolkit/geometry.hpp"

namespace welmor {

enum FontStyle : uint32_t { fsBold = 1, fsItalic = 2, fsUnderline = 4, fsStrikeOut = 8 };

// A font description. height < 0 is the character height in pixels without
// internal leading, as the platform's logical fonts take it.
struct Font {
  std::string name = "MS Sans Serif";
  int32_t height = -11;
  Color color = 0;
  uint32_t style = 0;
  friend bool operator==(const Font&, const Font&) = default;
};

}  // namespace welmor
