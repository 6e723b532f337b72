#pragma once
// What a panel shows, stored as one character "1".."9" per panel in
// ContentPanels; a disk panel's drive letter is the same place of ContentHDDs.

#include <array>
#include <cstdint>
#include <optional>
#include <string>

namespace welmor {

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

// The content a stored character names, or nothing for any other character
// (the panel then keeps its last text).
std::optional<PanelContent> PanelContentFromChar(char stored);

struct PanelContentInfo {
  PanelContent content;
  const char* caption;     // menu caption
  const char* namePrefix;  // menu item name without the panel number
};
// In menu order.
const std::array<PanelContentInfo, 9>& PanelContents();

// Character k (1-based) of a stored three-character text. A text cut short
// by hand reads the missing places from the start value.
char StoredCharAt(const std::string& stored, int k, const char* startValue);
// Sets character k, first filling a short text up from the start value so
// that the other panels keep what they read.
void SetStoredCharAt(std::string& stored, int k, char value, const char* startValue);

}  // namespace welmor
