#pragma once
// Entry points looked up in a system DLL on first use, so that a run that
// never needs them never maps the DLL and all it pulls in (comdlg32 brings
// shell32, ole32, rpcrt4 and more: about ten megabytes under Wine).

#include <windows.h>

#include "winapi/win32/handles.hpp"

namespace welmor {

// A DLL of the system folder, loaded by its full path so that a file of the
// same name beside the executable (where downloads land) is never picked up.
class SystemLibrary {
 public:
  explicit SystemLibrary(const char* fileName) : fileName_(fileName) {}

  // The entry point as type Fn, or null when the DLL or the entry is missing.
  template <class Fn>
  Fn Proc(const char* name) {
    const FARPROC entry = RawProc(name);
    return entry ? reinterpret_cast<Fn>(reinterpret_cast<void*>(entry)) : nullptr;
  }

 private:
  FARPROC RawProc(const char* name);

  const char* fileName_;
  unique_hmodule module_;
  bool tried_ = false;
};

}  // namespace welmor
