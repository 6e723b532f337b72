#pragma once
// The fixed disks for the per-panel drive menus and the free space of one
// of them.

#include <cstdint>
#include <optional>
#include <string>

namespace welmor {

inline constexpr uint32_t kDriveNoRootDir = 1;
inline constexpr uint32_t kDriveFixed = 3;

// Where the drive facts come from. Roots are written "C:\".
class DriveSource {
 public:
  virtual ~DriveSource() = default;
  // Bit 0 for A: up to bit 25 for Z:.
  virtual uint32_t LogicalDriveMask() = 0;
  // The platform's drive-type code for a root (kDriveFixed for a hard disk).
  virtual uint32_t DriveType(const std::string& root) = 0;
  // Bytes free and available to the calling user, nullopt when the volume
  // cannot be asked (no such drive, no medium, access refused).
  virtual std::optional<uint64_t> FreeBytesAvailable(const std::string& root) = 0;
};

// "C:\" for 'C'.
std::string DriveRoot(char letter);

// One "X: " entry (letter, colon, space) per fixed disk, in letter order;
// the empty text when there is none.
std::string FixedDrivesText(DriveSource& drives);

// Free bytes available on the drive, or -1 when it cannot be read.
int64_t DriveFreeBytes(DriveSource& drives, char letter);

}  // namespace welmor
