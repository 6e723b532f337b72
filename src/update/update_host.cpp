#include "update/update_host.hpp"

namespace welmor {

std::string ReadUpdateHost(RegistryKey& registry, const std::string& keyPath) {
  std::string host;
  if (registry.OpenKey(keyPath, KeyAccess::Read)) {
    try {
      host = registry.ReadString(kUpdateHostValueName);
    } catch (const ERegistryException&) {
      // A value of another type is a stray edit, not a reason to stop the check.
      host.clear();
    }
    registry.CloseKey();
  }
  return host.empty() ? std::string(kDefaultUpdateHost) : host;
}

}  // namespace welmor
