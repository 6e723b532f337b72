// The version file on disk: its INI values and its removal, and the
// archive's temporary file and its move into place, through kernel32.
#include "update/win32/update_services_win32.hpp"

namespace welmor {
namespace {

constexpr DWORD kIniBufferSize = 2048;

class ProfileIniReader : public IniReader {
 public:
  std::string ReadString(const std::string& file, const std::string& section,
                         const std::string& key) override {
    char value[kIniBufferSize] = {};
    const DWORD n =
        ::GetPrivateProfileStringA(section.c_str(), key.c_str(), "", value, kIniBufferSize, file.c_str());
    return std::string(value, n < kIniBufferSize ? n : kIniBufferSize - 1);
  }
};

class DiskFiles : public LocalFiles {
 public:
  void RemoveFile(const std::string& path) override { ::DeleteFileA(path.c_str()); }
  std::string MakeTemporaryFile(const std::string& folder) override {
    char path[MAX_PATH] = {};
    return ::GetTempFileNameA(folder.c_str(), "wel", 0, path) != 0 ? path : "";
  }
  bool ReplaceFile(const std::string& from, const std::string& to) override {
    return ::MoveFileExA(from.c_str(), to.c_str(), MOVEFILE_REPLACE_EXISTING) != FALSE;
  }
};

}  // namespace

std::unique_ptr<IniReader> MakeProfileIniReader() { return std::make_unique<ProfileIniReader>(); }
std::unique_ptr<LocalFiles> MakeDiskFiles() { return std::make_unique<DiskFiles>(); }

}  // namespace welmor
