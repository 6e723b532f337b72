#pragma once
// Window and dialog helpers every window of the widget shares: dragging a
// borderless window and keeping it on the work area, hiding the task-bar
// button, the topmost band, the folder of a path in short form, and the two
// message dialogs all user-facing texts go through. Each works on the platform
// of the component it is given; outside an application it does nothing.

#include <string>

#include "toolkit/form.hpp"
#include "winutil/work_area_clamp.hpp"

namespace welmor {

inline constexpr uint32_t kExStyleToolWindow = 0x00000080;  // WS_EX_TOOLWINDOW

// Lets the user move the window with the mouse (while the left button is
// held), then pulls it back inside the work area of the display it lies on.
void DragWindow(Form& form);

// Takes the program's task-bar button away by giving the application window
// the tool-window style; it ends hidden when endHidden, shown otherwise.
void MakeToolWindow(const Component& from, bool endHidden);

// Puts the form into the topmost band where it is, shows and repaints it;
// true when the system agreed.
bool SetTopmost(Form& form);

// The folder of a path, up to and including its last "\"; empty without one.
std::string FolderOfPath(const std::string& path);

// The folder of the short form of path, ending in "\". When the short form
// cannot be had, the folder of the path as given.
std::string ShortPathFolder(const Component& from, const std::string& path);

// Error ("Error") or information ("Information") box with one OK button.
void ShowMessageBox(const Component& from, const std::string& text, bool isError);

// "Confirm" box with Yes and No; true only for Yes.
bool AskYesNo(const Component& from, const std::string& text);

}  // namespace welmor
