#include "winapi/win32/system_library.hpp"

#include <string>

namespace welmor {

FARPROC SystemLibrary::RawProc(const char* name) {
  if (!tried_) {
    tried_ = true;
    char folder[MAX_PATH] = {};
    const UINT n = ::GetSystemDirectoryA(folder, MAX_PATH);
    if (n > 0 && n < MAX_PATH)
      module_.reset(::LoadLibraryA((std::string(folder) + "\\" + fileName_).c_str()));
  }
  return module_ ? ::GetProcAddress(module_.get(), name) : nullptr;
}

}  // namespace welmor
