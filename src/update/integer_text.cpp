#include "update/integer_text.hpp"

namespace welmor {

std::string InvalidIntegerText(const std::string& text) {
  return "'" + text + "' is not a valid integer value";
}

int32_t StrToInt(const std::string& text) {
  std::size_t i = 0;
  const bool negative = !text.empty() && text[0] == '-';
  if (!text.empty() && (text[0] == '-' || text[0] == '+')) i = 1;
  if (i == text.size()) throw EConvertError(InvalidIntegerText(text));
  // One more than INT32_MAX is allowed only for a negative number.
  const int64_t limit = negative ? 2147483648LL : 2147483647LL;
  int64_t value = 0;
  for (; i < text.size(); ++i) {
    const char c = text[i];
    if (c < '0' || c > '9') throw EConvertError(InvalidIntegerText(text));
    value = value * 10 + (c - '0');
    if (value > limit) throw EConvertError(InvalidIntegerText(text));
  }
  return static_cast<int32_t>(negative ? -value : value);
}

}  // namespace welmor
