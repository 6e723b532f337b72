#include "windows/win32/about_platform_win32.hpp"

#include <windows.h>

#include "winapi/win32/system_library.hpp"

namespace welmor {

namespace {

SYSTEMTIME ToSystemTime(const LocalDateTime& t) {
  SYSTEMTIME st{};
  st.wYear = static_cast<WORD>(t.year);
  st.wMonth = static_cast<WORD>(t.month);
  st.wDay = static_cast<WORD>(t.day);
  st.wHour = static_cast<WORD>(t.hour);
  st.wMinute = static_cast<WORD>(t.minute);
  st.wSecond = static_cast<WORD>(t.second);
  return st;
}

std::string RunningProgramPath() {
  char path[MAX_PATH + 1] = {};
  const DWORD n = ::GetModuleFileNameA(nullptr, path, MAX_PATH);
  return n > 0 && n < MAX_PATH ? std::string(path, n) : std::string();
}

class Win32AboutPlatform final : public AboutPlatform {
 public:
  explicit Win32AboutPlatform(std::string path) : path_(std::move(path)) {}

  std::optional<LocalDateTime> ExecutableModified() override {
    WIN32_FILE_ATTRIBUTE_DATA data{};
    if (!::GetFileAttributesExA(path_.c_str(), GetFileExInfoStandard, &data)) return std::nullopt;
    FILETIME local{};
    SYSTEMTIME st{};
    if (!::FileTimeToLocalFileTime(&data.ftLastWriteTime, &local) || !::FileTimeToSystemTime(&local, &st)) {
      return std::nullopt;
    }
    return LocalDateTime{st.wYear, st.wMonth, st.wDay, st.wHour, st.wMinute, st.wSecond};
  }

  std::string ShortDateText(const LocalDateTime& when) override {
    const SYSTEMTIME st = ToSystemTime(when);
    char text[100] = {};
    const int n = ::GetDateFormatA(LOCALE_USER_DEFAULT, DATE_SHORTDATE, &st, nullptr, text, sizeof text);
    return n > 0 ? std::string(text) : std::string();
  }

  std::string LongTimeText(const LocalDateTime& when) override {
    const SYSTEMTIME st = ToSystemTime(when);
    char text[100] = {};
    const int n = ::GetTimeFormatA(LOCALE_USER_DEFAULT, 0, &st, nullptr, text, sizeof text);
    return n > 0 ? std::string(text) : std::string();
  }

  void Open(const std::string& target) override {
    // shell32 is mapped by the first link followed, not at every start.
    using ShellExecuteFn = HINSTANCE(WINAPI*)(HWND, LPCSTR, LPCSTR, LPCSTR, LPCSTR, INT);
    const auto shellExecute = shell32_.Proc<ShellExecuteFn>("ShellExecuteA");
    // Nothing to report when no program takes the link: the window stays as
    // it was.
    if (shellExecute) shellExecute(nullptr, nullptr, target.c_str(), nullptr, nullptr, SW_SHOWNORMAL);
  }

 private:
  std::string path_;
  SystemLibrary shell32_{"shell32.dll"};
};

}  // namespace

std::unique_ptr<AboutPlatform> MakeWin32AboutPlatform(const std::string& filePath) {
  return std::make_unique<Win32AboutPlatform>(filePath.empty() ? RunningProgramPath() : filePath);
}

}  // namespace welmor
