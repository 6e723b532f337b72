// The shell's folder browser, as a modal dialog of the program.
#include "toolkit/win32/windows_api.hpp"

#include <shlobj.h>

#include <memory>
#include <utility>
#include <vector>

#include "update/win32/update_services_win32.hpp"
#include "winapi/win32/system_library.hpp"

namespace welmor {
namespace {

using SHBrowseForFolderFn = LPITEMIDLIST(WINAPI*)(LPBROWSEINFOA info);
using SHGetPathFromIDListFn = BOOL(WINAPI*)(LPCITEMIDLIST item, LPSTR path);
using SHGetMallocFn = HRESULT(WINAPI*)(IMalloc** malloc);
using CoInitializeFn = HRESULT(WINAPI*)(LPVOID reserved);
using CoUninitializeFn = void(WINAPI*)();

// Disables every shown, enabled top-level window of this thread for as long
// as it lives, so nothing of the program reacts while the browser is open.
class ThreadWindowsDisabled {
 public:
  ThreadWindowsDisabled() {
    ::EnumThreadWindows(::GetCurrentThreadId(), &Disable, reinterpret_cast<LPARAM>(this));
  }
  ~ThreadWindowsDisabled() {
    for (auto it = disabled_.rbegin(); it != disabled_.rend(); ++it) {
      if (::IsWindow(*it)) ::EnableWindow(*it, TRUE);
    }
  }
  ThreadWindowsDisabled(const ThreadWindowsDisabled&) = delete;
  ThreadWindowsDisabled& operator=(const ThreadWindowsDisabled&) = delete;

 private:
  static BOOL CALLBACK Disable(HWND window, LPARAM self) {
    if (::IsWindowVisible(window) && ::IsWindowEnabled(window)) {
      ::EnableWindow(window, FALSE);
      reinterpret_cast<ThreadWindowsDisabled*>(self)->disabled_.push_back(window);
    }
    return TRUE;
  }
  std::vector<HWND> disabled_;
};

// A missing floppy or CD drive in the tree must not raise the system's
// "no disk" box behind the browser.
class CriticalErrorBoxesOff {
 public:
  CriticalErrorBoxesOff() : previous_(::SetErrorMode(SEM_FAILCRITICALERRORS)) {}
  ~CriticalErrorBoxesOff() { ::SetErrorMode(previous_); }
  CriticalErrorBoxesOff(const CriticalErrorBoxesOff&) = delete;
  CriticalErrorBoxesOff& operator=(const CriticalErrorBoxesOff&) = delete;

 private:
  UINT previous_;
};

// The shell wants COM on the thread that shows its browser.
class ComApartment {
 public:
  explicit ComApartment(SystemLibrary& ole32) {
    const auto initialize = ole32.Proc<CoInitializeFn>("CoInitialize");
    uninitialize_ = ole32.Proc<CoUninitializeFn>("CoUninitialize");
    // S_FALSE (already initialised) still has to be paired.
    joined_ = initialize != nullptr && uninitialize_ != nullptr && SUCCEEDED(initialize(nullptr));
  }
  ~ComApartment() {
    if (joined_) uninitialize_();
  }
  ComApartment(const ComApartment&) = delete;
  ComApartment& operator=(const ComApartment&) = delete;

 private:
  CoUninitializeFn uninitialize_ = nullptr;
  bool joined_ = false;
};

// The browser's item list belongs to the shell's allocator.
struct ShellFree {
  SHGetMallocFn getMalloc = nullptr;
  void operator()(ITEMIDLIST* item) const {
    IMalloc* malloc = nullptr;
    if (getMalloc != nullptr && SUCCEEDED(getMalloc(&malloc)) && malloc != nullptr) {
      malloc->Free(item);
      malloc->Release();
    }
  }
};

int CALLBACK OnBrowserEvent(HWND browser, UINT message, LPARAM, LPARAM data) {
  if (message == BFFM_INITIALIZED && data != 0) {
    ::SendMessageA(browser, BFFM_SETSELECTIONA, TRUE, data);
  }
  return 0;
}

class ShellFolderBrowser : public FolderBrowser {
 public:
  explicit ShellFolderBrowser(std::function<HWND()> owner) : owner_(std::move(owner)) {}

  bool DirectoryExists(const std::string& path) override {
    const DWORD attributes = ::GetFileAttributesA(path.c_str());
    return attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
  }

  std::optional<std::string> Browse(const std::string& caption, const std::string& initialFolder) override {
    const auto browse = shell32_.Proc<SHBrowseForFolderFn>("SHBrowseForFolderA");
    const auto pathOf = shell32_.Proc<SHGetPathFromIDListFn>("SHGetPathFromIDListA");
    const auto getMalloc = shell32_.Proc<SHGetMallocFn>("SHGetMalloc");
    if (browse == nullptr || pathOf == nullptr || getMalloc == nullptr) return std::nullopt;

    char displayName[MAX_PATH] = {};
    BROWSEINFOA info{};
    info.hwndOwner = owner_ ? owner_() : nullptr;
    info.pidlRoot = nullptr;  // the desktop
    info.pszDisplayName = displayName;
    info.lpszTitle = caption.c_str();
    info.ulFlags = BIF_RETURNONLYFSDIRS;
    if (!initialFolder.empty()) {
      info.lpfn = &OnBrowserEvent;
      info.lParam = reinterpret_cast<LPARAM>(initialFolder.c_str());
    }

    std::unique_ptr<ITEMIDLIST, ShellFree> item(nullptr, ShellFree{getMalloc});
    {
      ComApartment com(ole32_);
      ThreadWindowsDisabled disabled;
      CriticalErrorBoxesOff quiet;
      item.reset(browse(&info));
    }
    if (!item) return std::nullopt;
    char path[MAX_PATH] = {};
    if (!pathOf(item.get(), path)) return std::nullopt;
    return std::string(path);
  }

 private:
  std::function<HWND()> owner_;
  SystemLibrary shell32_{"shell32.dll"};
  SystemLibrary ole32_{"ole32.dll"};
};

}  // namespace

std::unique_ptr<FolderBrowser> MakeShellFolderBrowser(std::function<HWND()> owner) {
  return std::make_unique<ShellFolderBrowser>(std::move(owner));
}

}  // namespace welmor
