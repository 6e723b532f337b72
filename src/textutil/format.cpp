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

std::string FormatFixed2(long double value) {
  const bool negative = std::signbit(value);
  const long double magnitude = std::fabs(value);
  // Work in hundredths. The tiny allowance lets a value that is a half in
  // decimal but sits just below it in binary (0.125 is exact, 1.005 is not)
  // still round away from zero, as a decimal formatter would.
  if (!(magnitude < 1e15L)) {
    // Far beyond any byte count we show; keep the runtime's own text.
    char buffer[64];
    std::snprintf(buffer, sizeof buffer, "%.2f", static_cast<double>(value));
    return buffer;
  }
  const long double hundredths = std::floor(magnitude * 100.0L + 0.5L + 1e-9L);
  const auto whole = static_cast<unsigned long long>(hundredths / 100.0L);
  const auto cents = static_cast<unsigned>(hundredths - static_cast<long double>(whole) * 100.0L);
  std::string text = std::to_string(whole);
  text += '.';
  text += static_cast<char>('0' + cents / 10);
  text += static_cast<char>('0' + cents % 10);
  if (negative && hundredths != 0) text.insert(text.begin(), '-');
  return text;
}

std::string FormatByteSize(int64_t bytes) {
  struct Unit {
    int64_t size;
    const char* suffix;
  };
  static constexpr Unit kUnits[] = {{kTiB, " TiB"}, {kGiB, " GiB"}, {kMiB, " MiB"}, {kKiB, " KiB"}};
  // The unit is chosen before rounding, so 1048575 bytes read "1024.00 KiB".
  for (const Unit& unit : kUnits) {
    if (bytes / unit.size > 0) {
      return FormatFixed2(static_cast<long double>(bytes) / static_cast<long double>(unit.size)) +
             unit.suffix;
    }
  }
  return std::to_string(bytes) + " Byte(s)";
}

std::string FormatUptime(uint32_t milliseconds) {
  uint32_t rest = milliseconds;
  const uint32_t days = rest / 86400000u;
  rest -= days * 86400000u;
  const uint32_t hours = rest / 3600000u;
  rest -= hours * 3600000u;
  const uint32_t minutes = rest / 60000u;
  rest -= minutes * 60000u;
  const uint32_t seconds = rest / 1000u;
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
