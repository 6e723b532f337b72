#include "driver/remote_probe.hpp"

#include <tlhelp32.h>

#include <algorithm>
#include <cstddef>
#include <memory>

#include "driver/windows_of_process.hpp"

namespace welmor::e2e {
namespace {

constexpr DWORD kRemoteThreadTimeoutMs = 10000;

// welmor_probe.dll sits next to the driver.
std::string ProbePathBesideDriver() {
  char path[MAX_PATH] = {};
  const DWORD length = GetModuleFileNameA(nullptr, path, MAX_PATH);
  std::string dir(path, length);
  dir.erase(dir.find_last_of("\\/") + 1);
  return dir + kProbeDllName;
}

// Base address of a module in another process, or null.
BYTE* RemoteModuleBase(DWORD pid, const char* name) {
  const unique_handle snapshot = TakeHandle(CreateToolhelp32Snapshot(TH32CS_SNAPMODULE, pid));
  if (!snapshot) return nullptr;
  MODULEENTRY32 entry{};
  entry.dwSize = sizeof entry;
  for (BOOL more = Module32First(snapshot.get(), &entry); more; more = Module32Next(snapshot.get(), &entry)) {
    if (lstrcmpiA(entry.szModule, name) == 0) return entry.modBaseAddr;
  }
  return nullptr;
}

// Runs start(param) on a new thread of the process and returns its exit code.
DWORD RunRemoteThread(HANDLE process, void* start, void* param) {
  const unique_handle thread = TakeHandle(CreateRemoteThread(
      process, nullptr, 0, reinterpret_cast<LPTHREAD_START_ROUTINE>(start), param, 0, nullptr));
  if (!thread) throw Failure("CreateRemoteThread failed, error " + std::to_string(GetLastError()));
  if (WaitForSingleObject(thread.get(), kRemoteThreadTimeoutMs) != WAIT_OBJECT_0) {
    throw Failure("remote thread did not finish in time");
  }
  DWORD code = 0;
  GetExitCodeThread(thread.get(), &code);
  return code;
}

}  // namespace

RemoteProbe::RemoteProbe(DWORD pid)
    : pid_(pid),
      process_(TakeHandle(OpenProcess(PROCESS_ALL_ACCESS, FALSE, pid))),
      dll_path_(ProbePathBesideDriver()),
      local_dll_(LoadLibraryA(dll_path_.c_str())) {
  if (!process_) throw Failure("cannot open process " + std::to_string(pid));
  if (!local_dll_) throw Failure("cannot load " + dll_path_);
  if (RemoteModuleBase(pid_, kProbeDllName)) return;

  RemoteMemory path(process_.get(), dll_path_.size() + 1);
  if (!path || !WriteProcessMemory(process_.get(), path.get(), dll_path_.c_str(), dll_path_.size() + 1, nullptr)) {
    throw Failure("cannot write the probe's path into process " + std::to_string(pid));
  }
  // kernel32 lies at the same address in every process of a session.
  void* load_library = reinterpret_cast<void*>(GetProcAddress(GetModuleHandleA("kernel32.dll"), "LoadLibraryA"));
  RunRemoteThread(process_.get(), load_library, path.get());
  if (!RemoteModuleBase(pid_, kProbeDllName)) throw Failure("process " + std::to_string(pid) + " did not load the probe");
}

void* RemoteProbe::RemoteEntry() {
  BYTE* remote_base = RemoteModuleBase(pid_, kProbeDllName);
  if (!remote_base) throw Failure("the probe is no longer loaded in process " + std::to_string(pid_));
  const auto* local_base = reinterpret_cast<const BYTE*>(local_dll_.get());
  const auto* local_entry = reinterpret_cast<const BYTE*>(GetProcAddress(local_dll_.get(), kProbeEntryName));
  if (!local_entry) throw Failure(std::string("the probe exports no ") + kProbeEntryName);
  return remote_base + (local_entry - local_base);
}

ProbeStatus RemoteProbe::Run(ProbeCommand command, std::string& answer) {
  // The block is large; build it on the heap rather than the stack.
  auto request = std::make_unique<ProbeRequest>();
  request->magic = kProbeMagic;
  request->command = command;
  request->status = ProbeStatus::Pending;
  request->length = 0;
  constexpr size_t kHeader = offsetof(ProbeRequest, text);

  RemoteMemory block(process_.get(), sizeof(ProbeRequest));
  if (!block || !WriteProcessMemory(process_.get(), block.get(), request.get(), kHeader + 1, nullptr)) {
    throw Failure("cannot write the probe's request");
  }
  if (RunRemoteThread(process_.get(), RemoteEntry(), block.get()) != 0) throw Failure("the probe refused the request");
  if (!ReadProcessMemory(process_.get(), block.get(), request.get(), kHeader, nullptr)) {
    throw Failure("cannot read the probe's answer");
  }
  const uint32_t length = std::min(request->length, kProbeTextSize);
  answer.assign(length, '\0');
  if (length > 0 &&
      !ReadProcessMemory(process_.get(), static_cast<BYTE*>(block.get()) + kHeader, answer.data(), length, nullptr)) {
    throw Failure("cannot read the probe's answer text");
  }
  return request->status;
}

}  // namespace welmor::e2e
