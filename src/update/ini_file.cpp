#include "update/ini_file.hpp"

namespace welmor {

std::string ReadIniString(IniReader& reader, const std::string& file, const std::string& section,
                          const std::string& key) {
  std::string value = reader.ReadString(file, section, key);
  value = value.substr(0, value.find('\0'));
  if (value.size() > kIniValueMaxLength) value.resize(kIniValueMaxLength);
  return value.empty() ? std::string("0") : value;
}

}  // namespace welmor
