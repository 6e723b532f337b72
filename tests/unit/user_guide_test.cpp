// The user's guide (docs/README.md, compiled in) quotes in double quotes
// only what the program shows: menu captions, messages and panel texts for
// the figures below. A quote ending in "..." stands for a longer text.
#include <gtest/gtest.h>

#include <regex>
#include <set>
#include <string>

#include "textutil/format.hpp"
#include "unit/main_form_fixture.hpp"
#include "user_guide.hpp"

namespace welmor {
namespace {

using UserGuideTest = testenv::MainFormTest;

// A text as one line: line breaks with the spaces around them become one
// space, as the guide wraps it.
std::string OneLine(const std::string& text) {
  return TrimSpaces(std::regex_replace(text, std::regex(R"(\s*\n\s*)"), " "));
}

void AddCaptions(const MenuItem& parent, std::set<std::string>& shown) {
  for (const MenuItem* item : parent.Items()) {
    shown.insert(std::regex_replace(item->Caption(), std::regex("&"), ""));
    AddCaptions(*item, shown);
  }
}

TEST_F(UserGuideTest, QuotesOnlyWhatTheProgramShows) {
  os.Set(6, 0, 6000, kPlatformWin32Nt, "");  // a Windows it refuses, at its first start
  Start();
  Tick();
  form->mnu->Popup(10, 10);
  std::set<std::string> shown;
  AddCaptions(form->mnu->Items(), shown);
  for (const auto& box : backend.dialogs.shown) shown.insert(OneLine(box.text));
  for (const std::string& text :
       {std::string(kPanelStartCaption), std::string(kOtherVersionNotice), SetDataFailedText("Version"),
        InvalidDataTypeText("Interval"), std::string(kAlarmNotANumberText), std::string(kAlarmValueRangeText),
        std::string(kAlarmIntervalRangeText), std::string(kTextOnBackground),
        std::string(kBackgroundUnderText), form->AppInfo().ProductName(), form->AppInfo().FileNiceVersion()})
    shown.insert(OneLine(text));
  ticks.ticks = ((2 * 60 + 41) * 60 + 7) * 1000;
  const std::function<std::string()> clock = [] { return std::string("12:34:56"); };
  const PanelSources figures{
      testenv::kGiB * 3 / 2, 37, 63, 2 * testenv::kGiB, testenv::kGiB * 7 / 2, 2, 7, 'C', probes, clock};
  for (const PanelContentInfo& content : PanelContents()) shown.insert(content.fill(figures).text);

  std::string guide = std::regex_replace(kUserGuide, std::regex("```[^`]*```|`[^`]*`"), "");
  guide = std::regex_replace(OneLine(guide), std::regex(R"(\\([[:punct:]]))"), "$1");
  int quotes = 0;
  const std::regex quoted("\"([^\"]*)\"");
  for (std::sregex_iterator q(guide.begin(), guide.end(), quoted), end; q != end; ++q) {
    const std::string quote = (*q)[1];
    const std::string stem = quote.ends_with("...") ? quote.substr(0, quote.size() - 3) : "\n";
    const auto after = shown.lower_bound(stem);
    EXPECT_TRUE(shown.contains(quote) || (after != shown.end() && after->starts_with(stem)))
        << "the guide quotes \"" << quote << "\", which the program does not show";
    ++quotes;
  }
  EXPECT_GE(quotes, 50);
}

}  // namespace
}  // namespace welmor
