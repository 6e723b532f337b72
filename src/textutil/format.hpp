#pragma once
// Small pure helpers that turn numbers into panel texts and pick between two
// values. None of them keeps state or touches the operating system.

#include <cstdint>
#include <string>
#include <vector>

namespace welmor {

// Binary units with two decimals ("1.50 KiB"); below 1024 bytes, and for zero
// and negative counts, the count followed by " Byte(s)".
std::string FormatByteSize(int64_t bytes);

// "days:hours:minutes:seconds" without leading zeros; milliseconds dropped.
std::string FormatUptime(uint64_t milliseconds);

// Splits at every occurrence of the delimiter; n delimiters give n + 1 parts.
std::vector<std::string> Explode(const std::string& delimiter, const std::string& text);

// Only the space character (code 32) is trimmed; tabs stay.
std::string TrimLeftSpaces(const std::string& text);
std::string TrimRightSpaces(const std::string& text);
std::string TrimSpaces(const std::string& text);

// True when every character is 0..9; the empty text is true, so callers
// converting to a number refuse the empty text themselves.
bool IsDigits(const std::string& text);

// 1-based position of the last occurrence of ch, or -1.
int32_t LastCharPos(char ch, const std::string& text);

std::string IfThenStr(bool flag, const std::string& whenTrue, const std::string& whenFalse);
int32_t IfThenInt(bool flag, int32_t whenTrue, int32_t whenFalse);

// trunc(x) + 1 when frac(x) >= 0.5, else trunc(x); negatives truncate toward
// zero (-2.5 gives -2).
int32_t RoundHalfUp(double x);

}  // namespace welmor
