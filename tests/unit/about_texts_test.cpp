// What the about window's links open and how its file date reads.
#include <gtest/gtest.h>

#include <optional>

#include "fakes/fake_about_platform.hpp"
#include "windows/about_links.hpp"
#include "windows/about_platform.hpp"

namespace welmor {
namespace {

TEST(AboutLinks, TheWebLinkGetsTheSchemeUnlessItStartsWithExactlyIt) {
  const struct {
    const char* host;
    const char* target;
  } cases[] = {
      {"welmor.example.org", "http://welmor.example.org"},
      {"http://welmor.example.org", "http://welmor.example.org"},
      {"HTTP://welmor.example.org", "http://HTTP://welmor.example.org"},
      {"http:/welmor.example.org", "http://http:/welmor.example.org"},
      {"", "http://"},
  };
  for (const auto& c : cases) EXPECT_EQ(WebLinkTarget(c.host), c.target) << c.host;
}

TEST(AboutLinks, TheMailLinkNamesProductVersionAndSystemUnescaped) {
  EXPECT_EQ(EmailLinkTarget("a@example.org", "Welmor", " v3.9 (Build: 5.15)",
                            "Win NT 5.1 (Build: 2600 Service Pack 3)"),
            "mailto:a@example.org?subject=About Welmor v3.9 (Build: 5.15) (Win NT 5.1 (Build: 2600 Service "
            "Pack 3))");
  EXPECT_EQ(EmailLinkTarget("a@example.org", "", " v. (Build: .)", ""),
            "mailto:a@example.org?subject=About  v. (Build: .) ()");
}

TEST(FileDate, TheTimeIsLeftOutAtExactlyMidnightOnly) {
  const struct {
    std::optional<LocalDateTime> when;
    const char* text;
  } cases[] = {
      {LocalDateTime{2005, 11, 11, 0, 0, 0}, "11/11/2005"},
      {LocalDateTime{2005, 11, 11, 0, 0, 1}, "11/11/2005 0:00:01"},
      {LocalDateTime{2005, 11, 11, 0, 1, 0}, "11/11/2005 0:01:00"},
      {LocalDateTime{2005, 11, 11, 12, 0, 0}, "11/11/2005 12:00:00"},
      {LocalDateTime{2004, 2, 29, 23, 59, 59}, "29/2/2004 23:59:59"},
      {std::nullopt, ""},
  };
  for (const auto& c : cases) {
    FakeAboutPlatform platform;
    platform.modified = c.when;
    EXPECT_EQ(FileDateText(platform), c.text);
  }
}

}  // namespace
}  // namespace welmor
