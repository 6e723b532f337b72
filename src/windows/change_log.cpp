#include "windows/change_log.hpp"

#include <vector>

#include "windows/contact.hpp"

namespace welmor {

namespace {

const std::string kFirstReleaseLine =
    std::string("  [o] first public release, posted for download on ") + kMakerWebHost + ";";

struct Release {
  const char* version;  // null: the current one, filled in when built
  const char* date;
  std::vector<std::string> lines;
};

// Newest first. The texts are the log as it was written at each release,
// spelling and all.
const std::vector<Release> kReleases = {
    {nullptr,
     "11-nov-2005",
     {"  [*] fixed some bugs with Windows 2K;", "  [*] fixed listing of active processes;", "  [o] ",
      "  [+] added \"HDD Free Space\";", "  [*] changed popup menu layout for better usability;",
      "  [+] added semi-transparent shadow under windows;",
      "  [*] fixed couple of bugs found in alarms code;", "  [*] fixed some more bugs :) ;"}},
    {"3.7",
     "26-apr-2005",
     {"  [*] fixed the annoying x86 RAM size bug, now will", " dispay up to 4Gb of RAM (for the lucky ones);",
      "  [*] modified \"Check for updates\" procedure, now it can be set to verify the web on every start;",
      "  [-] removed \"Close\" button from About and History windows, use ESC key from now on;"}},
    {"3.6",
     "18-apr-2005",
     {"  [+] added \"Colors\" feature, now you can change the color to match your taste;",
      "  [+] added \"Alarms\" feature, enjoy while you render.",
      "  [o] alarms should be read as: \"if CPU/RAM load is bigger/smaller then % value for x sec then make "
      "noise.\"",
      "  [+] added \"System Clock\" option.", "  [*] fixed couple of bugs found;"}},
    {"3.5",
     "28-nov-2004",
     {"  [+] added \"Sticky window\" feature;", "  [+] added code to prevent window to go off screen;",
      "  [*] modified some of the menus layout;", "  [o] still working on Alarms code;",
      "  [*] fixed lots of bugs found in the code;"}},
    {"3.4",
     "09-aug-2003",
     {"  [-] removed Options window, now you can set everything using the PopUp menu;",
      "  [o] still working on Alarms code;", "  [*] fixed some bugs found in graph code;"}},
    {"3.3",
     "07-aug-2003",
     {"  [+] added visual graph indicator for CPU and RAM usage;",
      "  [-] 5 panels are way to much so i`ll keep only 3 from now on;",
      "  [-] removed some useless features;", "  [*] fixed small bugs;"}},
    {"3.2",
     "01-apr-2003",
     {"  [*] fixed \"CPUs Usage\" calculation routine (no more errors on multiple CPUs systems);",
      "  [*] changed internal system information query routine;", "  [*] fixed some bugs;"}},
    {"3.1",
     "09-jan-2003",
     {"  [+] added \"CPUs Usage\" option (work on multiple CPUs systems too);",
      "  [*] changed refresh interval lower limit (1000 msec);",
      "  [+] added OS check because Welmor is quite unstable on 9x/Me systems, now will work only in Windows "
      "2000/XP based systems;",
      "  [*] fixed some bugs;"}},
    {"3.0",
     "23-dec-2002",
     {"  [+] added Options window;", "  [o] now you can get 5 diferent panels;",
      "  [+] added support for horizontal or vertical layout (when is more then one panel active);",
      "  [o] moved some parts of the popup menu in Option window;", "  [+] added two notification alarms;"}},
    {"2.6",
     "15-dec-2002",
     {"  [+] added \"Save Position on Exit\" option. usefull if you wanna keep the Welmor window to a custom "
      "position on your desktop;",
      "  [+] added support for changing window color. you can choose: default gray, sky blue or money green;",
      "  [+] added \"/reset\" command line option. on some computers \"Show Summary on ToolTip\" option make "
      "application unstable. with this option you can reset the setting to default;",
      "  [-] removed \"Show Summary\" command from the popup menu. double-click on main form for summary "
      "information;",
      "  [*] made couple of changes to About window design and content;",
      "  [*] made couple of changes to History window design;"}},
    {"2.5",
     "22-nov-2002",
     {"  [*] some bugs fixed;", "  [o] rewrited some code;",
      "  [+] added support for moving the main window to a custom position on your desktop;"}},
    {"2.4", "27-jul-2002", {"  [o] rewrited some code;", "  [-] removed some useless options;"}},
    {"2.3",
     "21-feb-2002",
     {"  [-] removed \"Show SWAP\" options (useless);", "  [-] removed \"Format\" options (useless);",
      "  [+] added History window;"}},
    {"2.2", "21-jan-2002", {"  [*] fix some bugs found in the save settings routine;"}},
    {"2.1",
     "14-jan-2002",
     {"  [*] some bugs fixed;", "  [+] added \"Show Summary\" command;",
      "  [+] added \"Show Summary\" on ToolTip option;"}},
    {"2.0",
     "10-jan-2002",
     {"  [+] added \"Run on Windows StartUp\" option;",
      "  [*] now make use Registry for saving the settings;"}},
    {"1.2",
     " 8-jan-2002",
     {"  [*] some small bugs fixed;", "  [+] added \"Loaded RAM %\" option;",
      "  [+] added \"Show SWAP\" option;", "  [*] \"Refresh Interval\" bug fixed;"}},
    {"1.1",
     " 4-jan-2002",
     {"  [+] added \"Format\" option;", "  [o] use an .ini file for saving the settings;"}},
    {"1.0", " 2-jan-2002", {kFirstReleaseLine}},
};

constexpr const char* kLegend[] = {
    "",
    " LEGEND:",
    " [o] : Information",
    " [+] : Add something",
    " [-] : Remove something",
    " [*] : Fix / Change",
    "",
    kChangeLogRule,
};

}  // namespace

std::string BuildChangeLog(const std::string& currentVersion) {
  static constexpr const char* kBreak = "\r\n";
  std::string text;
  for (const char* line : kLegend) text += std::string(line) + kBreak;
  bool first = true;
  for (const Release& release : kReleases) {
    // Ends the last entry's line, then two empty lines and the rule.
    if (!first) text += std::string(kBreak) + kBreak + kBreak + kChangeLogRule + kBreak;
    const std::string version = release.version ? std::string("v") + release.version : currentVersion;
    text += std::string(" - ") + version + " : < " + release.date + " >" + kBreak + kChangeLogRule;
    for (const std::string& line : release.lines) text += std::string(kBreak) + line;
    first = false;
  }
  return text;
}

}  // namespace welmor
