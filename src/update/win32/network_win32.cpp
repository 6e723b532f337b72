// The off-line test and the HTTP transfer, through url.dll and urlmon.dll.
#include "update/win32/system_library.hpp"
#include "update/win32/update_services_win32.hpp"

namespace welmor {
namespace {

using InetIsOfflineFn = BOOL(WINAPI*)(DWORD flags);
// The caller object and the progress callback are COM interfaces we never
// pass, so plain pointers stand in for them.
using UrlDownloadToFileFn = HRESULT(WINAPI*)(void* caller, LPCSTR url, LPCSTR file, DWORD reserved,
                                             void* callback);

class InetConnectionState : public ConnectionState {
 public:
  bool IsOffline() override {
    const auto inetIsOffline = url_.Proc<InetIsOfflineFn>("InetIsOffline");
    // Without the test there is no reason to believe the machine is off-line;
    // the transfer will tell.
    return inetIsOffline != nullptr && inetIsOffline(0) != FALSE;
  }

 private:
  SystemLibrary url_{"url.dll"};
};

class UrlDownloader : public Downloader {
 public:
  bool DownloadToFile(const std::string& url, const std::string& localPath) override {
    const auto download = urlmon_.Proc<UrlDownloadToFileFn>("URLDownloadToFileA");
    return download != nullptr && download(nullptr, url.c_str(), localPath.c_str(), 0, nullptr) == S_OK;
  }

 private:
  SystemLibrary urlmon_{"urlmon.dll"};
};

}  // namespace

std::unique_ptr<ConnectionState> MakeInetConnectionState() { return std::make_unique<InetConnectionState>(); }
std::unique_ptr<Downloader> MakeUrlDownloader() { return std::make_unique<UrlDownloader>(); }

}  // namespace welmor
