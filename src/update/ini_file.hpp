#pragma once
// Reading one value of an INI file.

#include <cstddef>
#include <string>

#include "update/update_services.hpp"

namespace welmor {

// The platform reads into a buffer of 2048 characters, NUL included.
inline constexpr std::size_t kIniValueMaxLength = 2047;

// The value of key in section of file, at most 2047 characters; "0" when it
// is missing or empty, so a missing file, section or key all read as "0".
std::string ReadIniString(IniReader& reader, const std::string& file, const std::string& section,
                          const std::string& key);

}  // namespace welmor
