#pragma once
// The registry wrapper on the local machine's hive (HKEY_LOCAL_MACHINE),
// through advapi32.

#include <memory>

#include "settings/registry_key.hpp"

namespace welmor {

std::unique_ptr<RegistryKey> MakeLocalMachineRegistryKey();

// Factory for SettingsStore: one fresh wrapper per operation.
RegistryFactory LocalMachineRegistry();

}  // namespace welmor
