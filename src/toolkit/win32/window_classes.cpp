#include "toolkit/win32/window_classes.hpp"

namespace welmor {

WindowClasses::~WindowClasses() {
  for (const auto& [name, ours] : registered_) {
    if (ours) ::UnregisterClassA(name.c_str(), instance_);
  }
}

std::string WindowClasses::Ensure(const ClassInfo& info) {
  if (registered_.count(info.name)) return info.name;
  WNDCLASSEXA wc{};
  wc.cbSize = sizeof(wc);
  wc.style = info.style;
  wc.lpfnWndProc = info.procedure;
  wc.cbWndExtra = info.extraBytes;
  wc.hInstance = instance_;
  wc.hCursor = ::LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_ARROW));
  wc.hIcon = ::LoadIconA(instance_, "MAINICON");
  wc.lpszClassName = info.name.c_str();
  if (::RegisterClassExA(&wc) != 0) {
    registered_[info.name] = true;
    return info.name;
  }
  if (::GetLastError() == ERROR_CLASS_ALREADY_EXISTS) {
    registered_[info.name] = false;
    return info.name;
  }
  return {};
}

}  // namespace welmor
