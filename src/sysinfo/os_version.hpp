#pragma once
// The operating-system version as one line such as
// "Win NT 5.1 (Build: 2600 Service Pack 2)". Start-up and the drop shadow
// read fixed character positions of it, so its layout must not drift.

#include <cstdint>
#include <optional>
#include <string>

namespace welmor {

inline constexpr uint32_t kPlatformWin32Nt = 2;
inline constexpr std::size_t kServicePackTextSize = 128;

// The fields of the platform's version record that the text is built from.
struct OsVersionRecord {
  uint32_t dwMajorVersion = 0;
  uint32_t dwMinorVersion = 0;
  uint32_t dwBuildNumber = 0;
  uint32_t dwPlatformId = 0;
  char szCSDVersion[kServicePackTextSize] = {};  // service pack; need not end in a NUL
};

// Where the version record comes from.
class OsVersionSource {
 public:
  virtual ~OsVersionSource() = default;
  // nullopt when the platform refused the query.
  virtual std::optional<OsVersionRecord> Query() = 0;
};

// "Win NT" or "Windows", the major version, ".minor" unless the minor is 0,
// " (Build: " with the low 16 bits of the build, the trimmed service-pack text
// after a space when there is one, and ")".
std::string FormatOSVersionText(const OsVersionRecord& record);

}  // namespace welmor
