#include "app/panel_content.hpp"

#include <cstring>

namespace welmor {

std::optional<PanelContent> PanelContentFromChar(char stored) {
  if (stored < '1' || stored > '9') return std::nullopt;
  return static_cast<PanelContent>(stored);
}

const std::array<PanelContentInfo, 9>& PanelContents() {
  static const std::array<PanelContentInfo, 9> kContents{{
      {PanelContent::pcFreeRAMMb, "Free RAM (Mb)", "mnuShowFreeRAM_m_P"},
      {PanelContent::pcFreeRAMPct, "Free RAM (%)", "mnuShowFreeRAM_p_P"},
      {PanelContent::pcLoadedRAMPct, "Loaded RAM (%)", "mnuShowLoadedRAM_p_P"},
      {PanelContent::pcFreeSwap, "Free SWAP", "mnuShowFreeSWAP_P"},
      {PanelContent::pcTotalSwap, "Total SWAP", "mnuShowTotalSWAP_P"},
      {PanelContent::pcCpuUsage, "CPU Usage (%)", "mnuShowCPUUsage_P"},
      {PanelContent::pcClock, "System Clock", "mnuShowClock_P"},
      {PanelContent::pcDiskFree, "HDD Free Space", "mnuHDDFreeSpace_P"},
      {PanelContent::pcUptime, "Windows Uptime", "mnuShowWindowsUptime_P"},
  }};
  return kContents;
}

char StoredCharAt(const std::string& stored, int k, const char* startValue) {
  const auto index = static_cast<std::size_t>(k - 1);
  if (index < stored.size()) return stored[index];
  return index < std::strlen(startValue) ? startValue[index] : '\0';
}

void SetStoredCharAt(std::string& stored, int k, char value, const char* startValue) {
  const auto index = static_cast<std::size_t>(k - 1);
  const std::size_t startLength = std::strlen(startValue);
  while (stored.size() <= index && stored.size() < startLength) stored.push_back(startValue[stored.size()]);
  if (index < stored.size()) stored[index] = value;
}

}  // namespace welmor
