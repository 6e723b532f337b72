#pragma once
// The four alarms: two on CPU usage, two on the load of physical memory.
// Each counts the consecutive refresh ticks on which its condition held and
// sounds when the count reaches its interval. Their switches, thresholds and
// intervals are set from the "&Alarms" menu through the commands below.

#include <array>
#include <cstdint>
#include <functional>
#include <string>

#include "app/sound_player.hpp"
#include "settings/settings.hpp"
#include "toolkit/dialogs.hpp"

namespace welmor {

enum class AlarmId { CPU1, CPU2, RAM1, RAM2 };  // evaluation order
inline constexpr int kAlarmCount = 4;

inline constexpr const char* kCpuAlarmSound = "SOUND1";
inline constexpr const char* kRamAlarmSound = "SOUND2";

inline constexpr const char* kCpuValueCaption = "CPU Usage value for this alarm ...";
inline constexpr const char* kRamValueCaption = "RAM Load value for this alarm ...";
inline constexpr const char* kAlarmValuePrompt = "Intert a value, usually bigger then 60%.";
inline constexpr const char* kCpuIntervalCaption = "CPU Usage query interval for this alarm ...";
inline constexpr const char* kRamIntervalCaption = "RAM Load query interval for this alarm ...";
inline constexpr const char* kAlarmIntervalPrompt = "Intert a value, usually not smaller then 30s.";
inline constexpr const char* kAlarmNotANumberText = "Value not a number! Try again.";
inline constexpr const char* kAlarmValueRangeText = "Value not in allowed range ( 10 - 100 ).";
inline constexpr const char* kAlarmIntervalRangeText = "Value not in allowed range ( 10s - 1h ).";

inline constexpr int32_t kAlarmValueMin = 10;
inline constexpr int32_t kAlarmValueMax = 100;
inline constexpr int32_t kAlarmIntervalMin = 10;
inline constexpr int32_t kAlarmIntervalMax = 3600;

// Where one alarm lives in the settings record, and what it plays and asks.
struct AlarmFields {
  bool Settings::*on;
  int32_t Settings::*value;     // threshold, percent
  int32_t Settings::*interval;  // consecutive refresh ticks
  int32_t Settings::*count;     // ticks counted so far; never stored
  const char* sound;
  const char* valueCaption;
  const char* intervalCaption;
};

const AlarmFields& AlarmFieldsOf(AlarmId alarm);

// Runs the alarms once per refresh tick.
class AlarmMonitor {
 public:
  // Without a player the alarms count and reset but make no sound.
  explicit AlarmMonitor(SoundPlayer* player) : player_(player) {}

  // One tick: cpuUsage as the sampler gave it (compared without sign, so
  // -1 counts as very high), ramLoad the loaded memory in percent.
  void EvaluateAlarms(Settings& settings, int32_t cpuUsage, uint64_t ramLoad);

 private:
  // A sound that cannot be had keeps its alarm inside PlayAlarmSound until
  // the user closes the report, while the refresh timer keeps ticking; those
  // ticks must not open a second report for the same alarm.
  std::array<bool, kAlarmCount> sounding_{};
  SoundPlayer* player_;
};

using SaveSettingsCallback = std::function<void()>;

// Switches the alarm on or off, then saves.
void FlipAlarm(Settings& settings, AlarmId alarm, const SaveSettingsCallback& save);

// Asks for the alarm's threshold (10 to 100) or interval (10 to 3600). A
// refused answer keeps the old value after an error box; the settings are
// saved in every case, Cancel included.
void AskAlarmValue(Dialogs& dialogs, Settings& settings, AlarmId alarm, const SaveSettingsCallback& save);
void AskAlarmInterval(Dialogs& dialogs, Settings& settings, AlarmId alarm, const SaveSettingsCallback& save);

}  // namespace welmor
