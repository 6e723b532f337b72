#pragma once
// Where TAppInfo gets the program's version block from. The Win32 source
// reads the executable's version resource; tests answer from a table.

#include <cstdint>
#include <string>
#include <vector>

namespace welmor {

class VersionSource {
 public:
  virtual ~VersionSource() = default;

  // Full path of the running executable.
  virtual std::string ExecutablePath() = 0;
  // Size in bytes of the file's version block, 0 when it has none; handle is
  // whatever the platform hands back with it.
  virtual uint32_t BlockSize(const std::string& path, uint32_t& handle) = 0;
  // Copies the version block into block (already sized); false on failure.
  virtual bool ReadBlock(const std::string& path, std::vector<uint8_t>& block) = 0;
  // Looks key up in block. On success value points at a zero-terminated text
  // inside block (or owned by the source) of length characters.
  virtual bool QueryValue(const std::vector<uint8_t>& block, const std::string& key, const char*& value,
                          uint32_t& length) = 0;
  // The system's default language identifier.
  virtual uint16_t DefaultLanguage() = 0;
};

}  // namespace welmor
