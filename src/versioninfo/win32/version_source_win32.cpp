#include "versioninfo/win32/version_source_win32.hpp"

#include <windows.h>

namespace welmor {

namespace {

class Win32VersionSource final : public VersionSource {
 public:
  std::string ExecutablePath() override {
    // A name that fills the buffer was cut short (and XP leaves it without
    // its NUL): answer nothing rather than the path of some other file.
    char path[MAX_PATH + 1] = {};
    const DWORD n = GetModuleFileNameA(nullptr, path, sizeof path);
    if (n == 0 || n >= sizeof path - 1) return std::string();
    return std::string(path, n);
  }

  uint32_t BlockSize(const std::string& path, uint32_t& handle) override {
    DWORD h = 0;
    const DWORD size = GetFileVersionInfoSizeA(path.c_str(), &h);
    handle = h;
    return size;
  }

  bool ReadBlock(const std::string& path, std::vector<uint8_t>& block) override {
    return GetFileVersionInfoA(path.c_str(), 0, static_cast<DWORD>(block.size()), block.data()) != 0;
  }

  bool QueryValue(const std::vector<uint8_t>& block, const std::string& key, const char*& value,
                  uint32_t& length) override {
    void* found = nullptr;
    UINT len = 0;
    // VerQueryValueA does not write to the block for string lookups.
    if (!VerQueryValueA(const_cast<uint8_t*>(block.data()), key.c_str(), &found, &len)) return false;
    value = static_cast<const char*>(found);
    length = len;
    return true;
  }

  uint16_t DefaultLanguage() override { return GetSystemDefaultLangID(); }
};

}  // namespace

std::unique_ptr<VersionSource> MakeWin32VersionSource() { return std::make_unique<Win32VersionSource>(); }

}  // namespace welmor
