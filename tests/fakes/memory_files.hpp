#pragma once
// The disk of the update check for tests: files by path, each holding the
// INI values read from it. It answers as the platform does: a temporary
// file takes a name no file in its folder has ("wel<hex>.tmp"), no file is
// made in or moved into a folder that is not there, and a move from a
// missing file fails and leaves the target alone.

#include <cstdio>
#include <map>
#include <set>
#include <string>

#include "update/update_services.hpp"

namespace welmor {

class MemoryFiles : public LocalFiles {
 public:
  using Values = std::map<std::string, std::string>;
  std::map<std::string, Values> disk;
  // Every other folder exists.
  std::set<std::string> missingFolders;

  void RemoveFile(const std::string& path) override { disk.erase(path); }
  std::string MakeTemporaryFile(const std::string& folder) override {
    const std::string base = folder + (folder.ends_with('\\') ? "" : "\\");
    if (!Exists(base)) return "";
    for (unsigned n = 1; n <= 0xFFFF; ++n) {
      char name[16];
      std::snprintf(name, sizeof name, "wel%x.tmp", n);
      if (disk.try_emplace(base + name).second) return base + name;
    }
    return "";
  }
  bool ReplaceFile(const std::string& from, const std::string& to) override {
    const auto found = disk.find(from);
    if (found == disk.end() || !Exists(to.substr(0, to.rfind('\\') + 1))) return false;
    Values moved = std::move(found->second);
    disk.erase(found);
    disk[to] = std::move(moved);
    return true;
  }

 private:
  // folder ends in a backslash.
  bool Exists(const std::string& folder) const {
    return !missingFolders.count(folder.substr(0, folder.size() - 1)) && !missingFolders.count(folder);
  }
};

}  // namespace welmor
