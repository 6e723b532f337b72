#include "app/panel_content.hpp"

#include <cstring>

#include "settings/settings.hpp"
#include "sysinfo/probes.hpp"
#include "textutil/format.hpp"

namespace welmor {

namespace {

using S = const PanelSources&;

const PanelContentInfo kContents[] = {
    {PanelContent::pcFreeRAMMb, "Free RAM (Mb)", "mnuShowFreeRAM_m_P",
     [](S s) {
       return PanelShows{"Free RAM: " + FormatByteSize(s.availPhys), s.freePct};
     }},
    {PanelContent::pcFreeRAMPct, "Free RAM (%)", "mnuShowFreeRAM_p_P",
     [](S s) {
       return PanelShows{"Free RAM: " + std::to_string(s.freePct) + " %", s.freePct};
     }},
    {PanelContent::pcLoadedRAMPct, "Loaded RAM (%)", "mnuShowLoadedRAM_p_P",
     [](S s) {
       return PanelShows{"Loaded RAM: " + std::to_string(s.loadPct) + " %", s.loadPct};
     }},
    {PanelContent::pcFreeSwap, "Free SWAP", "mnuShowFreeSWAP_P",
     [](S s) { return PanelShows{"Free SWAP: " + FormatByteSize(s.availSwap)}; }},
    {PanelContent::pcTotalSwap, "Total SWAP", "mnuShowTotalSWAP_P",
     [](S s) { return PanelShows{"Total SWAP: " + FormatByteSize(s.totalSwap)}; }},
    {PanelContent::pcCpuUsage, "CPU Usage (%)", "mnuShowCPUUsage_P",
     [](S s) {
       return PanelShows{std::to_string(s.cpuCount) + " CPUs Usage: " + std::to_string(s.cpuUsage) + "%",
                         s.cpuUsage};
     }},
    {PanelContent::pcClock, "System Clock", "mnuShowClock_P",
     [](S s) { return PanelShows{s.probes.GetLocalTimeText()}; }},
    // Its menu item only opens the drive sub-menu.
    {PanelContent::pcDiskFree, "HDD Free Space", "mnuHDDFreeSpace_P",
     [](S s) {
       const char drive = StoredCharAt(s.settings.ContentHDDs, s.panel, kDefaultContentHDDs);
       return PanelShows{std::string("Drive ") + drive + ": " +
                         FormatByteSize(s.probes.GetDriveFreeSpace(drive))};
     }},
    {PanelContent::pcUptime, "Windows Uptime", "mnuShowWindowsUptime_P",
     [](S s) { return PanelShows{"System Uptime: " + s.probes.GetUptimeText()}; }},
};

}  // namespace

std::span<const PanelContentInfo> PanelContents() { return kContents; }

const PanelContentInfo* PanelContentFromChar(char stored) {
  for (const PanelContentInfo& row : kContents) {
    if (static_cast<char>(row.content) == stored) return &row;
  }
  return nullptr;
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
