#pragma once
// Shared by the settings tests on the in-memory and the real registry.

#include <gtest/gtest.h>

#include <string>

#include "settings/registry_key.hpp"

namespace welmor {

// Runs f, which must throw the registry error with exactly this text.
template <class F>
void ExpectRegistryError(F f, const std::string& text) {
  try {
    f();
    ADD_FAILURE() << "no error, expected " << text;
  } catch (const ERegistryException& e) {
    EXPECT_EQ(std::string(e.what()), text);
  }
}

}  // namespace welmor
