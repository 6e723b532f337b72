// The four alarms over a run of refresh ticks, and their threshold and
// interval dialogs answered from a script.
#include "app/alarms.hpp"

#include <gtest/gtest.h>

#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "fakes/fake_sound_player.hpp"
#include "toolkit/headless/headless_backend.hpp"

namespace welmor {
namespace {

Settings AllOff() {
  Settings s;
  s.CPUAlarm_1 = s.CPUAlarm_2 = s.RAMAlarm_1 = s.RAMAlarm_2 = false;
  return s;
}

struct Phase {
  int ticks;
  int32_t cpu;
  uint64_t ram;
  std::function<void(Settings&)> before = {};
};

struct Sequence {
  const char* name;
  std::function<void(Settings&)> setUp;
  std::vector<Phase> phases;
  const char* heard;
};

TEST(Alarms, SequencesOfTicks) {
  const auto cpu1 = [](Settings& s) { s.CPUAlarm_1 = true; };
  const std::vector<Sequence> sequences = {
      {"every interval-th tick", cpu1, {{30, 50, 0}}, "10:SOUND1 20:SOUND1 30:SOUND1"},
      {"a dip at tick 9 restarts the count", cpu1, {{8, 50, 0}, {1, 49, 0}, {12, 50, 0}}, "19:SOUND1"},
      {"CPU alarm 2 is strict",
       [](Settings& s) { s.CPUAlarm_2 = true; },
       {{12, 50, 0}, {10, 49, 0}},
       "22:SOUND1"},
      {"RAM alarm 2 counts at equality, RAM alarm 1 too",
       [](Settings& s) {
         s.RAMAlarm_2 = true;
         s.RAMAlarm_1 = true;
         s.RAMAlarm_1_Interval = 11;
       },
       {{11, 0, 50}},
       "10:SOUND2 11:SOUND2"},
      {"RAM alarm 2 not above, RAM alarm 1 not below",
       [](Settings& s) { s.RAMAlarm_2 = s.RAMAlarm_1 = true; },
       {{10, 0, 51}, {10, 0, 49}},
       "10:SOUND2 20:SOUND2"},
      {"-1 counts for CPU alarm 1 and resets CPU alarm 2",
       [](Settings& s) { s.CPUAlarm_1 = s.CPUAlarm_2 = true; },
       {{9, 10, 0}, {10, -1, 0}, {10, 10, 0}},
       "19:SOUND1 29:SOUND1"},
      {"off and on again starts from 0",
       cpu1,
       {{5, 50, 0},
        {1, 50, 0, [](Settings& s) { s.CPUAlarm_1 = false; }},
        {10, 50, 0, [](Settings& s) { s.CPUAlarm_1 = true; }}},
       "16:SOUND1"},
      {"a changed interval applies from the next tick, the count kept",
       cpu1,
       {{5, 50, 0}, {7, 50, 0, [](Settings& s) { s.CPUAlarm_1_Interval = 3; }}},
       "6:SOUND1 9:SOUND1 12:SOUND1"},
      {"a changed threshold does not reset the count",
       cpu1,
       {{5, 50, 0}, {5, 50, 0, [](Settings& s) { s.CPUAlarm_1_Value = 20; }}},
       "10:SOUND1"},
      {"two alarms in one tick: the RAM sound comes last",
       [](Settings& s) { s.CPUAlarm_1 = s.RAMAlarm_1 = true; },
       {{10, 60, 60}},
       "10:SOUND1 10:SOUND2"},
      {"an interval of 0 sounds every tick, a negative one never",
       [](Settings& s) {
         s.CPUAlarm_1 = s.RAMAlarm_1 = true;
         s.CPUAlarm_1_Interval = 0;
         s.RAMAlarm_1_Interval = -1;
       },
       {{2, 60, 60}},
       "1:SOUND1 2:SOUND1"},
  };
  for (const Sequence& seq : sequences) {
    SCOPED_TRACE(seq.name);
    Settings s = AllOff();
    seq.setUp(s);
    FakeSoundPlayer player;
    AlarmMonitor monitor(&player);
    for (const Phase& phase : seq.phases) {
      if (phase.before) phase.before(s);
      for (int i = 0; i < phase.ticks; ++i) {
        ++player.tick;
        monitor.EvaluateAlarms(s, phase.cpu, phase.ram);
      }
    }
    EXPECT_EQ(player.heard, seq.heard);
  }
}

TEST(Alarms, WhileAFailedSoundsBoxIsOpenItsAlarmOpensNoOtherButTheOthersDo) {
  Settings s = AllOff();
  s.CPUAlarm_1 = s.RAMAlarm_1 = true;
  s.RAMAlarm_1_Interval = 12;
  FakeSoundPlayer player;
  AlarmMonitor monitor(&player);
  int nested = 0;
  // The first sound's box stays open for 15 ticks of the refresh timer.
  player.whilePlaying = [&] {
    if (nested > 0) return;
    for (nested = 1; nested <= 15; ++nested) {
      ++player.tick;
      monitor.EvaluateAlarms(s, 60, 60);
    }
  };
  for (int i = 0; i < 9; ++i) {
    ++player.tick;
    monitor.EvaluateAlarms(s, 60, 60);
  }
  ++player.tick;
  monitor.EvaluateAlarms(s, 60, 60);  // CPU alarm 1 fails at tick 10; ticks 11 to 25 run under its box
  EXPECT_EQ(player.heard, "10:SOUND1 13:SOUND2 25:SOUND2");
  // Closing the box reset CPU alarm 1 as after a played sound; then tick 10
  // went on with the RAM alarm.
  EXPECT_EQ(s.CPUAlarm_1_Count, 0);
  EXPECT_EQ(s.RAMAlarm_1_Count, 1);
  player.heard.clear();
  for (int i = 0; i < 10; ++i) {
    ++player.tick;
    monitor.EvaluateAlarms(s, 60, 60);
  }
  EXPECT_EQ(player.heard, "35:SOUND1");
}

struct Answer {
  const char* name;
  bool interval;
  std::optional<std::string> typed;  // nullopt: Cancel
  int32_t expected;
  const char* error;  // nullptr: none
};

TEST(AlarmDialogs, AnswersToTheThresholdAndIntervalDialogs) {
  const std::string twelveNines(12, '9');
  const Answer answers[] = {
      {"9", false, "9", 50, kAlarmValueRangeText},
      {"10", false, "10", 10, nullptr},
      {"100", false, "100", 100, nullptr},
      {"101", false, "101", 50, kAlarmValueRangeText},
      {"empty", false, "", 50, kAlarmNotANumberText},
      {"plus sign", false, "+50", 50, kAlarmNotANumberText},
      {"leading space", false, " 50", 50, kAlarmNotANumberText},
      {"twelve nines", false, twelveNines, 50, kAlarmValueRangeText},
      {"leading zeros", false, "00000000000075", 75, nullptr},
      {"Cancel", false, std::nullopt, 50, nullptr},
      {"interval 9", true, "9", 30, kAlarmIntervalRangeText},
      {"interval 10", true, "10", 10, nullptr},
      {"interval 3600", true, "3600", 3600, nullptr},
      {"interval 3601", true, "3601", 30, kAlarmIntervalRangeText},
      {"interval twelve nines", true, twelveNines, 30, kAlarmIntervalRangeText},
      {"interval letters", true, "30s", 30, kAlarmNotANumberText},
      {"interval Cancel", true, std::nullopt, 30, nullptr},
  };
  for (const Answer& a : answers) {
    SCOPED_TRACE(a.name);
    ScriptedDialogs dialogs;
    dialogs.inputAnswers.push_back(a.typed);
    Settings s = AllOff();
    s.RAMAlarm_2_Value = 50;
    s.RAMAlarm_2_Interval = 30;
    int saves = 0;
    const auto save = [&] { ++saves; };
    if (a.interval) {
      AskAlarmInterval(dialogs, s, AlarmId::RAM2, save);
    } else {
      AskAlarmValue(dialogs, s, AlarmId::RAM2, save);
    }
    EXPECT_EQ(a.interval ? s.RAMAlarm_2_Interval : s.RAMAlarm_2_Value, a.expected);
    EXPECT_EQ(a.interval ? s.RAMAlarm_2_Value : s.RAMAlarm_2_Interval, a.interval ? 50 : 30);
    EXPECT_EQ(saves, 1);
    ASSERT_EQ(dialogs.shown.size(), a.error ? 2u : 1u);
    EXPECT_EQ(dialogs.shown[0].kind, "Input");
    if (a.error) {
      EXPECT_EQ(dialogs.shown[1].kind, "Error");
      EXPECT_EQ(dialogs.shown[1].text, a.error);
    }
  }
}

TEST(AlarmDialogs, EachAlarmAsksWithItsOwnCaptionAndChangesOnlyItsOwnFields) {
  const struct {
    AlarmId alarm;
    const char* valueCaption;
    const char* intervalCaption;
    int32_t Settings::*value;
    int32_t Settings::*interval;
    bool Settings::*on;
  } alarms[] = {
      {AlarmId::CPU1, "CPU Usage value for this alarm ...", "CPU Usage query interval for this alarm ...",
       &Settings::CPUAlarm_1_Value, &Settings::CPUAlarm_1_Interval, &Settings::CPUAlarm_1},
      {AlarmId::CPU2, "CPU Usage value for this alarm ...", "CPU Usage query interval for this alarm ...",
       &Settings::CPUAlarm_2_Value, &Settings::CPUAlarm_2_Interval, &Settings::CPUAlarm_2},
      {AlarmId::RAM1, "RAM Load value for this alarm ...", "RAM Load query interval for this alarm ...",
       &Settings::RAMAlarm_1_Value, &Settings::RAMAlarm_1_Interval, &Settings::RAMAlarm_1},
      {AlarmId::RAM2, "RAM Load value for this alarm ...", "RAM Load query interval for this alarm ...",
       &Settings::RAMAlarm_2_Value, &Settings::RAMAlarm_2_Interval, &Settings::RAMAlarm_2},
  };
  for (const auto& a : alarms) {
    SCOPED_TRACE(a.valueCaption);
    ScriptedDialogs dialogs;
    dialogs.inputAnswers = {"77", "777"};
    Settings s = AllOff();
    int saves = 0;
    const auto save = [&] { ++saves; };
    AskAlarmValue(dialogs, s, a.alarm, save);
    AskAlarmInterval(dialogs, s, a.alarm, save);
    FlipAlarm(s, a.alarm, save);
    ASSERT_EQ(dialogs.shown.size(), 2u);
    EXPECT_EQ(dialogs.shown[0].caption, a.valueCaption);
    EXPECT_EQ(dialogs.shown[0].text, "Intert a value, usually bigger then 60%.");
    EXPECT_EQ(dialogs.shown[1].caption, a.intervalCaption);
    EXPECT_EQ(dialogs.shown[1].text, "Intert a value, usually not smaller then 30s.");
    EXPECT_EQ(saves, 3);
    Settings expected = AllOff();
    expected.*a.value = 77;
    expected.*a.interval = 777;
    expected.*a.on = true;
    for (int i = 0; i < kAlarmCount; ++i) {
      const AlarmFields& f = AlarmFieldsOf(static_cast<AlarmId>(i));
      EXPECT_EQ(s.*f.on, expected.*f.on);
      EXPECT_EQ(s.*f.value, expected.*f.value);
      EXPECT_EQ(s.*f.interval, expected.*f.interval);
    }
    FlipAlarm(s, a.alarm, save);
    EXPECT_FALSE(s.*a.on);
  }
}

}  // namespace
}  // namespace welmor
