// The change log the history window shows, against a golden text.
#include "windows/change_log.hpp"

#include "change_log_golden.hpp"

#include <gtest/gtest.h>

#include <sstream>
#include <string>
#include <vector>

namespace welmor {
namespace {

std::vector<std::string> Lines(const std::string& text) {
  std::vector<std::string> lines;
  std::size_t from = 0;
  for (;;) {
    const std::size_t at = text.find("\r\n", from);
    lines.push_back(text.substr(from, at == std::string::npos ? std::string::npos : at - from));
    if (at == std::string::npos) return lines;
    from = at + 2;
  }
}

// The whole text: the golden file's lines, written out by hand one a line,
// joined by CR LF, with no break after the last.
TEST(ChangeLog, IsTheGoldenTextLineForLine) {
  std::istringstream file(kGoldenChangeLog);
  std::string golden;
  for (std::string line; std::getline(file, line);) golden += line + "\r\n";
  golden.resize(golden.size() - 2);
  EXPECT_EQ(BuildChangeLog("3.9"), golden);
}

TEST(ChangeLog, TheFirstHeaderTakesTheVersionAsGiven) {
  const struct {
    const char* version;
    const char* header;
  } cases[] = {
      {"3.9", " - 3.9 : < 11-nov-2005 >"}, {".", " - . : < 11-nov-2005 >"}, {"", " -  : < 11-nov-2005 >"}};
  for (const auto& c : cases) EXPECT_EQ(Lines(BuildChangeLog(c.version))[8], c.header);
}

}  // namespace
}  // namespace welmor
