#pragma once
// Where the update check looks for the server.

#include <string>

#include "settings/registry_key.hpp"

namespace welmor {

// The product's own web server; nobody else's.
inline constexpr const char* kDefaultUpdateHost = "www.brannic.example";
// Optional REG_SZ beside the settings that points the check at another
// server (a mirror, or a test's local one). Only ever read.
inline constexpr const char* kUpdateHostValueName = "UpdateHost";

// The UpdateHost text of the key at keyPath, or the default host when the key
// or value is missing, empty, not a text or unreadable.
std::string ReadUpdateHost(RegistryKey& registry, const std::string& keyPath);

}  // namespace welmor
