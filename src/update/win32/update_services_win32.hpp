#pragma once
// The update check's platform side on Win32. The network and shell entry
// points are looked up in their system DLLs the first time the check needs
// them, so a widget that never checks never loads urlmon, url or the
// shell's folder browser.

#include "toolkit/win32/windows_api.hpp"

#include <functional>
#include <memory>
#include <string>

#include "update/update_services.hpp"

namespace welmor {

// InetIsOffline (url.dll).
std::unique_ptr<ConnectionState> MakeInetConnectionState();
// URLDownloadToFileA (urlmon.dll).
std::unique_ptr<Downloader> MakeUrlDownloader();
// GetPrivateProfileStringA with a 2048-character buffer.
std::unique_ptr<IniReader> MakeProfileIniReader();
// DeleteFileA, GetTempFileNameA and MoveFileExA.
std::unique_ptr<LocalFiles> MakeDiskFiles();
// SHBrowseForFolderA (shell32.dll), owned by the window owner() gives when
// it opens.
std::unique_ptr<FolderBrowser> MakeShellFolderBrowser(std::function<HWND()> owner);

// Owns one of each and hands them out together.
class Win32UpdateServices {
 public:
  Win32UpdateServices(std::function<HWND()> browserOwner, std::function<std::string()> updateHost,
                      std::function<std::string()> executablePath);
  UpdateServices& Services() { return services_; }

 private:
  std::unique_ptr<ConnectionState> connection_;
  std::unique_ptr<Downloader> downloader_;
  std::unique_ptr<IniReader> ini_;
  std::unique_ptr<LocalFiles> files_;
  std::unique_ptr<FolderBrowser> folders_;
  UpdateServices services_;
};

}  // namespace welmor
