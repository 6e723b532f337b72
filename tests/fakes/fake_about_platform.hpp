#pragma once
// An AboutPlatform that answers from fields and records what was opened.
// Dates come out as D/M/YYYY and times as H:MM:SS, enough to see which parts
// a text is made of.

#include <cstdio>
#include <optional>
#include <string>
#include <vector>

#include "windows/about_platform.hpp"

namespace welmor {

class FakeAboutPlatform : public AboutPlatform {
 public:
  std::optional<LocalDateTime> modified = LocalDateTime{2005, 11, 11, 14, 5, 9};
  std::vector<std::string> opened;

  std::optional<LocalDateTime> ExecutableModified() override { return modified; }
  std::string ShortDateText(const LocalDateTime& t) override {
    return Format("%d/%d/%d", t.day, t.month, t.year);
  }
  std::string LongTimeText(const LocalDateTime& t) override {
    return Format("%d:%02d:%02d", t.hour, t.minute, t.second);
  }
  void Open(const std::string& target) override { opened.push_back(target); }

 private:
  static std::string Format(const char* format, int a, int b, int c) {
    char text[32];
    std::snprintf(text, sizeof text, format, a, b, c);
    return text;
  }
};

}  // namespace welmor
