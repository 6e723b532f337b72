#pragma once
// Writes down what it was asked to play, tick by tick, and can run code
// while "playing".

#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "app/sound_player.hpp"

namespace welmor {

class FakeSoundPlayer : public SoundPlayer {
 public:
  void PlayAlarmSound(const std::string& name, uint32_t flags) override {
    EXPECT_EQ(flags, kSndAsync);
    if (!heard.empty()) heard += ' ';
    heard += std::to_string(tick) + ":" + name;
    if (whilePlaying) whilePlaying();
  }
  int tick = 0;       // set by the test
  std::string heard;  // "tick:name" for each sound, in order
  std::function<void()> whilePlaying;
};

}  // namespace welmor
