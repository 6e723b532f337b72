// Drive probes under Wine. A prefix maps C: to its drive_c folder and Z: to
// the Unix root, both as fixed disks; the free space of C: is that of the
// file system holding drive_c, as statvfs reports it to an ordinary user.
#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <sstream>
#include <string>

#include "sysinfo/probes.hpp"
#include "sysinfo/win32/win32_probes.hpp"
#include "win32/linux_truth.hpp"
#include "win32/win32_env.hpp"

namespace welmor {
namespace {

class DriveProbesOnWine : public ::testing::Test {
 protected:
  void SetUp() override {
    prefix_ = testenv::Env("WINEPREFIX");
    ASSERT_FALSE(prefix_.empty()) << "scripts/test runs these tests with WINEPREFIX set";
  }
  std::string prefix_;
  Win32SystemProbes real_;
  Probes probes_{real_.Sources()};
};

TEST_F(DriveProbesOnWine, ListsTheFixedDrivesOfThePrefix) {
  const std::string text = probes_.GetFixedDrives();
  ASSERT_EQ(text.size() % 3, 0u) << text;
  std::string letters;
  for (std::size_t i = 0; i < text.size(); i += 3) {
    EXPECT_EQ(text.substr(i + 1, 2), ": ") << text;
    letters += text[i];
  }
  EXPECT_TRUE(std::is_sorted(letters.begin(), letters.end())) << text;
  EXPECT_NE(letters.find('C'), std::string::npos) << text;
  EXPECT_NE(letters.find('Z'), std::string::npos) << text;
  // Every letter the system knows appears exactly when it is a fixed disk,
  // and each listed one is a drive the prefix defines.
  const DWORD mask = GetLogicalDrives();
  for (char letter = 'A'; letter <= 'Z'; ++letter) {
    if (!(mask & (1u << (letter - 'A')))) {
      EXPECT_EQ(letters.find(letter), std::string::npos) << letter;
      continue;
    }
    const std::string root{letter, ':', '\\'};
    const bool fixed = GetDriveTypeA(root.c_str()) == DRIVE_FIXED;
    EXPECT_EQ(letters.find(letter) != std::string::npos, fixed) << letter;
    if (fixed) {
      const std::string link = prefix_ + "/dosdevices/" + static_cast<char>(letter - 'A' + 'a') + ":";
      EXPECT_NE(GetFileAttributesA(testenv::ZPath(link).c_str()), INVALID_FILE_ATTRIBUTES) << link;
    }
  }
}

// Free bytes for an ordinary user (f_bavail * f_frsize) of the file system
// holding path, from statvfs on the Unix side.
std::optional<uint64_t> StatvfsAvailable(const std::string& path, const std::string& scratch) {
  const std::optional<std::string> out = testenv::RunUnixShell("stat -f -c '%a %S' '" + path + "'", scratch);
  if (!out) return std::nullopt;
  std::istringstream in(*out);
  uint64_t blocks = 0;
  uint64_t blockSize = 0;
  if (!(in >> blocks >> blockSize)) return std::nullopt;
  return blocks * blockSize;
}

TEST_F(DriveProbesOnWine, FreeSpaceOfCIsThatOfDriveC) {
  const std::string driveC = prefix_ + "/drive_c";
  const std::string scratch = driveC + "/welmor_statvfs_" + std::to_string(GetCurrentProcessId());
  // Builds beside the tests write to the same disk: bracket the probe with
  // two statvfs readings, allow 64 MiB beyond them, and try again when a
  // burst of writing moved more than that.
  constexpr int64_t kSlack = int64_t{64} << 20;
  int64_t probe = 0;
  int64_t low = 0;
  int64_t high = 0;
  for (int attempt = 0; attempt < 3; ++attempt) {
    const std::optional<uint64_t> before = StatvfsAvailable(driveC, scratch);
    probe = probes_.GetDriveFreeSpace('C');
    const std::optional<uint64_t> after = StatvfsAvailable(driveC, scratch);
    ASSERT_TRUE(before && after) << "could not run stat -f on the Unix side";
    low = static_cast<int64_t>(std::min(*before, *after)) - kSlack;
    high = static_cast<int64_t>(std::max(*before, *after)) + kSlack;
    if (probe >= low && probe <= high) break;
  }
  EXPECT_GT(probe, 0);
  EXPECT_GE(probe, low);
  EXPECT_LE(probe, high);
}

TEST_F(DriveProbesOnWine, LetterWithoutADriveGivesMinusOne) {
  const DWORD mask = GetLogicalDrives();
  char missing = 0;
  for (char letter = 'Y'; letter >= 'D' && !missing; --letter) {
    if (!(mask & (1u << (letter - 'A')))) missing = letter;
  }
  ASSERT_NE(missing, 0) << "every letter is taken";
  EXPECT_EQ(probes_.GetDriveFreeSpace(missing), -1) << missing;
}

TEST_F(DriveProbesOnWine, CallersErrorModeIsPutBack) {
  // The query turns the "no disk" box off for its own duration only, and
  // keeps whatever else the caller had switched on.
  const UINT original = SetErrorMode(SEM_NOGPFAULTERRORBOX);
  probes_.GetDriveFreeSpace('C');
  probes_.GetDriveFreeSpace('Y');
  EXPECT_EQ(SetErrorMode(original), static_cast<UINT>(SEM_NOGPFAULTERRORBOX));
}

}  // namespace
}  // namespace welmor
