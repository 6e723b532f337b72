#pragma once
// Registers the toolkit's window classes on first use and unregisters them
// when the backend goes. Forms may ask for extra class-style bits (such as
// CS_DROPSHADOW), so each distinct style gets a class of its own.

#include "toolkit/win32/windows_api.hpp"

#include <cstdint>
#include <map>
#include <string>

namespace welmor {

class WindowClasses {
 public:
  explicit WindowClasses(HINSTANCE instance) : instance_(instance) {}
  ~WindowClasses();
  WindowClasses(const WindowClasses&) = delete;
  WindowClasses& operator=(const WindowClasses&) = delete;

  HINSTANCE Instance() const { return instance_; }

  struct ClassInfo {
    std::string name;
    WNDPROC procedure = nullptr;
    uint32_t style = 0;
    int extraBytes = 0;
  };
  // The class name to pass to CreateWindowEx, registering it when needed;
  // empty when registration failed.
  std::string Ensure(const ClassInfo& info);

 private:
  HINSTANCE instance_;
  // Classes this object registered (not those another backend in the same
  // process registered first), with the name as key.
  std::map<std::string, bool> registered_;
};

}  // namespace welmor
