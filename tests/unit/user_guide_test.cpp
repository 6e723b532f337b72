// Every text the user's guide (docs/README.md, compiled in) puts in double
// quotes is one the program shows; one ending in "..." may stand for more.
#include <regex>

#include "textutil/format.hpp"
#include "unit/main_form_fixture.hpp"
#include "user_guide.hpp"

namespace welmor {
namespace {

using UserGuide = testenv::MainFormTest;
using testenv::kGiB;

std::string Replace(const std::string& text, const char* pattern, const char* with) {
  return std::regex_replace(text, std::regex(pattern), with);
}
std::string OneLine(const std::string& text) { return TrimSpaces(Replace(text, R"(\s*\n\s*)", " ")); }

void AddCaptions(const MenuItem& parent, std::set<std::string>& shown) {
  for (const MenuItem* item : parent.Items()) shown.insert(Replace(item->Caption(), "&", ""));
  for (const MenuItem* item : parent.Items()) AddCaptions(*item, shown);
}

TEST_F(UserGuide, QuotesOnlyWhatTheProgramShows) {
  os.Set(6, 0, 6000, kPlatformWin32Nt, "");  // a Windows it refuses, at its first start
  Start();
  Tick();
  form->mnu->Popup(10, 10);
  std::set<std::string> shown;
  AddCaptions(form->mnu->Items(), shown);
  for (const auto& box : backend.dialogs.shown) shown.insert(OneLine(box.text));
  for (const char* text :
       {kPanelStartCaption, kOtherVersionNotice, kAlarmNotANumberText, kAlarmValueRangeText,
        kAlarmIntervalRangeText, kTextOnBackground, kBackgroundUnderText})
    shown.insert(OneLine(text));
  shown.insert({SetDataFailedText("Version"), InvalidDataTypeText("Interval"), form->AppInfo().ProductName(),
                OneLine(form->AppInfo().FileNiceVersion())});
  ticks.ticks = ((2 * 60 + 41) * 60 + 7) * 1000;
  const PanelSources figures{kGiB * 3 / 2, 37, 63, 2 * kGiB, kGiB * 7 / 2, 2, 7, 1, form->S(), probes};
  for (const PanelContentInfo& content : PanelContents()) shown.insert(content.fill(figures).text);

  const std::string guide =
      Replace(OneLine(Replace(kUserGuide, "```[^`]*```|`[^`]*`", "")), R"(\\([[:punct:]]))", "$1");
  const std::regex quoted("\"([^\"]*)\"");
  int quotes = 0;
  for (std::sregex_iterator q(guide.begin(), guide.end(), quoted), end; q != end; ++q, ++quotes) {
    const std::string quote = (*q)[1],
                      stem = quote.ends_with("...") ? quote.substr(0, quote.size() - 3) : "\n";
    const auto after = shown.lower_bound(stem);
    EXPECT_TRUE(shown.contains(quote) || (after != shown.end() && after->starts_with(stem)))
        << "the guide quotes \"" << quote << "\", which the program does not show";
  }
  EXPECT_GE(quotes, 50);
}

}  // namespace
}  // namespace welmor
