#include "app/win32/alarm_sound_win32.hpp"

#include <mmsystem.h>

#include "winapi/win32/system_library.hpp"

namespace welmor {

namespace {

static_assert(SND_ASYNC == kSndAsync && SND_MEMORY == kSndMemory);

constexpr const char* kSoundResourceType = "WAVEFILE";
constexpr const char* kResourceMissingText = "Could not find this Resource";
constexpr const char* kResourceNotLoadedText = "Could not load this Resource";
constexpr const char* kResourceBadText = "Resource bad.";

using SndPlaySoundFn = BOOL(WINAPI*)(LPCSTR sound, UINT flags);

class Win32SoundPlayer : public SoundPlayer {
 public:
  explicit Win32SoundPlayer(HMODULE module) : module_(module) {}
  // A sound still playing reads from module_, and winmm must not go while it plays.
  ~Win32SoundPlayer() override {
    if (played_) play_(nullptr, 0);
  }
  Win32SoundPlayer(const Win32SoundPlayer&) = delete;
  Win32SoundPlayer& operator=(const Win32SoundPlayer&) = delete;

  void PlayAlarmSound(const std::string& name, uint32_t flags) override {
    HRSRC found = FindResourceA(module_, name.c_str(), kSoundResourceType);
    if (!found) return Report(kResourceMissingText, name);
    HGLOBAL loaded = LoadResource(module_, found);
    if (!loaded) return Report(kResourceNotLoadedText, name);
    const void* bytes = LockResource(loaded);
    if (!bytes) return Report(kResourceBadText, name);
    // The bytes belong to the loaded module and outlive the asynchronous play.
    // Without winmm (no sound system at all) the alarms stay silent.
    if (!play_) play_ = winmm_.Proc<SndPlaySoundFn>("sndPlaySoundA");
    if (play_) played_ = play_(static_cast<LPCSTR>(bytes), flags | SND_MEMORY) || played_;
    FreeResource(loaded);
  }

 private:
  static void Report(const char* text, const std::string& name) {
    MessageBoxA(nullptr, text, name.c_str(), MB_OK | MB_ICONERROR);
  }

  HMODULE module_;
  SystemLibrary winmm_{"winmm.dll"};
  SndPlaySoundFn play_ = nullptr;
  bool played_ = false;
};

}  // namespace

std::unique_ptr<SoundPlayer> MakeWin32SoundPlayer(HMODULE module) {
  return std::make_unique<Win32SoundPlayer>(module);
}

}  // namespace welmor
