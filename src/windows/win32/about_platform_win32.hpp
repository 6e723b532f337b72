#pragma once
// The about window's system side on Win32: the file's last write time in
// local time, the user's date and time formats, and ShellExecuteA.

#include <memory>
#include <string>

#include "windows/about_platform.hpp"

namespace welmor {

// filePath is the file whose date is shown; empty means the running program.
std::unique_ptr<AboutPlatform> MakeWin32AboutPlatform(const std::string& filePath = {});

}  // namespace welmor
