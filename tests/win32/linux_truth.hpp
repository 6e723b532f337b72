#pragma once
// The Linux side of the machine, as a Windows program under Wine can see it:
// /proc files through drive Z:, and small Unix commands started by path.
// The probes' tests hold Wine's answers against these.

#include <windows.h>

#include <cstdint>
#include <cstdio>
#include <fstream>
#include <map>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

namespace welmor::testenv {

// A Unix path as drive Z: shows it.
inline std::string ZPath(const std::string& unixPath) {
  std::string path = "Z:" + unixPath;
  for (char& c : path) {
    if (c == '/') c = '\\';
  }
  return path;
}

// Whole text of a file, read through the Win32 API (proc files report no
// size, so read until the end).
inline std::string ReadWholeFile(const std::string& path) {
  const HANDLE file = CreateFileA(path.c_str(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                                  OPEN_EXISTING, 0, nullptr);
  if (file == INVALID_HANDLE_VALUE) return {};
  std::string text;
  char buffer[4096];
  DWORD got = 0;
  while (ReadFile(file, buffer, sizeof buffer, &got, nullptr) && got > 0) text.append(buffer, got);
  CloseHandle(file);
  return text;
}

// /proc/meminfo in bytes by field name ("MemTotal" -> bytes).
inline std::map<std::string, uint64_t> ReadMeminfo() {
  std::map<std::string, uint64_t> fields;
  std::istringstream in(ReadWholeFile("Z:\\proc\\meminfo"));
  std::string name;
  uint64_t value = 0;
  std::string unit;
  std::string line;
  while (std::getline(in, line)) {
    std::istringstream row(line);
    unit.clear();
    if (!(row >> name >> value)) continue;
    row >> unit;
    if (!name.empty() && name.back() == ':') name.pop_back();
    fields[name] = unit == "kB" ? value * 1024 : value;
  }
  return fields;
}

// The "cpu" line of /proc/stat: idle and all ticks over every processor.
struct CpuTicks {
  uint64_t idle = 0;
  uint64_t total = 0;
  int32_t processors = 0;  // "cpuN" lines
};

inline CpuTicks ReadCpuTicks() {
  CpuTicks ticks;
  std::istringstream in(ReadWholeFile("Z:\\proc\\stat"));
  std::string line;
  while (std::getline(in, line)) {
    std::istringstream row(line);
    std::string name;
    row >> name;
    if (name == "cpu") {
      uint64_t value = 0;
      for (int i = 0; row >> value; ++i) {
        // user nice system idle iowait irq softirq steal; guest time is
        // already inside user and nice.
        if (i >= 8) break;
        ticks.total += value;
        if (i == 3) ticks.idle = value;
      }
    } else if (name.rfind("cpu", 0) == 0 && name.size() > 3) {
      ++ticks.processors;
    }
  }
  return ticks;
}

// Percentage of processor time not idle between two readings.
inline double CpuBusyPercent(const CpuTicks& before, const CpuTicks& after) {
  const double total = static_cast<double>(after.total - before.total);
  if (total <= 0) return 0;
  return 100.0 * (1.0 - static_cast<double>(after.idle - before.idle) / total);
}

// Runs a shell command line on the Unix side and returns what it printed,
// or nullopt after timeoutMs. Wine starts Unix programs given by path but
// cannot wait for them, so the output appears under its final name only
// when complete.
inline std::optional<std::string> RunUnixShell(const std::string& command, const std::string& unixScratch,
                                               DWORD timeoutMs = 20000) {
  const std::string out = unixScratch + ".out";
  const std::string partial = unixScratch + ".part";
  DeleteFileA(ZPath(out).c_str());
  std::string line =
      "/bin/sh -c \"" + command + " > '" + partial + "' && mv '" + partial + "' '" + out + "'\"";
  STARTUPINFOA startup = {};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION info = {};
  std::vector<char> mutableLine(line.begin(), line.end());
  mutableLine.push_back('\0');
  if (!CreateProcessA(nullptr, mutableLine.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup,
                      &info)) {
    return std::nullopt;
  }
  if (info.hThread) CloseHandle(info.hThread);
  if (info.hProcess) CloseHandle(info.hProcess);
  for (DWORD waited = 0; waited < timeoutMs; waited += 20) {
    if (GetFileAttributesA(ZPath(out).c_str()) != INVALID_FILE_ATTRIBUTES) {
      std::string text = ReadWholeFile(ZPath(out));
      DeleteFileA(ZPath(out).c_str());
      return text;
    }
    Sleep(20);
  }
  return std::nullopt;
}

}  // namespace welmor::testenv
