#include "update/update_check.hpp"

#include <algorithm>
#include <exception>
#include <stdexcept>
#include <utility>

#include "textutil/format.hpp"
#include "update/folder_choice.hpp"
#include "update/ini_file.hpp"
#include "update/integer_text.hpp"
#include "winutil/window_helpers.hpp"

namespace welmor {

bool IsNewerVersion(const VersionNumbers& server, const VersionNumbers& running) { return server > running; }

std::string NewVersionQuestion(const VersionNumbers& server) {
  return "New version is : " + std::to_string(server[0]) + "." + std::to_string(server[1]) + " (" +
         std::to_string(server[2]) + "." + std::to_string(server[3]) +
         ").\r\nWould you like to download it ?";
}

bool IsRootFolder(const std::string& folder) {
  // Only the shape of a root counts: in a double-byte code page the last
  // byte of a folder's name can be a "\" too.
  const bool driveRoot = folder.size() == 3 && folder[1] == ':' && folder[2] == '\\';
  const bool shareRoot = folder.size() > 4 && folder.starts_with("\\\\") && folder.back() == '\\' &&
                         std::count(folder.begin(), folder.end(), '\\') == 4;
  return driveRoot || shareRoot;
}

std::string ArchiveTarget(const std::string& folder) {
  return folder + (IsRootFolder(folder) ? "" : "\\") + kArchiveFileName;
}

UpdateChecker::UpdateChecker(const Component& from, UpdateServices& services, const Settings& settings,
                             VersionTexts runningVersion)
    : from_(from), services_(services), settings_(settings), running_(std::move(runningVersion)) {
  if (!services.connection || !services.downloader || !services.ini || !services.files || !services.folders ||
      !services.updateHost || !services.executablePath) {
    throw std::invalid_argument("UpdateChecker needs every update service");
  }
}

int32_t UpdateChecker::ServerNumber(const std::string& versionFile, const char* key) {
  const std::string text = ReadIniString(*services_.ini, versionFile, kVersionFileSection, key);
  // Only plain digits count; a digit text too large for 32 bits throws.
  return !text.empty() && IsDigits(text) ? StrToInt(text) : 0;
}

void UpdateChecker::CheckForUpdates() {
  const bool talkative = !settings_.AutoUpdate;
  if (services_.connection->IsOffline()) {
    if (talkative) ShowMessageBox(from_, kOfflineText, true);
    return;
  }

  const std::string host = services_.updateHost();
  const std::string folder = ShortPathFolder(from_, services_.executablePath());
  const std::string versionFile = folder + kVersionFileName;
  // Without the program's folder the file would go to whatever folder is
  // current, and be looked for somewhere else.
  if (folder.empty() || !DownloadFile("http://" + host + kServerFolder + kVersionFileName, versionFile)) {
    if (talkative) ShowMessageBox(from_, kNoVersionFileText, true);
    return;
  }

  VersionNumbers server{};
  server[0] = ServerNumber(versionFile, "Major");
  server[1] = ServerNumber(versionFile, "Minor");
  server[2] = ServerNumber(versionFile, "Release");
  server[3] = ServerNumber(versionFile, "Build");
  const std::string archive = ReadIniString(*services_.ini, versionFile, kVersionFileSection, "File");
  services_.files->RemoveFile(versionFile);

  VersionNumbers running{};
  for (std::size_t i = 0; i < running.size(); ++i) running[i] = StrToInt(running_[i]);

  if (server[0] == 0) {
    ShowMessageBox(from_, kCorruptedText, true);
    return;
  }
  if (!IsNewerVersion(server, running)) {
    if (talkative) ShowMessageBox(from_, kUpToDateText, false);
    return;
  }
  if (!AskYesNo(from_, NewVersionQuestion(server))) return;

  if (DownloadUpdate(host + kServerFolder + archive)) {
    ShowMessageBox(from_, kDownloadedText, false);
  } else {
    ShowMessageBox(from_, kNotDownloadedText, true);
  }
}

bool UpdateChecker::DownloadUpdate(const std::string& remotePath) {
  try {
    std::string folder;
    // A cancelled choice leaves no target; there is nothing to transfer.
    if (!ChooseFolder(*services_.folders, kDownloadFolderCaption, folder)) return false;
    // The transfer goes to a file of its own: one that fails must not cost
    // the user an archive of that name already in the folder.
    const std::string part = services_.files->MakeTemporaryFile(folder);
    if (part.empty()) return false;
    if (DownloadFile("http://" + remotePath, part) &&
        services_.files->ReplaceFile(part, ArchiveTarget(folder)))
      return true;
    services_.files->RemoveFile(part);
    return false;
  } catch (const std::exception&) {
    return false;
  }
}

bool UpdateChecker::DownloadFile(const std::string& url, const std::string& localPath) {
  if (localPath.empty()) return false;
  try {
    return services_.downloader->DownloadToFile(url, localPath);
  } catch (const std::exception&) {
    return false;
  }
}

}  // namespace welmor
