#pragma once
// The window magnet on real windows: window procedures chained by
// subclassing, a message-only utility window for the re-hook, and the
// cursor, work area and window facts from user32.

#include <memory>

#include "controls/magnet_platform.hpp"

namespace welmor {

std::unique_ptr<MagnetPlatform> MakeWin32MagnetPlatform();

}  // namespace welmor
