#pragma once
// Window procedures that each stand for one hook component. The system
// calls a window procedure with the window and the message only, so every
// hooked component needs a procedure of its own; a fixed set of them is
// made at compile time and handed out one per component.

#include <windows.h>

namespace welmor {

class TMagnetFormHookComponent;

// A free procedure bound to component, or null when all are taken.
WNDPROC AcquireHookProcedure(TMagnetFormHookComponent& component);
void ReleaseHookProcedure(WNDPROC procedure);

}  // namespace welmor
