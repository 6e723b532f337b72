#include "settings/win32/local_machine_registry.hpp"

#include "winapi/win32/handles.hpp"

#include <string>
#include <type_traits>
#include <vector>

namespace welmor {

static_assert(static_cast<DWORD>(RegistryValueKind::Text) == REG_SZ);
static_assert(static_cast<DWORD>(RegistryValueKind::ExpandText) == REG_EXPAND_SZ);
static_assert(static_cast<DWORD>(RegistryValueKind::Binary) == REG_BINARY);
static_assert(static_cast<DWORD>(RegistryValueKind::Dword) == REG_DWORD);
static_assert(static_cast<DWORD>(RegistryValueKind::MultiText) == REG_MULTI_SZ);

namespace {

// Key names are at most 255 characters.
constexpr DWORD kKeyNameBuffer = 256;
// Enough rounds for a value that keeps growing between the size query and the read.
constexpr int kReadAttempts = 4;

unique_hkey OpenExisting(HKEY parent, const std::string& path, REGSAM access) {
  unique_hkey key;
  if (RegOpenKeyExA(parent, path.c_str(), 0, access, key.put()) != ERROR_SUCCESS) key.release();
  return key;
}

// Windows 2000 has no call that removes a key with its subkeys, and
// RegDeleteKeyA refuses a key that still has any, so the tree goes bottom up.
bool DeleteTree(HKEY parent, const std::string& path) {
  if (unique_hkey key = OpenExisting(parent, path, KEY_ENUMERATE_SUB_KEYS | KEY_QUERY_VALUE)) {
    // Collect first: deleting while enumerating shifts the indexes.
    std::vector<std::string> children;
    for (DWORD index = 0;; ++index) {
      char name[kKeyNameBuffer];
      DWORD length = kKeyNameBuffer;
      if (RegEnumKeyExA(key.get(), index, name, &length, nullptr, nullptr, nullptr, nullptr) != ERROR_SUCCESS)
        break;
      children.emplace_back(name, length);
    }
    for (const std::string& child : children) DeleteTree(key.get(), child);
  }
  return RegDeleteKeyA(parent, path.c_str()) == ERROR_SUCCESS;
}

class LocalMachineRegistryKey : public RegistryKey {
 public:
  bool OpenKey(const std::string& path, KeyAccess access) override {
    CloseKey();
    LONG result = ERROR_ACCESS_DENIED;
    switch (access) {
      case KeyAccess::Read:
        result = RegOpenKeyExA(HKEY_LOCAL_MACHINE, path.c_str(), 0, KEY_READ, current_.put());
        break;
      case KeyAccess::Write:
        result = RegOpenKeyExA(HKEY_LOCAL_MACHINE, path.c_str(), 0, KEY_ALL_ACCESS, current_.put());
        break;
      case KeyAccess::CreateForWrite:
        result = RegCreateKeyExA(HKEY_LOCAL_MACHINE, path.c_str(), 0, nullptr, REG_OPTION_NON_VOLATILE,
                                 KEY_ALL_ACCESS, nullptr, current_.put(), nullptr);
        break;
    }
    // What a failed call left there is no key.
    if (result != ERROR_SUCCESS) current_.release();
    return result == ERROR_SUCCESS;
  }

  bool KeyExists(const std::string& path) override {
    unique_hkey key;
    // A key the user may not open (an emptied access list, out of resources)
    // is still there: taken for a missing one, first-run values would go
    // over everything it holds.
    const LONG result = RegOpenKeyExA(HKEY_LOCAL_MACHINE, path.c_str(), 0, KEY_READ, key.put());
    if (result != ERROR_SUCCESS) key.release();  // what a failed call left there is no key
    return result != ERROR_FILE_NOT_FOUND;
  }

  bool ValueExists(const std::string& name) override {
    return current_ && RegQueryValueExA(current_.get(), name.c_str(), nullptr, nullptr, nullptr, nullptr) ==
                           ERROR_SUCCESS;
  }

  bool DeleteValue(const std::string& name) override {
    return current_ && RegDeleteValueA(current_.get(), name.c_str()) == ERROR_SUCCESS;
  }

  bool DeleteKey(const std::string& path) override { return DeleteTree(HKEY_LOCAL_MACHINE, path); }

  void CloseKey() override { current_.reset(); }

 protected:
  std::optional<RegistryValue> QueryValue(const std::string& name) override {
    if (!current_) return std::nullopt;
    DWORD type = 0;
    DWORD size = 0;
    if (RegQueryValueExA(current_.get(), name.c_str(), nullptr, &type, nullptr, &size) != ERROR_SUCCESS)
      return std::nullopt;
    for (int attempt = 0; attempt < kReadAttempts; ++attempt) {
      std::vector<uint8_t> data(size);
      const LONG result = RegQueryValueExA(current_.get(), name.c_str(), nullptr, &type,
                                           data.empty() ? nullptr : data.data(), &size);
      if (result == ERROR_MORE_DATA) continue;  // grew meanwhile; size holds the new length
      if (result != ERROR_SUCCESS) return std::nullopt;
      data.resize(size);
      return RegistryValue{static_cast<RegistryValueKind>(type), std::move(data)};
    }
    return std::nullopt;
  }

  bool SetValue(const std::string& name, const RegistryValue& value) override {
    return current_ &&
           RegSetValueExA(current_.get(), name.c_str(), 0, static_cast<DWORD>(value.kind), value.data.data(),
                          static_cast<DWORD>(value.data.size())) == ERROR_SUCCESS;
  }

 private:
  unique_hkey current_;
};

}  // namespace

std::unique_ptr<RegistryKey> MakeLocalMachineRegistryKey() {
  return std::make_unique<LocalMachineRegistryKey>();
}

RegistryFactory LocalMachineRegistry() { return &MakeLocalMachineRegistryKey; }

}  // namespace welmor
