#pragma once
// What the history and about windows share: a borderless window with a thin
// navy frame, centred on the screen, and static texts on a panel that takes
// the widget's background colour.

#include <cstdint>
#include <string>

#include "toolkit/form.hpp"
#include "toolkit/label.hpp"

namespace welmor {

inline constexpr Color kNavy = 0x800000;
inline constexpr Color kBlue = 0xFF0000;
inline constexpr Color kWhite = 0xFFFFFF;
inline constexpr Color kCream = 0xF0FBFF;
inline constexpr int32_t kSecondaryFrameWidth = 2;

// No border of the system's, the navy frame, the window font, the client
// size and a place in the middle of the screen at every showing.
void SetUpSecondaryWindow(Form& form, int32_t clientWidth, int32_t clientHeight);

// A static text on parent in the parent's colour, owned by form. Sized to
// its text unless width is given.
Label& AddStaticText(Form& form, Control& parent, const std::string& name, const Font& font, int32_t left,
                     int32_t top, int32_t width = 0, int32_t height = 0);

}  // namespace welmor
