#include "driver/windows_of_process.hpp"

#include <tlhelp32.h>

#include <algorithm>
#include <cstring>

#include "driver/handles.hpp"

namespace welmor::e2e {
namespace {

constexpr UINT kTextTimeoutMs = 3000;

bool AllDigits(const std::string& text) {
  return !text.empty() && std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

// Wine may report the image with its folder; the name is what follows the last separator.
std::string BaseName(const char* path) {
  const char* base = path;
  for (const char* p = path; *p; ++p) {
    if (*p == '\\' || *p == '/') base = p + 1;
  }
  return base;
}

struct WindowSearch {
  const std::vector<DWORD>* pids;
  std::vector<HWND> found;
};

BOOL CALLBACK CollectWindow(HWND window, LPARAM param) {
  auto* search = reinterpret_cast<WindowSearch*>(param);
  const DWORD pid = ProcessOf(window);
  if (std::find(search->pids->begin(), search->pids->end(), pid) != search->pids->end()) {
    search->found.push_back(window);
  }
  return TRUE;
}

}  // namespace

std::vector<DWORD> ProcessesOf(const std::string& target) {
  if (AllDigits(target)) {
    const DWORD pid = std::stoul(target);
    const unique_handle process = TakeHandle(OpenProcess(SYNCHRONIZE, FALSE, pid));
    if (!process || WaitForSingleObject(process.get(), 0) == WAIT_OBJECT_0) return {};
    return {pid};
  }
  std::vector<DWORD> pids;
  const unique_handle snapshot = TakeHandle(CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0));
  if (!snapshot) return pids;
  PROCESSENTRY32 entry{};
  entry.dwSize = sizeof entry;
  for (BOOL more = Process32First(snapshot.get(), &entry); more; more = Process32Next(snapshot.get(), &entry)) {
    if (lstrcmpiA(BaseName(entry.szExeFile).c_str(), target.c_str()) == 0) pids.push_back(entry.th32ProcessID);
  }
  return pids;
}

std::vector<HWND> TopLevelWindows(const std::vector<DWORD>& pids) {
  WindowSearch search{&pids, {}};
  EnumWindows(CollectWindow, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

HWND FindMainWindow(const std::vector<DWORD>& pids) {
  for (HWND window : TopLevelWindows(pids)) {
    const std::string name = ClassOf(window);
    const bool widget = name == "WelmorMain" || name.rfind("WelmorMain_", 0) == 0;
    if (IsWindowVisible(window) && (widget || name == "WelmorFixtureMain")) return window;
  }
  return nullptr;
}

std::vector<HWND> VisibleWindowsOfClass(const std::vector<DWORD>& pids, const std::string& class_name) {
  std::vector<HWND> result;
  for (HWND window : TopLevelWindows(pids)) {
    if (IsWindowVisible(window) && ClassOf(window) == class_name) result.push_back(window);
  }
  return result;
}

std::string ClassOf(HWND window) {
  char name[256] = {};
  GetClassNameA(window, name, sizeof name);
  return name;
}

std::string TextOf(HWND window) {
  DWORD_PTR length = 0;
  if (!SendMessageTimeoutA(window, WM_GETTEXTLENGTH, 0, 0, SMTO_ABORTIFHUNG, kTextTimeoutMs * Patience(), &length)) {
    throw Failure("window does not answer WM_GETTEXTLENGTH");
  }
  std::string text(length + 1, '\0');
  DWORD_PTR copied = 0;
  if (!SendMessageTimeoutA(window, WM_GETTEXT, text.size(), reinterpret_cast<LPARAM>(text.data()),
                           SMTO_ABORTIFHUNG, kTextTimeoutMs * Patience(), &copied)) {
    throw Failure("window does not answer WM_GETTEXT");
  }
  text.resize(std::strlen(text.c_str()));
  return text;
}

DWORD ProcessOf(HWND window) {
  DWORD pid = 0;
  GetWindowThreadProcessId(window, &pid);
  return pid;
}

}  // namespace welmor::e2e
