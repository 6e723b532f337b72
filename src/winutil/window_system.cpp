#include "winutil/window_system.hpp"

namespace welmor {

namespace {

WindowSystem* g_windowSystem = nullptr;

}  // namespace

WindowSystem* InstalledWindowSystem() { return g_windowSystem; }

void InstallWindowSystem(WindowSystem* system) { g_windowSystem = system; }

}  // namespace welmor
