// The change log the history window shows, line by line.
#include "windows/change_log.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

namespace welmor {
namespace {

const std::string kRule(43, '~');

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

// "  [o] ", "  [+] ", "  [-] " or "  [*] " and the text.
bool IsEntry(const std::string& line) {
  return line.size() >= 6 && line.compare(0, 3, "  [") == 0 &&
         std::string("o+-*").find(line[3]) != std::string::npos && line.compare(4, 2, "] ") == 0;
}

TEST(ChangeLog, LegendThenTheCurrentReleaseUnderItsRule) {
  const std::vector<std::string> lines = Lines(BuildChangeLog("3.9"));
  const std::vector<std::string> head = {"",
                                         " LEGEND:",
                                         " [o] : Information",
                                         " [+] : Add something",
                                         " [-] : Remove something",
                                         " [*] : Fix / Change",
                                         "",
                                         kRule,
                                         " - 3.9 : < 11-nov-2005 >",
                                         kRule,
                                         "  [*] fixed some bugs with Windows 2K;",
                                         "  [*] fixed listing of active processes;",
                                         "  [o] ",
                                         "  [+] added \"HDD Free Space\";",
                                         "  [*] changed popup menu layout for better usability;",
                                         "  [+] added semi-transparent shadow under windows;",
                                         "  [*] fixed couple of bugs found in alarms code;",
                                         "  [*] fixed some more bugs :) ;",
                                         "",
                                         "",
                                         kRule,
                                         " - v3.7 : < 26-apr-2005 >",
                                         kRule,
                                         "  [*] fixed the annoying x86 RAM size bug, now will",
                                         " dispay up to 4Gb of RAM (for the lucky ones);"};
  ASSERT_GT(lines.size(), head.size());
  for (std::size_t i = 0; i < head.size(); ++i) EXPECT_EQ(lines[i], head[i]) << "line " << i;
}

TEST(ChangeLog, NineteenSectionsNewestFirstEachBehindTwoEmptyLinesAndTheRule) {
  const std::vector<std::string> lines = Lines(BuildChangeLog("3.9"));
  const std::vector<std::string> headers = {
      " - 3.9 : < 11-nov-2005 >",  " - v3.7 : < 26-apr-2005 >", " - v3.6 : < 18-apr-2005 >",
      " - v3.5 : < 28-nov-2004 >", " - v3.4 : < 09-aug-2003 >", " - v3.3 : < 07-aug-2003 >",
      " - v3.2 : < 01-apr-2003 >", " - v3.1 : < 09-jan-2003 >", " - v3.0 : < 23-dec-2002 >",
      " - v2.6 : < 15-dec-2002 >", " - v2.5 : < 22-nov-2002 >", " - v2.4 : < 27-jul-2002 >",
      " - v2.3 : < 21-feb-2002 >", " - v2.2 : < 21-jan-2002 >", " - v2.1 : < 14-jan-2002 >",
      " - v2.0 : < 10-jan-2002 >", " - v1.2 : <  8-jan-2002 >", " - v1.1 : <  4-jan-2002 >",
      " - v1.0 : <  2-jan-2002 >"};
  // Entry lines per section, newest first; 3.7 has one entry on two lines.
  const std::vector<std::size_t> entries = {8, 4, 5, 5, 3, 4, 3, 4, 5, 6, 3, 2, 3, 1, 3, 2, 4, 2, 1};
  std::size_t at = 8;  // the legend's eight lines come first
  for (std::size_t s = 0; s < headers.size(); ++s) {
    SCOPED_TRACE(headers[s]);
    if (s > 0) {
      ASSERT_LT(at + 2, lines.size());
      EXPECT_EQ(lines[at], "");
      EXPECT_EQ(lines[at + 1], "");
      EXPECT_EQ(lines[at + 2], kRule);
      at += 3;
    }
    ASSERT_LT(at + 1 + entries[s], lines.size());
    EXPECT_EQ(lines[at], headers[s]);
    EXPECT_EQ(lines[at + 1], kRule);
    for (std::size_t e = 0; e < entries[s]; ++e) {
      const std::string& line = lines[at + 2 + e];
      if (s == 1 && e == 1) continue;  // the continuation line, checked above
      EXPECT_TRUE(IsEntry(line)) << line;
    }
    at += 2 + entries[s];
  }
  EXPECT_EQ(at, lines.size());  // nothing after the oldest entry
  EXPECT_EQ(lines.size(), 168u);
}

TEST(ChangeLog, TheOldestEntryNamesTheSiteAndNoLineBreakEndsTheText) {
  const std::string text = BuildChangeLog("3.9");
  const std::vector<std::string> lines = Lines(text);
  EXPECT_EQ(lines.back(), "  [o] first public release, posted for download on welmor.example.org;");
  EXPECT_NE(text.substr(text.size() - 2), "\r\n");
  // Every break is CR LF: as many pairs as carriage returns and line feeds.
  std::size_t pairs = 0;
  for (std::size_t at = text.find("\r\n"); at != std::string::npos; at = text.find("\r\n", at + 2)) ++pairs;
  EXPECT_EQ(pairs, 167u);
  EXPECT_EQ(std::count(text.begin(), text.end(), '\r'), 167);
  EXPECT_EQ(std::count(text.begin(), text.end(), '\n'), 167);
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
