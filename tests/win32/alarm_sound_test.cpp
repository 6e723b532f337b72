// The alarms' sounds under Wine: the two resources of the built Welmor.exe,
// and the error boxes of a sound that is not there (this test program has
// none), which must not pile up while the refresh timer keeps ticking.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

#include "app/alarms.hpp"
#include "app/win32/alarm_sound_win32.hpp"
#include "toolkit/win32/handles.hpp"
#include "win32/toolkit_fixture.hpp"
#include "win32/win32_env.hpp"

namespace welmor {
namespace {

using testenv::WindowText;

constexpr int kMessageTextId = 0xFFFF;

uint32_t U32(const uint8_t* p) { return p[0] | p[1] << 8 | p[2] << 16 | static_cast<uint32_t>(p[3]) << 24; }
uint16_t U16(const uint8_t* p) { return static_cast<uint16_t>(p[0] | p[1] << 8); }
int16_t Sample(const uint8_t* p) { return static_cast<int16_t>(U16(p)); }

std::vector<HWND> VisibleBoxes() {
  std::vector<HWND> boxes;
  ::EnumThreadWindows(
      ::GetCurrentThreadId(),
      [](HWND hwnd, LPARAM list) -> BOOL {
        char cls[16] = {};
        ::GetClassNameA(hwnd, cls, sizeof cls);
        if (std::strcmp(cls, "#32770") == 0 && ::IsWindowVisible(hwnd)) {
          reinterpret_cast<std::vector<HWND>*>(list)->push_back(hwnd);
        }
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&boxes));
  return boxes;
}

void PressOk(HWND box) { ::PostMessageA(box, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), 0); }

TEST(AlarmSoundResources, BothSoundsAreInTheProductWithTheirFormats) {
  const std::string exe = testenv::ProductExe();
  ASSERT_FALSE(exe.empty()) << "WELMOR_EXE names the built Welmor.exe";
  const unique_hmodule product(::LoadLibraryExA(exe.c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE));
  ASSERT_TRUE(product) << exe;
  const struct {
    const char* name;
    uint32_t rate;
    uint32_t dataBytes;
  } sounds[] = {{"SOUND1", 44100, 14040}, {"SOUND2", 22050, 32992}};
  for (const auto& sound : sounds) {
    SCOPED_TRACE(sound.name);
    HRSRC found = ::FindResourceExA(product.get(), "WAVEFILE", sound.name,
                                    MAKELANGID(LANG_ENGLISH, SUBLANG_ENGLISH_US));
    ASSERT_NE(found, nullptr);
    const DWORD size = ::SizeofResource(product.get(), found);
    ASSERT_EQ(size, 44 + sound.dataBytes);
    const auto* w = static_cast<const uint8_t*>(::LockResource(::LoadResource(product.get(), found)));
    ASSERT_NE(w, nullptr);
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(w), 4), "RIFF");
    EXPECT_EQ(U32(w + 4), size - 8);
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(w + 8), 8), "WAVEfmt ");
    EXPECT_EQ(U32(w + 16), 16u);             // plain PCM format block
    EXPECT_EQ(U16(w + 20), 1);               // PCM
    EXPECT_EQ(U16(w + 22), 1);               // mono
    EXPECT_EQ(U32(w + 24), sound.rate);      // samples a second
    EXPECT_EQ(U32(w + 28), sound.rate * 2);  // bytes a second
    EXPECT_EQ(U16(w + 32), 2);               // bytes a sample
    EXPECT_EQ(U16(w + 34), 16);              // bits a sample
    EXPECT_EQ(std::string(reinterpret_cast<const char*>(w + 36), 4), "data");
    EXPECT_EQ(U32(w + 40), sound.dataBytes);
    // Silent at both ends, so neither starts nor stops with a click.
    EXPECT_EQ(Sample(w + 44), 0);
    EXPECT_EQ(Sample(w + 44 + sound.dataBytes - 2), 0);
  }
}

TEST(AlarmSoundResources, APresentSoundStartsWithoutABox) {
  const unique_hmodule product(
      ::LoadLibraryExA(testenv::ProductExe().c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE));
  ASSERT_TRUE(product);
  const auto player = MakeWin32SoundPlayer(product.get());
  std::string box;
  testenv::WhileModal close("#32770", [&](HWND found) {
    box = WindowText(found);
    PressOk(found);
  });
  player->PlayAlarmSound("SOUND2", kSndAsync);
  player->PlayAlarmSound("SOUND1", kSndAsync);
  MSG msg;
  while (::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) ::DispatchMessageA(&msg);
  EXPECT_EQ(box, "");
}

TEST(AlarmSoundBoxes, AMissingSoundShowsAnErrorBoxCaptionedWithItsName) {
  const auto player = MakeWin32SoundPlayer();
  std::string caption, text;
  bool ok = false, cancel = true, errorIcon = false;
  {
    testenv::WhileModal answer("#32770", [&](HWND box) {
      char buffer[256] = {};
      ::GetDlgItemTextA(box, kMessageTextId, buffer, sizeof buffer);
      caption = WindowText(box);
      text = buffer;
      ok = ::GetDlgItem(box, IDOK) != nullptr;
      cancel = ::GetDlgItem(box, IDCANCEL) != nullptr || ::GetDlgItem(box, IDNO) != nullptr;
      // The icon is the static that answers STM_GETICON (its id differs between systems).
      for (HWND child = ::GetWindow(box, GW_CHILD); child; child = ::GetWindow(child, GW_HWNDNEXT)) {
        const auto icon = reinterpret_cast<HICON>(::SendMessageA(child, STM_GETICON, 0, 0));
        if (icon) errorIcon = icon == ::LoadIconA(nullptr, IDI_HAND);
      }
      PressOk(box);
    });
    player->PlayAlarmSound("ALARMX", kSndAsync);
    EXPECT_TRUE(answer.Acted());
  }
  EXPECT_EQ(caption, "ALARMX");
  EXPECT_EQ(text, "Could not find this Resource");
  EXPECT_TRUE(ok);
  EXPECT_FALSE(cancel);
  EXPECT_TRUE(errorIcon);
}

// The refresh timer, ticking on while the box of CPU alarm 1's missing sound
// is open; after a while it presses OK on every box it finds.
struct RefreshUnderBox {
  static inline RefreshUnderBox* current = nullptr;
  AlarmMonitor* monitor = nullptr;
  Settings* settings = nullptr;
  int ticks = 0;
  std::size_t mostBoxes = 0;
  int openings = 0;  // ticks that found a box where the tick before found none
  bool boxBefore = false;
  std::string caption;

  static void CALLBACK Tick(HWND, UINT, UINT_PTR, DWORD) {
    RefreshUnderBox& self = *current;
    ++self.ticks;
    const std::vector<HWND> boxes = VisibleBoxes();
    if (!boxes.empty()) self.caption = WindowText(boxes.front());
    self.mostBoxes = std::max(self.mostBoxes, boxes.size());
    if (!boxes.empty() && !self.boxBefore) ++self.openings;
    self.boxBefore = !boxes.empty();
    if (self.ticks >= 25) {
      for (HWND box : boxes) PressOk(box);
    }
    if (self.ticks < 40) self.monitor->EvaluateAlarms(*self.settings, 60, 60);
  }
};

TEST(AlarmSoundBoxes, AnAlarmThatKeepsFiringUnderItsOpenBoxOpensNoSecondOne) {
  const auto player = MakeWin32SoundPlayer();
  AlarmMonitor monitor(player.get());
  Settings settings;
  settings.CPUAlarm_1 = true;
  settings.CPUAlarm_1_Value = 50;
  settings.CPUAlarm_1_Interval = 10;
  settings.CPUAlarm_1_Count = 9;  // the first tick fires
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
  EXPECT_GE(refresh.ticks, 45);
  EXPECT_EQ(refresh.caption, "SOUND1");
  EXPECT_EQ(refresh.mostBoxes, 1u);
  // Closed at tick 25, the count started again and reached 10 ten ticks
  // later: one more box, after the first had gone.
  EXPECT_EQ(refresh.openings, 2);
  EXPECT_TRUE(VisibleBoxes().empty());
}

}  // namespace
}  // namespace welmor
