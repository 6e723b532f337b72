#pragma once
// The modal input box: a caption, a one-line prompt, an edit box holding the
// default text, OK and Cancel. Built from an in-memory dialog template, so
// the program needs no dialog resource.

#include "toolkit/win32/windows_api.hpp"

#include <string>
#include <vector>

namespace welmor {

// Control ids inside the input box (OK and Cancel are IDOK and IDCANCEL).
inline constexpr int kInputPromptId = 100;
inline constexpr int kInputEditId = 101;

// The text the user confirmed with OK, or defaultText after Cancel, Escape
// or closing the box.
std::string RunInputBox(HINSTANCE instance, HWND owner, const std::string& caption, const std::string& prompt,
                        const std::string& defaultText);

// The dialog template itself (DWORD-aligned words), for tests.
std::vector<WORD> InputBoxTemplate();

}  // namespace welmor
