// Process probes under Wine, against this test program and a child of it.
#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <cctype>
#include <sstream>
#include <string>

#include "sysinfo/probes.hpp"
#include "sysinfo/win32/win32_probes.hpp"
#include "win32/linux_truth.hpp"

namespace welmor {
namespace {

std::string Lower(std::string text) {
  for (char& c : text) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return text;
}

std::string OwnExeName() {
  char path[MAX_PATH] = {};
  GetModuleFileNameA(nullptr, path, MAX_PATH);
  const std::string full(path);
  return Lower(full.substr(full.find_last_of("\\/") + 1));
}

const ProcessEntry32* Find(const ProcessList& list, uint32_t id) {
  const auto it =
      std::find_if(list.begin(), list.end(), [id](const ProcessEntry32& p) { return p.th32ProcessID == id; });
  return it == list.end() ? nullptr : &*it;
}

// Resident set of this very process from the Linux side: Wine hands the
// reading of Z:\proc\self\status to the calling Unix process.
uint64_t OwnResidentBytes() {
  std::istringstream in(testenv::ReadWholeFile("Z:\\proc\\self\\status"));
  std::string line;
  while (std::getline(in, line)) {
    if (line.rfind("VmRSS:", 0) == 0) return std::stoull(line.substr(6)) * 1024;
  }
  return 0;
}

class ProcessProbesOnWine : public ::testing::Test {
 protected:
  Win32SystemProbes real_;
  ScopedSystemProbes installed_{real_.Sources()};
};

TEST_F(ProcessProbesOnWine, ListHoldsThisProcessWithItsWorkingSet) {
  ProcessList list;
  GetProcessList(list);
  ASSERT_FALSE(list.empty());
  const ProcessEntry32* self = Find(list, GetCurrentProcessId());
  ASSERT_NE(self, nullptr);
  EXPECT_EQ(Lower(self->szExeFile), OwnExeName());
  EXPECT_EQ(self->dwSize, sizeof(ProcessEntry32));

  // Within the resident set Linux reports before and after, give or take
  // what the process touches in between.
  const uint64_t before = OwnResidentBytes();
  const int64_t workingSet = GetProcessWorkingSet(GetCurrentProcessId());
  const uint64_t after = OwnResidentBytes();
  ASSERT_GT(before, 0u);
  EXPECT_GT(workingSet, 0);
  constexpr uint64_t kSlack = uint64_t{4} << 20;
  EXPECT_GE(static_cast<uint64_t>(workingSet) + kSlack, std::min(before, after));
  EXPECT_LE(static_cast<uint64_t>(workingSet), std::max(before, after) + kSlack);
}

TEST_F(ProcessProbesOnWine, AProcessThatEndedGivesMinusOne) {
  // A suspended copy of this program: it shows in the snapshot as our child
  // and can be opened; once ended, its id answers -1.
  char self[MAX_PATH] = {};
  GetModuleFileNameA(nullptr, self, MAX_PATH);
  std::string line = std::string("\"") + self + "\" --gtest_list_tests";
  STARTUPINFOA startup = {};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION child = {};
  ASSERT_TRUE(CreateProcessA(self, line.data(), nullptr, nullptr, FALSE, CREATE_SUSPENDED, nullptr, nullptr,
                             &startup, &child));
  ProcessList list;
  GetProcessList(list);
  const ProcessEntry32* entry = Find(list, child.dwProcessId);
  EXPECT_NE(entry, nullptr);
  if (entry) {
    EXPECT_EQ(entry->th32ParentProcessID, GetCurrentProcessId());
  }
  EXPECT_NE(GetProcessWorkingSet(child.dwProcessId), -1);

  TerminateProcess(child.hProcess, 0);
  WaitForSingleObject(child.hProcess, 10000);
  // Ended, though our handles still keep its object alive.
  EXPECT_EQ(GetProcessWorkingSet(child.dwProcessId), -1);
  CloseHandle(child.hThread);
  CloseHandle(child.hProcess);
  EXPECT_EQ(GetProcessWorkingSet(child.dwProcessId), -1);
  // The snapshot taken before still lists it: only the working set filters.
  EXPECT_NE(Find(list, child.dwProcessId), nullptr);
}

}  // namespace
}  // namespace welmor
