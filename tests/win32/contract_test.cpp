// The contracts against the real system: the registry below a key of the
// test's own, the disk in a folder of its own, both removed again.
#include <windows.h>

#include <algorithm>
#include <fstream>
#include <iterator>
#include <vector>

#include "contract/display_contract.hpp"
#include "contract/local_files_contract.hpp"
#include "contract/registry_contract.hpp"
#include "settings/win32/local_machine_registry.hpp"
#include "toolkit/win32/window_operations.hpp"
#include "update/win32/update_services_win32.hpp"
#include "winapi/win32/handles.hpp"

namespace welmor {
namespace {

class Win32Backend {
 public:
  ~Win32Backend() {
    // A null list grants everything again, so the tree can go.
    SECURITY_DESCRIPTOR open;
    InitializeSecurityDescriptor(&open, SECURITY_DESCRIPTOR_REVISION);
    SetSecurityDescriptorDacl(&open, TRUE, nullptr, FALSE);
    for (const unique_hkey& key : restricted_) RegSetKeySecurity(key.get(), DACL_SECURITY_INFORMATION, &open);
    restricted_.clear();
    Key()->DeleteKey("Software\\WelmorTests");
  }
  std::unique_ptr<RegistryKey> Key() { return MakeLocalMachineRegistryKey(); }
  std::string Root() { return root_; }
  void Put(const std::string& path, const std::string& name, const RegistryValue& value) {
    HKEY key = nullptr;
    ASSERT_EQ(RegCreateKeyExA(HKEY_LOCAL_MACHINE, path.c_str(), 0, nullptr, 0, KEY_ALL_ACCESS, nullptr, &key,
                              nullptr),
              ERROR_SUCCESS);
    unique_hkey held(key);
    ASSERT_EQ(RegSetValueExA(key, name.c_str(), 0, static_cast<DWORD>(value.kind), value.data.data(),
                             static_cast<DWORD>(value.data.size())),
              ERROR_SUCCESS);
  }
  void RefuseAll(const std::string& path) { Restrict(path, 0); }
  void AllowReadOnly(const std::string& path) { Restrict(path, KEY_READ); }
  bool MakeUnreadable(const std::string&, const std::string&) { return false; }

 private:
  // Everyone gets `access` and nothing more; no access at all empties the list.
  void Restrict(const std::string& path, REGSAM access) {
    HKEY raw = nullptr;
    // Opened before the change, so it can undo it.
    ASSERT_EQ(RegOpenKeyExA(HKEY_LOCAL_MACHINE, path.c_str(), 0, KEY_ALL_ACCESS, &raw), ERROR_SUCCESS);
    restricted_.emplace_back(raw);
    SID_IDENTIFIER_AUTHORITY world = SECURITY_WORLD_SID_AUTHORITY;
    PSID everyone = nullptr;
    ASSERT_TRUE(AllocateAndInitializeSid(&world, 1, SECURITY_WORLD_RID, 0, 0, 0, 0, 0, 0, 0, &everyone));
    alignas(DWORD) uint8_t aclBytes[256];
    auto* acl = reinterpret_cast<PACL>(aclBytes);
    InitializeAcl(acl, sizeof aclBytes, ACL_REVISION);
    if (access != 0) AddAccessAllowedAce(acl, ACL_REVISION, access, everyone);
    FreeSid(everyone);
    SECURITY_DESCRIPTOR restricted;
    InitializeSecurityDescriptor(&restricted, SECURITY_DESCRIPTOR_REVISION);
    SetSecurityDescriptorDacl(&restricted, TRUE, acl, FALSE);
    ASSERT_EQ(RegSetKeySecurity(raw, DACL_SECURITY_INFORMATION, &restricted), ERROR_SUCCESS);
  }

  std::string root_ = "Software\\WelmorTests\\contract-" + std::to_string(GetCurrentProcessId());
  std::vector<unique_hkey> restricted_;
};

INSTANTIATE_TYPED_TEST_SUITE_P(Contract, RegistryContract, ::testing::Types<Win32Backend>);

class Win32Disk {
 public:
  Win32Disk() {
    char temp[MAX_PATH] = {};
    ::GetTempPathA(MAX_PATH, temp);
    folder_ = std::string(temp) + "welmor-contract-" + std::to_string(GetCurrentProcessId());
    ::CreateDirectoryA(folder_.c_str(), nullptr);
  }
  ~Win32Disk() {
    WIN32_FIND_DATAA found;
    HANDLE search = ::FindFirstFileA((folder_ + "\\*").c_str(), &found);
    if (search != INVALID_HANDLE_VALUE) {
      do ::DeleteFileA((folder_ + "\\" + found.cFileName).c_str());
      while (::FindNextFileA(search, &found));
      ::FindClose(search);
    }
    ::RemoveDirectoryA(folder_.c_str());
  }
  LocalFiles& Files() { return *files_; }
  std::string Folder() { return folder_; }
  std::string MissingFolder() { return folder_ + "\\Gone"; }
  void Write(const std::string& path, const std::string& text) {
    std::ofstream(path, std::ios::binary) << text;
  }
  std::optional<std::string> Read(const std::string& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) return std::nullopt;
    return std::string(std::istreambuf_iterator<char>(in), {});
  }

 private:
  std::string folder_;
  std::unique_ptr<LocalFiles> files_ = MakeDiskFiles();
};

INSTANTIATE_TYPED_TEST_SUITE_P(Contract, LocalFilesContract, ::testing::Types<Win32Disk>);

struct Win32Displays {
  std::vector<Monitor> Displays() {
    std::vector<Monitor> found;
    ::EnumDisplayMonitors(nullptr, nullptr, &Win32Displays::Add, reinterpret_cast<LPARAM>(&found));
    // The primary one first, as the fake lists them.
    std::stable_partition(found.begin(), found.end(),
                          [](const Monitor& m) { return m.bounds.left == 0 && m.bounds.top == 0; });
    return found;
  }
  std::optional<Monitor> MonitorOf(const Rect& window) { return win32_window_ops::MonitorOf(window); }

  static BOOL CALLBACK Add(HMONITOR monitor, HDC, LPRECT, LPARAM list) {
    MONITORINFO info{};
    info.cbSize = sizeof info;
    if (::GetMonitorInfoA(monitor, &info)) {
      const RECT& b = info.rcMonitor;
      const RECT& w = info.rcWork;
      reinterpret_cast<std::vector<Monitor>*>(list)->push_back(
          Monitor{Rect{b.left, b.top, b.right, b.bottom}, Rect{w.left, w.top, w.right, w.bottom}});
    }
    return TRUE;
  }
};

INSTANTIATE_TYPED_TEST_SUITE_P(Contract, DisplayContract, ::testing::Types<Win32Displays>);

}  // namespace
}  // namespace welmor
