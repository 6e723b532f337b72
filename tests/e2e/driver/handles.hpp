#pragma once
// Owners for the few kernel objects the driver holds.

#include <windows.h>

#include <memory>

namespace welmor::e2e {

struct HandleCloser {
  void operator()(HANDLE handle) const noexcept {
    if (handle && handle != INVALID_HANDLE_VALUE) CloseHandle(handle);
  }
};
using unique_handle = std::unique_ptr<void, HandleCloser>;

// CreateToolhelp32Snapshot fails with INVALID_HANDLE_VALUE, most others with 0.
inline unique_handle TakeHandle(HANDLE handle) {
  return unique_handle(handle == INVALID_HANDLE_VALUE ? nullptr : handle);
}

struct ModuleFreer {
  void operator()(HMODULE module) const noexcept {
    if (module) FreeLibrary(module);
  }
};
using unique_module = std::unique_ptr<std::remove_pointer_t<HMODULE>, ModuleFreer>;

// Memory committed in another process, released with it.
class RemoteMemory {
 public:
  RemoteMemory(HANDLE process, size_t size)
      : process_(process),
        address_(VirtualAllocEx(process, nullptr, size, MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE)) {}
  ~RemoteMemory() {
    if (address_) VirtualFreeEx(process_, address_, 0, MEM_RELEASE);
  }
  RemoteMemory(const RemoteMemory&) = delete;
  RemoteMemory& operator=(const RemoteMemory&) = delete;

  void* get() const { return address_; }
  explicit operator bool() const { return address_ != nullptr; }

 private:
  HANDLE process_;
  void* address_;
};

}  // namespace welmor::e2e
