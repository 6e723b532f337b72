#pragma once
// The alarms' sounds on Win32: "WAVEFILE" resources played from memory.

#include <memory>

#include "app/sound_player.hpp"
#include "toolkit/win32/windows_api.hpp"

namespace welmor {

// Plays the "WAVEFILE" resources of module (the running program when null),
// which must outlive the player: a sound still playing stops with it.
// winmm is loaded at the first sound, not at start: most runs never sound.
std::unique_ptr<SoundPlayer> MakeWin32SoundPlayer(HMODULE module = nullptr);

}  // namespace welmor
