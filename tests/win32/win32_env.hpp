#pragma once
// Small helpers for tests that run under Wine against the real Win32 API.

#include <cstdlib>
#include <string>

namespace welmor::testenv {

// An environment variable, or the empty text.
inline std::string Env(const char* name) {
  const char* value = std::getenv(name);
  return value ? value : "";
}

// Path of the built product, handed in by scripts/test as WELMOR_EXE.
inline std::string ProductExe() { return Env("WELMOR_EXE"); }

}  // namespace welmor::testenv
