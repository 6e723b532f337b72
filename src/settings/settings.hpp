#pragma once
// The record of every setting of the widget. A key that lacks a value leaves
// its field at whatever it held before the load.

#include <cstdint>
#include <span>
#include <string>
#include <variant>

namespace welmor {

// One line per value of the settings key after Version, in the order they
// are read and written, each named after its field:
//   X(field, type, start value, first-run value[, lowest, highest])
// A first-run value may use screenWidth. A stored number outside lowest..
// highest reads as the start value: a hand-edited key cannot stall the widget.
// clang-format off
#define WELMOR_STORED_SETTINGS(X)                                    \
  X(ContentPanels,       std::string, "167",    "167")               \
  X(ContentHDDs,         std::string, "CCC",    "CCC")               \
  X(GraphCPU,            bool,        false,    false)               \
  X(GraphRAM,            bool,        false,    false)               \
  X(CPUAlarm_1,          bool,        true,     false)               \
  X(CPUAlarm_1_Value,    int32_t,     50,       50)                  \
  X(CPUAlarm_1_Interval, int32_t,     10,       10)                  \
  X(CPUAlarm_2,          bool,        false,    false)               \
  X(CPUAlarm_2_Value,    int32_t,     50,       50)                  \
  X(CPUAlarm_2_Interval, int32_t,     10,       10)                  \
  X(RAMAlarm_1,          bool,        false,    false)               \
  X(RAMAlarm_1_Value,    int32_t,     50,       50)                  \
  X(RAMAlarm_1_Interval, int32_t,     10,       10)                  \
  X(RAMAlarm_2,          bool,        false,    false)               \
  X(RAMAlarm_2_Value,    int32_t,     50,       50)                  \
  X(RAMAlarm_2_Interval, int32_t,     10,       10)                  \
  X(ColorT,              uint32_t,    0,        0)        /* black */    \
  X(ColorB,              uint32_t,    255,      255)      /* red */      \
  X(ColorBG,             uint32_t,    15780518, 15780518) /* sky blue */ \
  X(Sticky,              bool,        false,    false)               \
  X(ShowProcesses,       bool,        true,     true)                \
  X(AutoUpdate,          bool,        true,     true)                \
  X(Interval,            int32_t,     1,        1,   1, 60) /* refresh, s */ \
  X(SavePosition,        bool,        true,     true)                \
  X(PTop,                int32_t,     0,        5)                   \
  X(PLeft,               int32_t,     0,        screenWidth / 2)
// clang-format on

struct Settings {
#define WELMOR_SETTING_FIELD(field, type, start, ...) type field = start;
  WELMOR_STORED_SETTINGS(WELMOR_SETTING_FIELD)
#undef WELMOR_SETTING_FIELD

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

// The list's lines; a value as the key holds it is a text or a DWORD.
struct StoredSetting {
  const char* name;
  std::variant<std::string Settings::*, bool Settings::*, int32_t Settings::*, uint32_t Settings::*> field;
  int32_t lowest = INT32_MIN, highest = INT32_MAX;
};
std::span<const StoredSetting> StoredSettings();
using StoredData = std::variant<std::string, int32_t>;
StoredData StoredValue(const Settings& settings, const StoredSetting& stored);
Settings FirstRunSettings(int32_t screenWidth);

// Refresh timer period for Interval seconds, which loads and the refresh
// dialog keep in 1..60.
inline uint32_t RefreshIntervalMs(const Settings& settings) {
  return static_cast<uint32_t>(settings.Interval) * 1000;
}

}  // namespace welmor
