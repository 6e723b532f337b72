#include <gtest/gtest.h>

#include <cstdint>
#include <stdexcept>

#include "fakes/fake_system_probes.hpp"
#include "sysinfo/drives.hpp"
#include "sysinfo/probes.hpp"
#include "textutil/format.hpp"

namespace welmor {
namespace {

constexpr uint32_t kRemovable = 2;
constexpr uint32_t kRemote = 4;
constexpr uint32_t kCdRom = 5;
constexpr uint32_t kRamDisk = 6;

class DriveProbes : public ::testing::Test {
 protected:
  FakeSystemProbes fakes_;
  Probes probes_{fakes_.Sources()};
};

TEST_F(DriveProbes, FloppyAndOneHardDisk) {
  fakes_.drives.Add('A', kRemovable);
  fakes_.drives.Add('C', kDriveFixed);
  EXPECT_EQ(probes_.GetFixedDrives(), "C: ");
  // Each drive was asked by its root, in letter order.
  EXPECT_EQ(fakes_.drives.rootsAsked, (std::vector<std::string>{"A:\\", "C:\\"}));
}

TEST_F(DriveProbes, OnlyFixedDisksInLetterOrder) {
  fakes_.drives.Add('Z', kDriveFixed);
  fakes_.drives.Add('E', kCdRom);
  fakes_.drives.Add('D', kDriveFixed);
  fakes_.drives.Add('C', kDriveFixed);
  fakes_.drives.Add('N', kRemote);
  fakes_.drives.Add('R', kRamDisk);
  const std::string text = probes_.GetFixedDrives();
  EXPECT_EQ(text, "C: D: Z: ");
  // The drive menus split the list at spaces: one part per drive and an
  // unused empty one.
  EXPECT_EQ(Explode(" ", text), (std::vector<std::string>{"C:", "D:", "Z:", ""}));
  // Built afresh each time.
  fakes_.drives.drives.erase('D');
  EXPECT_EQ(probes_.GetFixedDrives(), "C: Z: ");
}

TEST_F(DriveProbes, NoFixedDiskGivesTheEmptyText) {
  EXPECT_EQ(probes_.GetFixedDrives(), "");
  fakes_.drives.Add('A', kRemovable);
  EXPECT_EQ(probes_.GetFixedDrives(), "");
}

TEST_F(DriveProbes, FreeSpaceInBytesOrMinusOne) {
  const uint64_t big = (uint64_t{5} << 40) + 12345;  // 5 TiB and a bit
  fakes_.drives.Add('C', kDriveFixed, big);
  fakes_.drives.Add('D', kDriveFixed, 0);
  fakes_.drives.Add('E', kCdRom);  // no medium
  fakes_.drives.Add('F', kDriveFixed, UINT64_MAX);
  EXPECT_EQ(probes_.GetDriveFreeSpace('C'), static_cast<int64_t>(big));
  EXPECT_EQ(probes_.GetDriveFreeSpace('D'), 0);
  EXPECT_EQ(probes_.GetDriveFreeSpace('E'), -1);
  EXPECT_EQ(probes_.GetDriveFreeSpace('Q'), -1);  // no such drive
  EXPECT_EQ(probes_.GetDriveFreeSpace('F'), INT64_MAX);
  EXPECT_EQ(FormatByteSize(probes_.GetDriveFreeSpace('E')), "-1 Byte(s)");
}

TEST(DriveProbesWithoutSource, AnswerTheirFailureValues) {
  struct ThrowingDrives : DriveSource {
    uint32_t LogicalDriveMask() override { throw std::runtime_error("x"); }
    uint32_t DriveType(const std::string&) override { throw std::runtime_error("x"); }
    std::optional<uint64_t> FreeBytesAvailable(const std::string&) override { throw std::runtime_error("x"); }
  } throwing;
  SystemProbes probes;
  {
    Probes none(probes);
    EXPECT_EQ(none.GetFixedDrives(), "");
    EXPECT_EQ(none.GetDriveFreeSpace('C'), -1);
  }
  probes.drives = &throwing;
  Probes installed(probes);
  EXPECT_EQ(installed.GetFixedDrives(), "");
  EXPECT_EQ(installed.GetDriveFreeSpace('C'), -1);
}

}  // namespace
}  // namespace welmor
