// The four alarms over runs of refresh ticks, and their threshold and
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

// Alarms named in `on` ("C1 C2 R1 R2") on, the others off; thresholds 50,
// intervals 10.
Settings With(const std::string& on) {
  Settings s;
  s.CPUAlarm_1 = on.find("C1") != std::string::npos;
  s.CPUAlarm_2 = on.find("C2") != std::string::npos;
  s.RAMAlarm_1 = on.find("R1") != std::string::npos;
  s.RAMAlarm_2 = on.find("R2") != std::string::npos;
  return s;
}

struct Phase {
  int ticks;
  int32_t cpu;
  uint64_t ram;
  std::function<void(Settings&)> before = {};
};

TEST(Alarms, SequencesOfTicks) {
  const struct {
    const char* name;
    const char* on;
    std::vector<Phase> phases;
    const char* heard;  // tick:sound, in order
  } sequences[] = {
      {"every interval-th tick", "C1", {{30, 50, 0}}, "10:SOUND1 20:SOUND1 30:SOUND1"},
      {"a dip at tick 9 restarts the count", "C1", {{8, 50, 0}, {1, 49, 0}, {12, 50, 0}}, "19:SOUND1"},
      {"CPU alarm 2 is strict", "C2", {{12, 50, 0}, {10, 49, 0}}, "22:SOUND1"},
      {"both RAM alarms count at equality",
       "R1 R2",
       {{11, 0, 50, [](Settings& s) { s.RAMAlarm_1_Interval = 11; }}},
       "10:SOUND2 11:SOUND2"},
      {"RAM alarm 2 not above, RAM alarm 1 not below",
       "R1 R2",
       {{10, 0, 51}, {10, 0, 49}},
       "10:SOUND2 20:SOUND2"},
      {"-1 counts for CPU alarm 1 and resets CPU alarm 2",
       "C1 C2",
       {{9, 10, 0}, {10, -1, 0}, {10, 10, 0}},
       "19:SOUND1 29:SOUND1"},
      {"off and on again starts from 0",
       "C1",
       {{5, 50, 0},
        {1, 50, 0, [](Settings& s) { s.CPUAlarm_1 = false; }},
        {10, 50, 0, [](Settings& s) { s.CPUAlarm_1 = true; }}},
       "16:SOUND1"},
      {"a new interval applies from the next tick, the count kept",
       "C1",
       {{5, 50, 0}, {7, 50, 0, [](Settings& s) { s.CPUAlarm_1_Interval = 3; }}},
       "6:SOUND1 9:SOUND1 12:SOUND1"},
      {"a new threshold keeps the count",
       "C1",
       {{5, 50, 0}, {5, 50, 0, [](Settings& s) { s.CPUAlarm_1_Value = 20; }}},
       "10:SOUND1"},
      {"two alarms in one tick: the RAM sound comes last", "C1 R1", {{10, 60, 60}}, "10:SOUND1 10:SOUND2"},
      {"interval 0 sounds every tick, -1 never",
       "C1 R1",
       {{2, 60, 60, [](Settings& s) { s.CPUAlarm_1_Interval = 0, s.RAMAlarm_1_Interval = -1; }}},
       "1:SOUND1 2:SOUND1"},
  };
  for (const auto& seq : sequences) {
    SCOPED_TRACE(seq.name);
    Settings s = With(seq.on);
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

// Threshold/interval of the four alarms, "CPU1 CPU2 RAM1 RAM2".
std::string Numbers(const Settings& s) {
  return std::to_string(s.CPUAlarm_1_Value) + "/" + std::to_string(s.CPUAlarm_1_Interval) + " " +
         std::to_string(s.CPUAlarm_2_Value) + "/" + std::to_string(s.CPUAlarm_2_Interval) + " " +
         std::to_string(s.RAMAlarm_1_Value) + "/" + std::to_string(s.RAMAlarm_1_Interval) + " " +
         std::to_string(s.RAMAlarm_2_Value) + "/" + std::to_string(s.RAMAlarm_2_Interval);
}

TEST(AlarmDialogs, Answers) {
  const char* const range = "Value not in allowed range ( 10 - 100 ).";
  const char* const rangeS = "Value not in allowed range ( 10s - 1h ).";
  const char* const nan = "Value not a number! Try again.";
  const char* const same = "51/11 52/12 53/13 54/14";
  const std::string nines(12, '9');
  const struct {
    AlarmId alarm;
    bool interval;
    std::optional<std::string> typed;  // nullopt: Cancel
    const char* numbers;
    const char* error;
  } answers[] = {
      {AlarmId::CPU1, false, "9", same, range},
      {AlarmId::CPU1, false, "10", "10/11 52/12 53/13 54/14", nullptr},
      {AlarmId::CPU2, false, "100", "51/11 100/12 53/13 54/14", nullptr},
      {AlarmId::RAM1, false, "101", same, range},
      {AlarmId::RAM2, false, "", same, nan},
      {AlarmId::RAM2, false, "+50", same, nan},
      {AlarmId::RAM2, false, " 50", same, nan},
      {AlarmId::RAM2, false, nines, same, range},
      {AlarmId::RAM2, false, "000000000000075", "51/11 52/12 53/13 75/14", nullptr},
      {AlarmId::RAM2, false, std::nullopt, same, nullptr},
      {AlarmId::CPU1, true, "9", same, rangeS},
      {AlarmId::CPU2, true, "3600", "51/11 52/3600 53/13 54/14", nullptr},
      {AlarmId::RAM1, true, "3601", same, rangeS},
      {AlarmId::RAM2, true, nines, same, rangeS},
      {AlarmId::RAM2, true, "30s", same, nan},
      {AlarmId::RAM2, true, "11", "51/11 52/12 53/13 54/11", nullptr},
  };
  for (const auto& a : answers) {
    const bool cpu = a.alarm == AlarmId::CPU1 || a.alarm == AlarmId::CPU2;
    const std::string caption = std::string(cpu ? "CPU Usage" : "RAM Load") +
                                (a.interval ? " query interval" : " value") + " for this alarm ...";
    SCOPED_TRACE(caption + " " + a.typed.value_or("Cancel"));
    ScriptedDialogs dialogs;
    dialogs.inputAnswers.push_back(a.typed);
    Settings s = With("");
    s.CPUAlarm_1_Value = 51, s.CPUAlarm_1_Interval = 11, s.CPUAlarm_2_Value = 52, s.CPUAlarm_2_Interval = 12;
    s.RAMAlarm_1_Value = 53, s.RAMAlarm_1_Interval = 13, s.RAMAlarm_2_Value = 54, s.RAMAlarm_2_Interval = 14;
    int saves = 0;
    (a.interval ? AskAlarmInterval : AskAlarmValue)(dialogs, s, a.alarm, [&] { ++saves; });
    EXPECT_EQ(Numbers(s), a.numbers);
    EXPECT_EQ(saves, 1);
    ASSERT_EQ(dialogs.shown.size(), a.error ? 2u : 1u);
    EXPECT_EQ(dialogs.shown[0].caption, caption);
    // The box opens on this alarm's own stored number.
    const char* const own[4][2] = {{"51", "11"}, {"52", "12"}, {"53", "13"}, {"54", "14"}};
    EXPECT_EQ(dialogs.shown[0].value, own[static_cast<int>(a.alarm)][a.interval]);
    EXPECT_EQ(dialogs.shown[0].text, a.interval ? "Intert a value, usually not smaller then 30s."
                                                : "Intert a value, usually bigger then 60%.");
    if (a.error) {
      EXPECT_EQ(dialogs.shown[1].kind + ": " + dialogs.shown[1].text, std::string("Error: ") + a.error);
    }
  }
}

}  // namespace
}  // namespace welmor
