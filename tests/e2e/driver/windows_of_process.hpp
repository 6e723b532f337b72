#pragma once
// Finding the inspected process and its windows.

#include <windows.h>

#include <chrono>
#include <cstdlib>
#include <optional>
#include <stdexcept>
#include <string>
#include <thread>
#include <vector>

namespace welmor::e2e {

// A failed check or time-out: the driver prints the text and exits with 1.
struct Failure : std::runtime_error {
  using std::runtime_error::runtime_error;
};

inline constexpr char kDialogClass[] = "#32770";
inline constexpr char kMenuClass[] = "#32768";

// "1234" names a process id, anything else an executable name such as
// "Welmor.exe" (letter case ignored). Every matching process counts.
std::vector<DWORD> ProcessesOf(const std::string& target);

// Top-level windows of the processes, topmost first.
std::vector<HWND> TopLevelWindows(const std::vector<DWORD>& pids);

// The window a user would call "the program", found by its own class (the
// widget's "WelmorMain", with or without a class-style suffix, or the
// fixture's main class), never by its place among the others: a hint or a
// history window can be on top of it.
HWND FindMainWindow(const std::vector<DWORD>& pids);

// Visible top-level windows of a class, topmost first.
std::vector<HWND> VisibleWindowsOfClass(const std::vector<DWORD>& pids, const std::string& class_name);

std::string ClassOf(HWND window);
// The window text as WM_GETTEXT answers it, so controls that keep their own
// text are read correctly; fails when the owner does not answer in time.
std::string TextOf(HWND window);
DWORD ProcessOf(HWND window);

// How many times longer every wait lasts: WELMOR_DRIVER_PATIENCE, for a
// machine many times slower than a real one (an emulated one); 1 otherwise.
inline DWORD Patience() {
  static const DWORD factor = [] {
    const char* value = std::getenv("WELMOR_DRIVER_PATIENCE");
    const int f = value ? std::atoi(value) : 1;
    return static_cast<DWORD>(f > 0 && f <= 100 ? f : 1);
  }();
  return factor;
}

// Polls every 20 ms until probe() yields a value or the time is up.
template <class Probe>
auto PollFor(DWORD timeout_ms, Probe probe) -> decltype(probe()) {
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::milliseconds(timeout_ms) * Patience();
  for (;;) {
    if (auto value = probe()) return value;
    if (std::chrono::steady_clock::now() >= deadline) return {};
    std::this_thread::sleep_for(std::chrono::milliseconds(20));
  }
}

}  // namespace welmor::e2e
