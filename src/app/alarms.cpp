#include "app/alarms.hpp"

#include "textutil/format.hpp"

namespace welmor {

namespace {

const AlarmFields kAlarms[kAlarmCount] = {
    {&Settings::CPUAlarm_1, &Settings::CPUAlarm_1_Value, &Settings::CPUAlarm_1_Interval,
     &Settings::CPUAlarm_1_Count, kCpuAlarmSound, kCpuValueCaption, kCpuIntervalCaption},
    {&Settings::CPUAlarm_2, &Settings::CPUAlarm_2_Value, &Settings::CPUAlarm_2_Interval,
     &Settings::CPUAlarm_2_Count, kCpuAlarmSound, kCpuValueCaption, kCpuIntervalCaption},
    {&Settings::RAMAlarm_1, &Settings::RAMAlarm_1_Value, &Settings::RAMAlarm_1_Interval,
     &Settings::RAMAlarm_1_Count, kRamAlarmSound, kRamValueCaption, kRamIntervalCaption},
    {&Settings::RAMAlarm_2, &Settings::RAMAlarm_2_Value, &Settings::RAMAlarm_2_Interval,
     &Settings::RAMAlarm_2_Count, kRamAlarmSound, kRamValueCaption, kRamIntervalCaption},
};

// CPU usage is compared as an unsigned 32-bit number, RAM load as a 64-bit
// one against the threshold widened without sign. Only CPU alarm 2 is strict.
bool ConditionHolds(AlarmId alarm, uint32_t threshold, int32_t cpuUsage, uint64_t ramLoad) {
  const auto usage = static_cast<uint32_t>(cpuUsage);
  switch (alarm) {
    case AlarmId::CPU1:
      return usage >= threshold;
    case AlarmId::CPU2:
      return usage < threshold;
    case AlarmId::RAM1:
      return ramLoad >= uint64_t{threshold};
    case AlarmId::RAM2:
      return ramLoad <= uint64_t{threshold};
  }
  return false;
}

class SoundingFlag {
 public:
  explicit SoundingFlag(bool& flag) : flag_(flag) { flag_ = true; }
  ~SoundingFlag() { flag_ = false; }
  SoundingFlag(const SoundingFlag&) = delete;
  SoundingFlag& operator=(const SoundingFlag&) = delete;

 private:
  bool& flag_;
};

void AskAlarmNumber(Dialogs& dialogs, int32_t Settings::*field, Settings& settings, const char* caption,
                    const char* prompt, int32_t min, int32_t max, const char* rangeText,
                    const SaveSettingsCallback& save) {
  const std::string answer = dialogs.InputBox(caption, prompt, std::to_string(settings.*field));
  if (answer.empty() || !IsDigits(answer)) {
    dialogs.Message(DialogKind::Error, kAlarmNotANumberText);
  } else {
    // Any run of digits is a number; once it passes max its size no longer matters.
    uint64_t number = 0;
    for (char c : answer) {
      number = number * 10 + static_cast<uint64_t>(c - '0');
      if (number > static_cast<uint64_t>(max)) break;
    }
    if (number < static_cast<uint64_t>(min) || number > static_cast<uint64_t>(max)) {
      dialogs.Message(DialogKind::Error, rangeText);
    } else {
      settings.*field = static_cast<int32_t>(number);
    }
  }
  if (save) save();
}

}  // namespace

const AlarmFields& AlarmFieldsOf(AlarmId alarm) { return kAlarms[static_cast<int>(alarm)]; }

void AlarmMonitor::EvaluateAlarms(Settings& settings, int32_t cpuUsage, uint64_t ramLoad) {
  for (int i = 0; i < kAlarmCount; ++i) {
    const auto alarm = static_cast<AlarmId>(i);
    const AlarmFields& f = kAlarms[i];
    int32_t& count = settings.*f.count;
    if (!(settings.*f.on) ||
        !ConditionHolds(alarm, static_cast<uint32_t>(settings.*f.value), cpuUsage, ramLoad)) {
      count = 0;
      continue;
    }
    count = static_cast<int32_t>(static_cast<uint32_t>(count) + 1);
    if (static_cast<uint32_t>(count) < static_cast<uint32_t>(settings.*f.interval)) continue;
    if (sounding_[i]) continue;  // its report is still open; the count resets when it closes
    if (player_) {
      const SoundingFlag sounding(sounding_[i]);
      player_->PlayAlarmSound(f.sound, kSndAsync);
    }
    settings.*f.count = 0;
  }
}

void FlipAlarm(Settings& settings, AlarmId alarm, const SaveSettingsCallback& save) {
  bool& on = settings.*AlarmFieldsOf(alarm).on;
  on = !on;
  if (save) save();
}

void AskAlarmValue(Dialogs& dialogs, Settings& settings, AlarmId alarm, const SaveSettingsCallback& save) {
  const AlarmFields& f = AlarmFieldsOf(alarm);
  AskAlarmNumber(dialogs, f.value, settings, f.valueCaption, kAlarmValuePrompt, kAlarmValueMin,
                 kAlarmValueMax, kAlarmValueRangeText, save);
}

void AskAlarmInterval(Dialogs& dialogs, Settings& settings, AlarmId alarm, const SaveSettingsCallback& save) {
  const AlarmFields& f = AlarmFieldsOf(alarm);
  AskAlarmNumber(dialogs, f.interval, settings, f.intervalCaption, kAlarmIntervalPrompt, kAlarmIntervalMin,
                 kAlarmIntervalMax, kAlarmIntervalRangeText, save);
}

}  // namespace welmor
