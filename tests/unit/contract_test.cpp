// The contracts against the fakes the other tests use.
#include "contract/display_contract.hpp"
#include "contract/local_files_contract.hpp"
#include "contract/registry_contract.hpp"
#include "fakes/memory_files.hpp"
#include "fakes/memory_registry.hpp"
#include "toolkit/headless/headless_backend.hpp"

namespace welmor {
namespace {

struct MemoryBackend {
  MemoryRegistry hive;
  std::unique_ptr<RegistryKey> Key() { return hive.Factory()(); }
  std::string Root() { return "Software\\WelmorTests"; }
  void Put(const std::string& path, const std::string& name, RegistryValue value) {
    hive.Put(path, name, std::move(value));
  }
  void RefuseAll(const std::string& path) { hive.unopenableKey = path; }
  void AllowReadOnly(const std::string&) { hive.readOnly = true; }
  bool MakeUnreadable(const std::string&, const std::string& name) {
    hive.unreadableValue = name;
    return true;
  }
};

INSTANTIATE_TYPED_TEST_SUITE_P(Contract, RegistryContract, ::testing::Types<MemoryBackend>);

struct MemoryDisk {
  MemoryFiles files;
  LocalFiles& Files() { return files; }
  std::string Folder() { return "C:\\Downloads"; }
  std::string MissingFolder() {
    files.missingFolders.insert("C:\\Gone");
    return "C:\\Gone";
  }
  void Write(const std::string& path, const std::string& text) { files.disk[path] = {{"text", text}}; }
  std::optional<std::string> Read(const std::string& path) {
    const auto found = files.disk.find(path);
    if (found == files.disk.end()) return std::nullopt;
    return found->second.count("text") ? found->second.at("text") : "";
  }
};

INSTANTIATE_TYPED_TEST_SUITE_P(Contract, LocalFilesContract, ::testing::Types<MemoryDisk>);

// The two displays of the end-to-end desk: the second right of the primary.
struct HeadlessDisplays {
  HeadlessBackend backend;
  HeadlessDisplays() {
    backend.windows.monitors.push_back(Monitor{Rect{1024, 0, 1824, 600}, Rect{1024, 0, 1824, 600}});
  }
  std::vector<Monitor> Displays() { return backend.windows.monitors; }
  std::optional<Monitor> MonitorOf(const Rect& window) { return backend.MonitorOf(window); }
};

INSTANTIATE_TYPED_TEST_SUITE_P(Contract, DisplayContract, ::testing::Types<HeadlessDisplays>);

}  // namespace
}  // namespace welmor
