#include "textutil/format.hpp"

#include <climits>
#include <cmath>
#include <cstdio>
#include <cstdlib>

namespace welmor {

namespace {

constexpr int64_t kKiB = 1024;
constexpr int64_t kMiB = kKiB * 1024;
constexpr int64_t kGiB = kMiB * 1024;
constexpr int64_t kTiB = kGiB * 1024;

}  // namespace

std::string FormatByteSize(int64_t bytes) {
  struct Unit {
    int64_t size;
    const char* suffix;
  };
  static constexpr Unit kUnits[] = {{kTiB, " TiB"}, {kGiB, " GiB"}, {kMiB, " MiB"}, {kKiB, " KiB"}};
  // The unit is chosen before rounding, so 1048575 bytes read "1024.00 KiB".
  for (const Unit& unit : kUnits) {
    if (bytes / unit.size > 0) {
      // Hundredths in whole numbers, halves away from zero: exact for every
      // count (rest * 100 stays below 2^47), where "%.2f" rounds binary
      // halves to even and floating point misrounds near a half.
      int64_t whole = bytes / unit.size;
      int64_t cents = (bytes % unit.size * 100 + unit.size / 2) / unit.size;
      if (cents == 100) {
        ++whole;
        cents = 0;
      }
      std::string text = std::to_string(whole) + '.';
      text += static_cast<char>('0' + cents / 10);
      text += static_cast<char>('0' + cents % 10);
      return text + unit.suffix;
    }
  }
  return std::to_string(bytes) + " Byte(s)";
}

std::string FormatUptime(uint64_t milliseconds) {
  uint64_t rest = milliseconds;
  const uint64_t days = rest / 86400000u;
  rest -= days * 86400000u;
  const uint64_t hours = rest / 3600000u;
  rest -= hours * 3600000u;
  const uint64_t minutes = rest / 60000u;
  rest -= minutes * 60000u;
  const uint64_t seconds = rest / 1000u;
  return std::to_string(days) + ":" + std::to_string(hours) + ":" + std::to_string(minutes) + ":" +
         std::to_string(seconds);
}

std::vector<std::string> Explode(const std::string& delimiter, const std::string& text) {
  std::vector<std::string> parts;
  if (delimiter.empty()) {
    parts.push_back(text);
    return parts;
  }
  std::string::size_type start = 0;
  for (;;) {
    const auto found = text.find(delimiter, start);
    if (found == std::string::npos) break;
    parts.push_back(text.substr(start, found - start));
    start = found + delimiter.size();
  }
  parts.push_back(text.substr(start));
  return parts;
}

std::string TrimLeftSpaces(const std::string& text) {
  const auto first = text.find_first_not_of(' ');
  return first == std::string::npos ? std::string() : text.substr(first);
}

std::string TrimRightSpaces(const std::string& text) {
  const auto last = text.find_last_not_of(' ');
  return last == std::string::npos ? std::string() : text.substr(0, last + 1);
}

std::string TrimSpaces(const std::string& text) { return TrimLeftSpaces(TrimRightSpaces(text)); }

bool IsDigits(const std::string& text) {
  for (char c : text) {
    if (c < '0' || c > '9') return false;
  }
  return true;
}

int32_t LastCharPos(char ch, const std::string& text) {
  for (auto i = text.size(); i > 0; --i) {
    if (text[i - 1] == ch) return static_cast<int32_t>(i);
  }
  return -1;
}

std::string IfThenStr(bool flag, const std::string& whenTrue, const std::string& whenFalse) {
  return flag ? whenTrue : whenFalse;
}

int32_t IfThenInt(bool flag, int32_t whenTrue, int32_t whenFalse) { return flag ? whenTrue : whenFalse; }

int32_t RoundHalfUp(double x) {
  const double whole = std::trunc(x);
  const double fraction = x - whole;
  const double rounded = whole + (fraction >= 0.5 ? 1.0 : 0.0);
  // Saturate instead of leaving an out-of-range conversion undefined.
  if (!(rounded > static_cast<double>(INT32_MIN))) return rounded != rounded ? 0 : INT32_MIN;
  if (rounded >= static_cast<double>(INT32_MAX)) return INT32_MAX;
  return static_cast<int32_t>(rounded);
}

}  // namespace welmor
