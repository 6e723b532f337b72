#include "toolkit/win32/application_window.hpp"

#include "toolkit/win32/window_classes.hpp"

namespace welmor {

std::unique_ptr<ApplicationWindow> ApplicationWindow::Create(WindowClasses& classes,
                                                             std::function<void()> onClose) {
  auto self = std::make_unique<ApplicationWindow>();
  self->onClose_ = std::move(onClose);
  const std::string className =
      classes.Ensure({kApplicationClassName, &ApplicationWindow::WindowProc, 0, kExtraBytes});
  if (className.empty()) return nullptr;
  // Visible from the start, like the classic framework's: it has no size, so
  // all it shows is the task-bar button, until MakeToolWindow takes that away.
  HWND hwnd = ::CreateWindowExA(0, className.c_str(), "",
                                WS_POPUP | WS_CAPTION | WS_CLIPSIBLINGS | WS_SYSMENU | WS_MINIMIZEBOX,
                                ::GetSystemMetrics(SM_CXSCREEN) / 2, ::GetSystemMetrics(SM_CYSCREEN) / 2, 0,
                                0, nullptr, nullptr, classes.Instance(), self.get());
  if (hwnd == nullptr) return nullptr;
  self->window_.reset(hwnd);
  ::ShowWindow(hwnd, SW_SHOWNOACTIVATE);
  return self;
}

ApplicationWindow::~ApplicationWindow() {
  Detach(window_.get());
  window_.reset();
}

LRESULT ApplicationWindow::OnMessage(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  switch (msg) {
    case WM_CLOSE:
      // Closing the task-bar button closes the main form.
      if (onClose_) onClose_();
      return 0;
    default:
      return ::DefWindowProcA(hwnd, msg, wParam, lParam);
  }
}

}  // namespace welmor
