#pragma once
// <windows.h> for the toolkit's Win32 files and their users. The toolkit has
// members called MessageBox, ChooseColor (Dialogs) and TextOut (Canvas),
// which the system headers' A/W macros of the same names would rename in any
// file that sees both; the program calls the ...A functions by their own
// names, so the macros go.

#include <windows.h>
// commdlg.h needs windows.h first.
#include <commdlg.h>

#undef MessageBox
#undef ChooseColor
#undef TextOut
