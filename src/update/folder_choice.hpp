#pragma once
// The folder chooser of the update download.

#include <string>

#include "update/update_services.hpp"

namespace welmor {

// Lets the user pick a folder, starting at folder when it names an existing
// directory (otherwise folder is emptied first). True and folder := the
// chosen path when the user confirms; false on cancel.
bool ChooseFolder(FolderBrowser& browser, const std::string& caption, std::string& folder);

}  // namespace welmor
