#include "update/win32/update_services_win32.hpp"

#include <utility>

namespace welmor {

Win32UpdateServices::Win32UpdateServices(std::function<HWND()> browserOwner,
                                         std::function<std::string()> updateHost,
                                         std::function<std::string()> executablePath)
    : connection_(MakeInetConnectionState()),
      downloader_(MakeUrlDownloader()),
      ini_(MakeProfileIniReader()),
      files_(MakeDiskFiles()),
      folders_(MakeShellFolderBrowser(std::move(browserOwner))) {
  services_.connection = connection_.get();
  services_.downloader = downloader_.get();
  services_.ini = ini_.get();
  services_.files = files_.get();
  services_.folders = folders_.get();
  services_.updateHost = std::move(updateHost);
  services_.executablePath = std::move(executablePath);
}

}  // namespace welmor
