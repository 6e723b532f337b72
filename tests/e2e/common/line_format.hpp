#pragma once
// Fields of the driver's output are separated by tabs, one record a line, so
// that bash can split them with `IFS=$'\t' read`. Texts are escaped so that a
// tab or line break inside a window text cannot break a record.

#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

namespace welmor::e2e {

// Backslash, tab, CR and LF become \\ \t \r \n; other control bytes \xHH.
inline std::string EscapeText(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  for (const char c : text) {
    switch (c) {
      case '\\': out += "\\\\"; break;
      case '\t': out += "\\t"; break;
      case '\r': out += "\\r"; break;
      case '\n': out += "\\n"; break;
      default:
        if (static_cast<unsigned char>(c) < 0x20) {
          char hex[8];
          std::snprintf(hex, sizeof hex, "\\x%02X", static_cast<unsigned>(static_cast<unsigned char>(c)));
          out += hex;
        } else {
          out += c;
        }
    }
  }
  return out;
}

// One segment of a menu path: escaped like a text, and "/" as "\/" because
// "/" separates the segments.
inline std::string EscapeMenuSegment(std::string_view caption) {
  std::string out;
  for (const char c : EscapeText(caption)) {
    if (c == '/') out += '\\';
    out += c;
  }
  return out;
}

// Splits a path written with EscapeMenuSegment segments and undoes the escapes.
inline std::vector<std::string> SplitMenuPath(std::string_view path) {
  std::vector<std::string> segments(1);
  for (size_t i = 0; i < path.size(); ++i) {
    const char c = path[i];
    if (c == '/') {
      segments.emplace_back();
    } else if (c == '\\' && i + 1 < path.size()) {
      const char next = path[++i];
      switch (next) {
        case 't': segments.back() += '\t'; break;
        case 'r': segments.back() += '\r'; break;
        case 'n': segments.back() += '\n'; break;
        case 'x':
          if (i + 2 < path.size()) {
            segments.back() += static_cast<char>(std::stoi(std::string(path.substr(i + 1, 2)), nullptr, 16));
            i += 2;
          }
          break;
        default: segments.back() += next;  // \\ and \/ and anything else literally
      }
    } else {
      segments.back() += c;
    }
  }
  return segments;
}

// A caption as the user reads it: access-key markers dropped, "&&" kept as "&".
inline std::string WithoutAccessKeys(std::string_view caption) {
  std::string out;
  for (size_t i = 0; i < caption.size(); ++i) {
    if (caption[i] == '&') {
      if (i + 1 < caption.size() && caption[i + 1] == '&') out += '&', ++i;
      continue;
    }
    out += caption[i];
  }
  return out;
}

}  // namespace welmor::e2e
