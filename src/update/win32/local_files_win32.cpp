// The version file on disk: its INI values and its removal, through kernel32.
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

class DiskFileRemover : public FileRemover {
 public:
  void RemoveFile(const std::string& path) override { ::DeleteFileA(path.c_str()); }
};

}  // namespace

std::unique_ptr<IniReader> MakeProfileIniReader() { return std::make_unique<ProfileIniReader>(); }
std::unique_ptr<FileRemover> MakeDiskFileRemover() { return std::make_unique<DiskFileRemover>(); }

}  // namespace welmor
