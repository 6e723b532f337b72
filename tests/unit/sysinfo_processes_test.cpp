#include <gtest/gtest.h>

#include <cstdint>
#include <new>
#include <string>

#include "fakes/fake_system_probes.hpp"
#include "sysinfo/probes.hpp"

namespace welmor {
namespace {

class ProcessProbes : public ::testing::Test {
 protected:
  void SetUp() override {
    fakes_.processes.Add(0, "[System Process]", std::nullopt);
    fakes_.processes.Add(4, "System", std::nullopt);
    fakes_.processes.Add(1234, "Welmor.exe", 6u << 20);
    fakes_.processes.Add(88, "big.exe", (uint64_t{5} << 30) + 7);
  }
  FakeSystemProbes fakes_;
  Probes probes_{fakes_.Sources()};
};

TEST_F(ProcessProbes, ListHoldsEveryProcessInSnapshotOrder) {
  ProcessList list;
  probes_.GetProcessList(list);
  ASSERT_EQ(list.size(), 4u);
  EXPECT_EQ(list[0].th32ProcessID, 0u);
  EXPECT_STREQ(list[0].szExeFile, "[System Process]");
  EXPECT_EQ(list[2].th32ProcessID, 1234u);
  EXPECT_STREQ(list[2].szExeFile, "Welmor.exe");
  EXPECT_EQ(list[3].th32ProcessID, 88u);
  // Listing opens nothing: only the working-set probe filters.
  EXPECT_TRUE(fakes_.processes.workingSetQueries.empty());
}

TEST_F(ProcessProbes, ListIsAppendedToAndKeptWhenNoSnapshot) {
  ProcessList list(1);
  list[0].th32ProcessID = 777;
  probes_.GetProcessList(list);
  ASSERT_EQ(list.size(), 5u);
  EXPECT_EQ(list[0].th32ProcessID, 777u);
  EXPECT_EQ(list[1].th32ProcessID, 0u);

  fakes_.processes.snapshotFails = true;
  ProcessList empty;
  probes_.GetProcessList(empty);
  EXPECT_TRUE(empty.empty());
}

TEST_F(ProcessProbes, WorkingSetInBytesOrMinusOne) {
  EXPECT_EQ(probes_.GetProcessWorkingSet(1234), 6 << 20);
  EXPECT_EQ(probes_.GetProcessWorkingSet(88), (int64_t{5} << 30) + 7);  // beyond 32 bits, whole
  EXPECT_EQ(probes_.GetProcessWorkingSet(4), -1);                       // may not be opened
  EXPECT_EQ(probes_.GetProcessWorkingSet(999999), -1);                  // gone
}

TEST(ProcessProbesWithoutSource, AnswerTheirFailureValues) {
  struct FailingProcesses : ProcessSource {
    ProcessList Snapshot() override { throw std::bad_alloc(); }
    std::optional<uint64_t> WorkingSetSize(uint32_t) override { throw std::bad_alloc(); }
  } failing;
  SystemProbes probes;
  ProcessList list(2);
  {
    Probes none(probes);
    none.GetProcessList(list);
    EXPECT_EQ(list.size(), 2u);
    EXPECT_EQ(none.GetProcessWorkingSet(1), -1);
  }
  probes.processes = &failing;
  Probes installed(probes);
  installed.GetProcessList(list);
  EXPECT_EQ(list.size(), 2u);
  EXPECT_EQ(installed.GetProcessWorkingSet(1), -1);
}

}  // namespace
}  // namespace welmor
