#pragma once
// The arithmetic of snapping a window onto screen edges and onto other
// windows, apart from any window system. Rectangles are in screen pixels,
// right and bottom exclusive.

#include <cstdint>
#include <functional>

#include "controls/screen_magnet.hpp"
#include "toolkit/geometry.hpp"

namespace welmor {

// Pulls each switched-on edge of r that lies strictly within the magnet's
// DesktopPower of the same edge of area onto it, keeping the window's size.
// Top, bottom, left, right in that order, so a later edge wins: a window
// nearly as tall as the area ends on its bottom edge.
void SnapToScreen(Rect& r, const Rect& area, const TScreenMagnet& magnet, Size size);

// Pulls r onto the facing edges of another window `other` when they lie
// strictly within power pixels and the windows overlap along that edge:
// r's bottom onto other's top, then r's top onto other's bottom, then the
// same for right and left. allow is asked before each snap and may refuse
// it. True when r was moved.
bool SnapToForm(Rect& r, const Rect& other, int32_t power, Size size, const std::function<bool()>& allow);

// True when the two windows touch exactly along one edge (one's bottom is
// the other's top, or one's right the other's left), wherever they lie
// along it.
bool TouchesAlongEdge(const Rect& a, const Rect& b);

}  // namespace welmor
