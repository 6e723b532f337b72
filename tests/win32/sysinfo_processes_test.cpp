// Process probes under Wine, against this test program and a child of it.
#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <cctype>
#include <string>

#include "sysinfo/probes.hpp"
#include "sysinfo/win32/win32_probes.hpp"

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

class ProcessProbesOnWine : public ::testing::Test {
 protected:
  Win32SystemProbes real_;
  Probes probes_{real_.Sources()};
};

TEST_F(ProcessProbesOnWine, ListHoldsThisProcessWithItsWorkingSet) {
  ProcessList list;
  probes_.GetProcessList(list);
  ASSERT_FALSE(list.empty());
  const ProcessEntry32* self = Find(list, GetCurrentProcessId());
  ASSERT_NE(self, nullptr);
  EXPECT_EQ(Lower(self->szExeFile), OwnExeName());
  EXPECT_EQ(self->dwSize, sizeof(ProcessEntry32));
  EXPECT_GT(probes_.GetProcessWorkingSet(GetCurrentProcessId()), 0);
}

TEST_F(ProcessProbesOnWine, WorkingSetFollowsMemoryThisProcessTouches) {
  // 64 MiB committed and written page by page joins the working set, and
  // leaves it when released: the figure is this process's current resident
  // size in bytes, not a peak and not in other units.
  constexpr SIZE_T kBlock = SIZE_T{64} << 20;
  constexpr int64_t kSlack = int64_t{8} << 20;
  const int64_t base = probes_.GetProcessWorkingSet(GetCurrentProcessId());
  auto* block =
      static_cast<volatile char*>(VirtualAlloc(nullptr, kBlock, MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE));
  ASSERT_NE(block, nullptr);
  for (SIZE_T offset = 0; offset < kBlock; offset += 4096) block[offset] = 1;
  const int64_t grown = probes_.GetProcessWorkingSet(GetCurrentProcessId());
  VirtualFree(const_cast<char*>(block), 0, MEM_RELEASE);
  const int64_t released = probes_.GetProcessWorkingSet(GetCurrentProcessId());
  ASSERT_GT(base, 0);
  EXPECT_NEAR(static_cast<double>(grown - base), static_cast<double>(kBlock), static_cast<double>(kSlack));
  EXPECT_NEAR(static_cast<double>(grown - released), static_cast<double>(kBlock),
              static_cast<double>(kSlack));
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
  probes_.GetProcessList(list);
  const ProcessEntry32* entry = Find(list, child.dwProcessId);
  EXPECT_NE(entry, nullptr);
  if (entry) {
    EXPECT_EQ(entry->th32ParentProcessID, GetCurrentProcessId());
  }
  EXPECT_NE(probes_.GetProcessWorkingSet(child.dwProcessId), -1);

  TerminateProcess(child.hProcess, 0);
  WaitForSingleObject(child.hProcess, 10000);
  // Ended, though our handles still keep its object alive.
  EXPECT_EQ(probes_.GetProcessWorkingSet(child.dwProcessId), -1);
  CloseHandle(child.hThread);
  CloseHandle(child.hProcess);
  EXPECT_EQ(probes_.GetProcessWorkingSet(child.dwProcessId), -1);
  // The snapshot taken before still lists it: only the working set filters.
  EXPECT_NE(Find(list, child.dwProcessId), nullptr);
}

}  // namespace
}  // namespace welmor
