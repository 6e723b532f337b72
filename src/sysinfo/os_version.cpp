#include "sysinfo/os_version.hpp"

#include <algorithm>

#include "textutil/format.hpp"

namespace welmor {

std::string FormatOSVersionText(const OsVersionRecord& record) {
  // Appended piece by piece: GCC 12 reports a false -Wrestrict on
  // "literal" + std::string at -O2.
  std::string text = record.dwPlatformId == kPlatformWin32Nt ? "Win NT" : "Windows";
  text += ' ';
  text += std::to_string(record.dwMajorVersion);
  if (record.dwMinorVersion != 0) {
    text += '.';
    text += std::to_string(record.dwMinorVersion);
  }
  text += " (Build: ";
  text += std::to_string(record.dwBuildNumber & 0xFFFFu);
  // The platform writes a terminated text, but a record filled elsewhere may
  // use all 128 characters; never read past them.
  const char* csd = record.szCSDVersion;
  const std::string servicePack =
      TrimSpaces(std::string(csd, std::find(csd, csd + kServicePackTextSize, '\0')));
  if (!servicePack.empty()) {
    text += ' ';
    text += servicePack;
  }
  text += ')';
  return text;
}

}  // namespace welmor
