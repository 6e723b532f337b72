#include <windows.h>

#include "sysinfo/win32/sources_win32.hpp"

namespace welmor {

namespace {

class Win32ClockSource final : public ClockSource {
 public:
  std::string LocalTimeText(bool withSeconds) override {
    char text[80] = {};
    const DWORD flags = withSeconds ? 0 : TIME_NOSECONDS;
    const int n = GetTimeFormatA(LOCALE_USER_DEFAULT, flags, nullptr, nullptr, text, sizeof text);
    return n > 0 ? std::string(text) : std::string();
  }
};

}  // namespace

std::unique_ptr<ClockSource> MakeWin32ClockSource() { return std::make_unique<Win32ClockSource>(); }

}  // namespace welmor
