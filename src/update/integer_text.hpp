#pragma once
// Text to integer conversion that refuses what it cannot convert, with the
// message the default error box shows.

#include <cstdint>
#include <stdexcept>
#include <string>

namespace welmor {

class EConvertError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

// "'<text>' is not a valid integer value"
std::string InvalidIntegerText(const std::string& text);

// A whole number: an optional sign and at least one decimal digit, within
// the signed 32-bit range. Anything else throws EConvertError.
int32_t StrToInt(const std::string& text);

}  // namespace welmor
