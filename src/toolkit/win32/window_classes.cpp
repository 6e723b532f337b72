#include "toolkit/win32/window_classes.hpp"

namespace welmor {

WindowClasses::~WindowClasses() {
  for (const auto& [name, ours] : registered_) {
    if (ours) ::UnregisterClassA(name.c_str(), instance_);
  }
}

std::string WindowClasses::Ensure(const Spec& spec) {
  if (registered_.count(spec.name)) return spec.name;
  WNDCLASSEXA wc{};
  wc.cbSize = sizeof(wc);
  wc.style = spec.style;
  wc.lpfnWndProc = spec.procedure;
  wc.cbWndExtra = spec.extraBytes;
  wc.hInstance = instance_;
  wc.hCursor = ::LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_ARROW));
  wc.hIcon = ::LoadIconA(instance_, "MAINICON");
  wc.lpszClassName = spec.name.c_str();
  if (::RegisterClassExA(&wc) != 0) {
    registered_[spec.name] = true;
    return spec.name;
  }
  if (::GetLastError() == ERROR_CLASS_ALREADY_EXISTS) {
    registered_[spec.name] = false;
    return spec.name;
  }
  return {};
}

}  // namespace welmor
