#pragma once
// What the alarms need from the platform: start one of the program's
// embedded sounds and return without waiting for it to end.

#include <cstdint>
#include <string>

namespace welmor {

inline constexpr uint32_t kSndAsync = 0x0001;   // return at once, play on
inline constexpr uint32_t kSndMemory = 0x0004;  // the sound is bytes in memory

class SoundPlayer {
 public:
  virtual ~SoundPlayer() = default;
  // Plays the embedded sound resource `name` with flags (plus kSndMemory).
  // A sound that cannot be had is reported to the user from inside the call,
  // so the call returns only once that report is closed.
  virtual void PlayAlarmSound(const std::string& name, uint32_t flags) = 0;
};

}  // namespace welmor
