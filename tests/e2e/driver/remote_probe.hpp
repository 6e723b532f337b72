#pragma once
// Runs welmor_probe.dll inside another process: loads it there once
// (LoadLibraryA on a remote thread) and calls its entry point with a request
// block written into that process.

#include <windows.h>

#include <string>

#include "common/probe_protocol.hpp"
#include "driver/handles.hpp"

namespace welmor::e2e {

class RemoteProbe {
 public:
  // Throws Failure when the process cannot be opened or the DLL not loaded.
  explicit RemoteProbe(DWORD pid);

  // The probe's text answer; NoOpenMenu and the like come back as status.
  ProbeStatus Run(ProbeCommand command, std::string& answer);

 private:
  void* RemoteEntry();

  DWORD pid_;
  unique_handle process_;
  std::string dll_path_;
  unique_module local_dll_;
};

}  // namespace welmor::e2e
