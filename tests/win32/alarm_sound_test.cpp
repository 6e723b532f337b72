// The alarms' sounds under Wine: the two resources of the built Welmor.exe,
// and the error box of a sound that is not there (this test program has
// none), which must not pile up while the refresh timer keeps ticking.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

#include "app/alarms.hpp"
#include "app/win32/alarm_sound_win32.hpp"
#include "win32/toolkit_fixture.hpp"
#include "win32/win32_env.hpp"
#include "winapi/win32/handles.hpp"

namespace welmor {
namespace {

using testenv::WindowText;

TEST(AlarmSoundResources, BothSoundsAreInTheProductWithTheirFormats) {
  const unique_hmodule product(
      ::LoadLibraryExA(testenv::ProductExe().c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE));
  ASSERT_TRUE(product) << "WELMOR_EXE names the built Welmor.exe";
  // name; RIFF size, rate, bytes a second, data size (little-endian 32 bits)
  const struct {
    const char* name;
    uint32_t riff, rate, perSecond, data;
  } sounds[] = {{"SOUND1", 14076, 44100, 88200, 14040}, {"SOUND2", 33028, 22050, 44100, 32992}};
  for (const auto& sound : sounds) {
    SCOPED_TRACE(sound.name);
    HRSRC found = ::FindResourceExA(product.get(), "WAVEFILE", sound.name, 1033);
    ASSERT_NE(found, nullptr);
    ASSERT_EQ(::SizeofResource(product.get(), found), sound.riff + 8);
    const auto* w = static_cast<const char*>(::LockResource(::LoadResource(product.get(), found)));
    const auto u32 = [w](int at) {
      uint32_t v;
      std::memcpy(&v, w + at, 4);
      return v;
    };
    const auto u16 = [w](int at) {
      uint16_t v;
      std::memcpy(&v, w + at, 2);
      return v;
    };
    EXPECT_EQ(std::string(w, 4) + std::string(w + 8, 8) + std::string(w + 36, 4), "RIFFWAVEfmt data");
    EXPECT_EQ(u32(4), sound.riff);
    EXPECT_EQ(u32(16), 16u);  // a plain PCM format block:
    EXPECT_EQ(u16(20), 1);    // PCM,
    EXPECT_EQ(u16(22), 1);    // mono,
    EXPECT_EQ(u32(24), sound.rate);
    EXPECT_EQ(u32(28), sound.perSecond);
    EXPECT_EQ(u16(32), 2);   // bytes a sample,
    EXPECT_EQ(u16(34), 16);  // bits a sample
    EXPECT_EQ(u32(40), sound.data);
    // Silent at both ends, so neither starts nor stops with a click.
    EXPECT_EQ(u16(44), 0);
    EXPECT_EQ(u16(44 + sound.data - 2), 0);
  }
}

// A visible dialog of this thread joins the list (a __stdcall callback, which
// a lambda is not on 32-bit Windows).
BOOL CALLBACK CollectBox(HWND hwnd, LPARAM list) {
  char cls[16] = {};
  ::GetClassNameA(hwnd, cls, sizeof cls);
  if (std::strcmp(cls, "#32770") == 0 && ::IsWindowVisible(hwnd)) {
    reinterpret_cast<std::vector<HWND>*>(list)->push_back(hwnd);
  }
  return TRUE;
}

std::vector<HWND> Boxes() {
  std::vector<HWND> boxes;
  ::EnumThreadWindows(::GetCurrentThreadId(), CollectBox, reinterpret_cast<LPARAM>(&boxes));
  return boxes;
}

void PressOk(HWND box) { ::PostMessageA(box, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0); }

TEST(AlarmSoundBoxes, AMissingSoundShowsAnErrorBoxCaptionedWithItsName) {
  const auto player = MakeWin32SoundPlayer();
  std::string seen;
  testenv::WhileModal answer("#32770", [&](HWND box) {
    char text[256] = {};
    ::GetDlgItemTextA(box, 0xFFFF, text, sizeof text);
    seen = WindowText(box) + ": " + text;
    // Only OK; the icon is the static that answers STM_GETICON.
    seen += ::GetDlgItem(box, IDOK) && !::GetDlgItem(box, IDCANCEL) ? " [OK]" : " [?]";
    for (HWND child = ::GetWindow(box, GW_CHILD); child; child = ::GetWindow(child, GW_HWNDNEXT)) {
      const auto icon = reinterpret_cast<HICON>(::SendMessageA(child, STM_GETICON, 0, 0));
      if (icon) seen += icon == ::LoadIconA(nullptr, IDI_HAND) ? " error icon" : " other icon";
    }
    PressOk(box);
  });
  player->PlayAlarmSound("ALARMX", kSndAsync);
  EXPECT_EQ(seen, "ALARMX: Could not find this Resource [OK] error icon");
}

// The refresh timer ticks on under the box of CPU alarm 1's missing sound;
// from its 25th tick on it presses OK on every box it finds.
struct RefreshUnderBox {
  static inline RefreshUnderBox* current = nullptr;
  AlarmMonitor* monitor = nullptr;
  Settings* settings = nullptr;
  int ticks = 0;
  std::size_t mostBoxes = 0;
  std::string opened;  // the caption of each box as it came up, and a "."
  bool boxBefore = false;

  static void CALLBACK Tick(HWND, UINT, UINT_PTR, DWORD) {
    RefreshUnderBox& self = *current;
    const std::vector<HWND> boxes = Boxes();
    if (!boxes.empty() && !self.boxBefore) self.opened += WindowText(boxes.front()) + ".";
    self.boxBefore = !boxes.empty();
    self.mostBoxes = std::max(self.mostBoxes, boxes.size());
    if (++self.ticks >= 25) std::for_each(boxes.begin(), boxes.end(), PressOk);
    if (self.ticks < 40) self.monitor->EvaluateAlarms(*self.settings, 60, 60);
  }
};

TEST(AlarmSoundBoxes, AnAlarmThatKeepsFiringUnderItsOpenBoxOpensNoSecondOne) {
  const auto player = MakeWin32SoundPlayer();
  AlarmMonitor monitor(player.get());
  Settings settings;  // CPU alarm 1 on at 50 % for 10 ticks
  settings.CPUAlarm_1_Count = 9;
  RefreshUnderBox refresh;
  refresh.monitor = &monitor;
  refresh.settings = &settings;
  RefreshUnderBox::current = &refresh;
  const UINT_PTR timer = ::SetTimer(nullptr, 0, 20, &RefreshUnderBox::Tick);
  const DWORD start = ::GetTickCount();
  MSG msg;
  while (refresh.ticks < 45 && ::GetTickCount() - start < 20000) {
    while (::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) ::DispatchMessageA(&msg);
    ::MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
  }
  ::KillTimer(nullptr, timer);
  RefreshUnderBox::current = nullptr;
  EXPECT_EQ(refresh.mostBoxes, 1u);
  // Closed at tick 25, the count started again and reached 10 ten ticks
  // later: one more box, after the first had gone.
  EXPECT_EQ(refresh.opened, "SOUND1.SOUND1.");
  EXPECT_TRUE(Boxes().empty());
}

}  // namespace
}  // namespace welmor
