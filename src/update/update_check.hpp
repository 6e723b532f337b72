#pragma once
// The update check: fetches the server's version file, compares it with the
// running version and, when the user agrees, downloads the release archive
// into a folder the user picks. Everything runs synchronously inside one
// menu command; the user hears of it through the shared message boxes.
//
// Quiet mode (AutoUpdate on) reports only a corrupted version file, the offer
// of a newer release and the outcome of a download; talkative mode reports
// every outcome. A version text that cannot be converted throws
// EConvertError, which the command's dispatch shows in the default error box.

#include <array>
#include <cstdint>
#include <string>

#include "settings/settings.hpp"
#include "toolkit/component.hpp"
#include "update/update_services.hpp"

namespace welmor {

inline constexpr const char* kOfflineText = "Connection with server cannot be made !";
inline constexpr const char* kNoVersionFileText = "Information cannot be retrived from the server !";
inline constexpr const char* kCorruptedText =
    "Information retrived from server was corupted, please try again later.";
inline constexpr const char* kUpToDateText = "Your Welmor it`s newer / up to date.";
inline constexpr const char* kDownloadedText = "File was downloaded succesfully !";
inline constexpr const char* kNotDownloadedText = "File wasn`t downloaded !";
inline constexpr const char* kDownloadFolderCaption = "Download update to...";

inline constexpr const char* kVersionFileName = "Welmor.ver";
inline constexpr const char* kVersionFileSection = "Welmor";
inline constexpr const char* kServerFolder = "/toolbox/";
// Whatever the server calls the archive, it is saved under this name.
inline constexpr const char* kArchiveFileName = "Welmor_v3-7.rar";

// Major, minor, release and build, as texts.
using VersionTexts = std::array<std::string, 4>;
using VersionNumbers = std::array<int32_t, 4>;

// True when server is newer: at the first place where the two differ, the
// server's number is the greater.
bool IsNewerVersion(const VersionNumbers& server, const VersionNumbers& running);

// The offer: "New version is : 3.9 (5.16).", a line break and the question.
std::string NewVersionQuestion(const VersionNumbers& server);

// "X:\" or "\\server\share\", the folders whose text ends in a "\".
bool IsRootFolder(const std::string& folder);
// Where the archive goes in folder: one "\" between them unless folder is a
// root.
std::string ArchiveTarget(const std::string& folder);

class UpdateChecker {
 public:
  // Throws std::invalid_argument when a service is missing. The boxes show
  // on the platform of from's application.
  UpdateChecker(const Component& from, UpdateServices& services, const Settings& settings,
                VersionTexts runningVersion);

  void CheckForUpdates();
  // remotePath is host and path without the scheme; true when the archive
  // arrived in the folder the user chose.
  bool DownloadUpdate(const std::string& remotePath);
  bool DownloadFile(const std::string& url, const std::string& localPath);

 private:
  int32_t ServerNumber(const std::string& versionFile, const char* key);

  const Component& from_;
  UpdateServices& services_;
  const Settings& settings_;
  VersionTexts running_;
};

}  // namespace welmor
