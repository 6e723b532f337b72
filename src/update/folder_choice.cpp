#include "update/folder_choice.hpp"

namespace welmor {

bool ChooseFolder(FolderBrowser& browser, const std::string& caption, std::string& folder) {
  if (!folder.empty() && !browser.DirectoryExists(folder)) folder.clear();
  const std::optional<std::string> chosen = browser.Browse(caption, folder);
  // A confirmed item without a file-system path is no folder to save into.
  if (!chosen || chosen->empty()) return false;
  folder = *chosen;
  return true;
}

}  // namespace welmor
