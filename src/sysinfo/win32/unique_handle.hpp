#pragma once
// Owners for the kernel handles and modules the probes open.

#include <windows.h>

#include <utility>

namespace welmor {

// Owns one value of a handle kind and closes it with Close unless it equals
// Invalid.
template <typename T, auto Close, T Invalid = T{}>
class unique_any {
 public:
  unique_any() = default;
  explicit unique_any(T value) : value_(value) {}
  ~unique_any() { reset(); }
  unique_any(const unique_any&) = delete;
  unique_any& operator=(const unique_any&) = delete;
  unique_any(unique_any&& other) noexcept : value_(std::exchange(other.value_, Invalid)) {}
  unique_any& operator=(unique_any&& other) noexcept {
    if (this != &other) {
      reset();
      value_ = std::exchange(other.value_, Invalid);
    }
    return *this;
  }

  T get() const { return value_; }
  explicit operator bool() const { return value_ != Invalid; }
  void reset(T value = Invalid) {
    if (value_ != Invalid) Close(value_);
    value_ = value;
  }

 private:
  T value_ = Invalid;
};

namespace detail {
inline void CloseKernelHandle(HANDLE h) { ::CloseHandle(h); }
inline void ReleaseLibrary(HMODULE m) { ::FreeLibrary(m); }
}  // namespace detail

// Process handles: null when absent.
using unique_handle = unique_any<HANDLE, detail::CloseKernelHandle>;
// Snapshot handles: INVALID_HANDLE_VALUE when absent. INVALID_HANDLE_VALUE is
// not a constant expression, so the guard tests both forms itself.
class unique_snapshot {
 public:
  explicit unique_snapshot(HANDLE h) : handle_(h == INVALID_HANDLE_VALUE ? nullptr : h) {}
  HANDLE get() const { return handle_.get(); }
  explicit operator bool() const { return static_cast<bool>(handle_); }

 private:
  unique_handle handle_;
};
using unique_hmodule = unique_any<HMODULE, detail::ReleaseLibrary>;

}  // namespace welmor
