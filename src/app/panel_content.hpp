#pragma once
// What a panel shows, stored as one character "1".."9" per panel in
// ContentPanels; a disk panel's drive letter is the same place of ContentHDDs.
// Each content is one row of PanelContents(), which the panel menus, their
// marks and the refresh tick read (README: "Adding a panel content ...").

#include <cstdint>
#include <optional>
#include <span>
#include <string>

namespace welmor {

class Probes;
struct Settings;

enum class PanelContent : char {
  pcFreeRAMMb = '1',
  pcFreeRAMPct = '2',
  pcLoadedRAMPct = '3',
  pcFreeSwap = '4',
  pcTotalSwap = '5',
  pcCpuUsage = '6',
  pcClock = '7',
  pcDiskFree = '8',
  pcUptime = '9',
};

inline constexpr int kPanelCount = 3;
inline constexpr const char* kDefaultContentPanels = "167";
inline constexpr const char* kDefaultContentHDDs = "CCC";

// The figures of one refresh tick and where a panel reads the rest.
struct PanelSources {
  int64_t availPhys, freePct, loadPct, availSwap, totalSwap;
  int32_t cpuCount, cpuUsage;
  int panel;  // 1..kPanelCount
  const Settings& settings;
  Probes& probes;
};

// A panel's text and bar: a percentage sets the bar's maximum to 100 before
// the text and the position after it; none sets the position 0 before it.
struct PanelShows {
  std::string text;
  std::optional<int64_t> percent{};
};

struct PanelContentInfo {
  PanelContent content;    // its value is the stored character
  const char* caption;     // menu caption
  const char* namePrefix;  // menu item name without the panel number
  PanelShows (*fill)(const PanelSources&);
};
// In menu order.
std::span<const PanelContentInfo> PanelContents();

// The row a stored character names, or null for any other character (the
// panel then keeps its last text).
const PanelContentInfo* PanelContentFromChar(char stored);

// Character k (1-based) of a stored three-character text. A text cut short
// by hand reads the missing places from the start value.
char StoredCharAt(const std::string& stored, int k, const char* startValue);
// Sets character k, first filling a short text up from the start value so
// that the other panels keep what they read.
void SetStoredCharAt(std::string& stored, int k, char value, const char* startValue);

}  // namespace welmor
