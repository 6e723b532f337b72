// Cost of the system probes as the widget calls them: once per refresh tick
// (one CPU reading and five memory figures) and on every mouse movement over
// a panel while the process tooltip is on (a snapshot, then two working-set
// queries per process: one to decide, one for the text).
#include <windows.h>
// windows.h first.
#include <tlhelp32.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <functional>
#include <vector>

#include "sysinfo/probes.hpp"
#include "sysinfo/win32/win32_probes.hpp"

namespace {

using namespace welmor;

// Median and 90th percentile of rounds calls of work, in microseconds.
void Measure(const char* label, int rounds, const std::function<void()>& work) {
  for (int i = 0; i < rounds / 10 + 1; ++i) work();  // warm up: first-use loading, caches
  std::vector<double> micros;
  micros.reserve(rounds);
  for (int i = 0; i < rounds; ++i) {
    const auto start = std::chrono::steady_clock::now();
    work();
    const auto end = std::chrono::steady_clock::now();
    micros.push_back(std::chrono::duration<double, std::micro>(end - start).count());
  }
  std::sort(micros.begin(), micros.end());
  std::printf("%-44s median %9.1f us   p90 %9.1f us   (%d rounds)\n", label, micros[rounds / 2],
              micros[rounds * 9 / 10], rounds);
}

volatile int64_t sink = 0;  // keeps the results alive

}  // namespace

int main() {
  Win32SystemProbes real;
  Probes probes(real.Sources());

  Measure("refresh tick: GetCpuUsage + 5 memory figures", 2000, [&probes] {
    int64_t sum = probes.GetCpuUsage();
    for (uint32_t selector : {1u, 3u, 4u, 5u, 6u})
      sum += static_cast<int64_t>(probes.GetMemoryStatusValue(selector));
    sink = sum;
  });
  Measure("  GetCpuUsage alone", 2000, [&probes] { sink = probes.GetCpuUsage(); });
  Measure("  GetMemoryStatusValue alone", 2000, [&probes] { sink = static_cast<int64_t>(probes.GetMemoryStatusValue(1)); });

  std::size_t processes = 0;
  std::size_t listed = 0;
  Measure("process tooltip: snapshot + 2 working sets each", 300, [&] {
    ProcessList list;
    probes.GetProcessList(list);
    processes = list.size();
    listed = 0;
    int64_t sum = 0;
    for (const ProcessEntry32& p : list) {
      if (probes.GetProcessWorkingSet(p.th32ProcessID) == -1) continue;
      ++listed;
      sum += probes.GetProcessWorkingSet(p.th32ProcessID);
    }
    sink = sum;
  });
  std::printf("  (%zu processes in the snapshot, %zu with a readable working set)\n", processes, listed);
  Measure("  GetProcessList alone", 300, [&probes] {
    ProcessList list;
    probes.GetProcessList(list);
    sink = static_cast<int64_t>(list.size());
  });
  Measure("  GetProcessWorkingSet of this process", 2000,
          [&probes] { sink = probes.GetProcessWorkingSet(GetCurrentProcessId()); });
  // For comparison: a snapshot of processes only, without the heap and module
  // lists that TH32CS_SNAPALL also collects.
  Measure("  raw snapshot, processes only (flags 2)", 300, [] {
    const HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
    PROCESSENTRY32 entry = {};
    entry.dwSize = sizeof entry;
    int64_t n = 0;
    for (BOOL ok = Process32First(snapshot, &entry); ok; ok = Process32Next(snapshot, &entry)) ++n;
    CloseHandle(snapshot);
    sink = n;
  });
  return 0;
}
