#pragma once
// What the update check needs from the platform, one small interface per
// concern, so the check itself runs anywhere and tests can play the network,
// the disk and the user's folder choice.

#include <functional>
#include <optional>
#include <string>

namespace welmor {

// Whether the machine has a network connection at all.
class ConnectionState {
 public:
  virtual ~ConnectionState() = default;
  virtual bool IsOffline() = 0;
};

// One blocking HTTP transfer of url into localPath, replacing the file.
class Downloader {
 public:
  virtual ~Downloader() = default;
  // True only when the whole resource arrived; may throw on failure.
  virtual bool DownloadToFile(const std::string& url, const std::string& localPath) = 0;
};

// The platform's INI-file lookup: section and key match without regard to
// case; a missing file, section or key gives the empty text.
class IniReader {
 public:
  virtual ~IniReader() = default;
  virtual std::string ReadString(const std::string& file, const std::string& section,
                                 const std::string& key) = 0;
};

class LocalFiles {
 public:
  virtual ~LocalFiles() = default;
  // Best effort: a file that cannot be removed stays, silently.
  virtual void RemoveFile(const std::string& path) = 0;
  // Makes a new empty file of a name no other file in folder has and gives
  // its path; "" when the folder takes no new file.
  virtual std::string MakeTemporaryFile(const std::string& folder) = 0;
  // Moves from over to, replacing a file there; false when to is untouched.
  virtual bool ReplaceFile(const std::string& from, const std::string& to) = 0;
};

// The system's folder browser.
class FolderBrowser {
 public:
  virtual ~FolderBrowser() = default;
  virtual bool DirectoryExists(const std::string& path) = 0;
  // Shows the browser with caption as its title, opening at initialFolder
  // when that is not empty; the chosen folder's path, or nothing on cancel.
  virtual std::optional<std::string> Browse(const std::string& caption, const std::string& initialFolder) = 0;
};

// Everything the check uses; all members must be set.
struct UpdateServices {
  ConnectionState* connection = nullptr;
  Downloader* downloader = nullptr;
  IniReader* ini = nullptr;
  LocalFiles* files = nullptr;
  FolderBrowser* folders = nullptr;
  // Host (and optional ":port") of the update server, asked at each check.
  std::function<std::string()> updateHost;
  // Full path of the running executable.
  std::function<std::string()> executablePath;
};

}  // namespace welmor
