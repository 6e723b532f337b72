// The off-line test and the HTTP transfer, through url.dll and urlmon.dll.
#include "toolkit/win32/windows_api.hpp"

#include <urlmon.h>

#include "update/win32/update_services_win32.hpp"
#include "winapi/win32/system_library.hpp"

namespace welmor {
namespace {

using InetIsOfflineFn = BOOL(WINAPI*)(DWORD flags);
using UrlDownloadToFileFn = HRESULT(WINAPI*)(LPUNKNOWN caller, LPCSTR url, LPCSTR file, DWORD reserved,
                                             LPBINDSTATUSCALLBACK callback);

// Hears the HTTP status of a transfer. The transfer saves an error page (a
// 404, say) like any other answer and reports success, so without this a
// missing archive would arrive as an HTML file under the archive's name.
// It lives on the stack for the one blocking call, so counting is moot.
class HttpStatusListener final : public IBindStatusCallback, public IHttpNegotiate {
 public:
  DWORD status = 0;  // 0 until the server answers over HTTP

  HRESULT STDMETHODCALLTYPE QueryInterface(REFIID iid, void** object) override {
    if (iid == __uuidof(IUnknown) || iid == __uuidof(IBindStatusCallback)) {
      *object = static_cast<IBindStatusCallback*>(this);
    } else if (iid == __uuidof(IHttpNegotiate)) {
      *object = static_cast<IHttpNegotiate*>(this);
    } else {
      *object = nullptr;
      return E_NOINTERFACE;
    }
    return S_OK;
  }
  ULONG STDMETHODCALLTYPE AddRef() override { return 2; }
  ULONG STDMETHODCALLTYPE Release() override { return 1; }

  HRESULT STDMETHODCALLTYPE OnStartBinding(DWORD, IBinding*) override { return S_OK; }
  HRESULT STDMETHODCALLTYPE GetPriority(LONG*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE OnLowResource(DWORD) override { return S_OK; }
  HRESULT STDMETHODCALLTYPE OnProgress(ULONG, ULONG, ULONG, LPCWSTR) override { return S_OK; }
  HRESULT STDMETHODCALLTYPE OnStopBinding(HRESULT, LPCWSTR) override { return S_OK; }
  HRESULT STDMETHODCALLTYPE GetBindInfo(DWORD*, BINDINFO*) override { return E_NOTIMPL; }
  HRESULT STDMETHODCALLTYPE OnDataAvailable(DWORD, DWORD, FORMATETC*, STGMEDIUM*) override { return S_OK; }
  HRESULT STDMETHODCALLTYPE OnObjectAvailable(REFIID, IUnknown*) override { return S_OK; }

  HRESULT STDMETHODCALLTYPE BeginningTransaction(LPCWSTR, LPCWSTR, DWORD, LPWSTR* extraHeaders) override {
    *extraHeaders = nullptr;
    return S_OK;
  }
  HRESULT STDMETHODCALLTYPE OnResponse(DWORD code, LPCWSTR, LPCWSTR, LPWSTR* extraHeaders) override {
    status = code;
    if (extraHeaders != nullptr) *extraHeaders = nullptr;
    return S_OK;
  }
};

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
    if (download == nullptr) return false;
    HttpStatusListener listener;
    if (download(nullptr, url.c_str(), localPath.c_str(), 0, &listener) != S_OK) return false;
    if (listener.status >= 400) {
      // An error page is no download; do not leave it behind as one.
      ::DeleteFileA(localPath.c_str());
      return false;
    }
    return true;
  }

 private:
  SystemLibrary urlmon_{"urlmon.dll"};
};

}  // namespace

std::unique_ptr<ConnectionState> MakeInetConnectionState() { return std::make_unique<InetConnectionState>(); }
std::unique_ptr<Downloader> MakeUrlDownloader() { return std::make_unique<UrlDownloader>(); }

}  // namespace welmor
