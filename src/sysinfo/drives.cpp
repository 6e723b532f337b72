#include "sysinfo/drives.hpp"

#include <limits>

namespace welmor {

std::string DriveRoot(char letter) { return std::string{letter, ':', '\\'}; }

std::string FixedDrivesText(DriveSource& drives) {
  const uint32_t mask = drives.LogicalDriveMask();
  std::string text;
  for (int32_t bit = 0; bit < 26; ++bit) {
    if ((mask & (uint32_t{1} << bit)) == 0) continue;
    const char letter = static_cast<char>('A' + bit);
    // The type is asked of the root with its backslash: the platform defines
    // the answer only for that form, and "C: " would name the current folder
    // of the drive instead, which for an empty removable drive means touching
    // the medium.
    if (drives.DriveType(DriveRoot(letter)) == kDriveFixed) text += std::string{letter, ':', ' '};
  }
  return text;
}

int64_t DriveFreeBytes(DriveSource& drives, char letter) {
  const std::optional<uint64_t> free = drives.FreeBytesAvailable(DriveRoot(letter));
  if (!free) return -1;
  constexpr auto kMax = static_cast<uint64_t>(std::numeric_limits<int64_t>::max());
  return static_cast<int64_t>(*free > kMax ? kMax : *free);
}

}  // namespace welmor
