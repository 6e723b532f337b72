#pragma once
// The record of every setting of the widget. The member initialisers are the
// values the program starts with before anything is loaded; a key that lacks
// a value leaves its field at whatever it held before the load.

#include <cstdint>
#include <string>

namespace welmor {

struct Settings {
  // Values of the settings key, in the order they are read and written.
  std::string ContentPanels = "167";  // PanelContent code of panels 1..3
  std::string ContentHDDs = "CCC";    // drive letter of panels 1..3
  bool GraphCPU = false;
  bool GraphRAM = false;
  bool CPUAlarm_1 = true;
  int32_t CPUAlarm_1_Value = 50;
  int32_t CPUAlarm_1_Interval = 10;
  bool CPUAlarm_2 = false;
  int32_t CPUAlarm_2_Value = 50;
  int32_t CPUAlarm_2_Interval = 10;
  bool RAMAlarm_1 = false;
  int32_t RAMAlarm_1_Value = 50;
  int32_t RAMAlarm_1_Interval = 10;
  bool RAMAlarm_2 = false;
  int32_t RAMAlarm_2_Value = 50;
  int32_t RAMAlarm_2_Interval = 10;
  uint32_t ColorT = 0;          // black
  uint32_t ColorB = 255;        // red
  uint32_t ColorBG = 15780518;  // 0xF0CAA6, sky blue
  bool Sticky = false;
  bool ShowProcesses = true;
  bool AutoUpdate = true;
  int32_t Interval = 1;  // refresh interval, seconds
  bool SavePosition = true;
  int32_t PTop = 0;
  int32_t PLeft = 0;

  // Whether the machine's Run entry names the running executable; read back
  // from the Run key at every load.
  bool RunAtStartup = false;
  // The Version value found by the last load.
  std::string SettingsVersion;

  // Consecutive refresh ticks on which each alarm's condition held; the
  // alarms keep them, nothing stores them.
  int32_t CPUAlarm_1_Count = 0;
  int32_t CPUAlarm_2_Count = 0;
  int32_t RAMAlarm_1_Count = 0;
  int32_t RAMAlarm_2_Count = 0;
};

// Refresh timer period in milliseconds for Interval seconds. An Interval of 0
// or less can only come from a hand-edited key; it would make the timer fire
// as fast as the system allows, so it runs at one second instead (the stored
// value is left alone). Very large values stop at the longest period a
// window timer accepts.
uint32_t RefreshIntervalMs(const Settings& settings);

}  // namespace welmor
