#include "toolkit/win32/control_window.hpp"

#include "toolkit/application.hpp"
#include "toolkit/win32/control_messages.hpp"
#include "toolkit/win32/hint_window.hpp"
#include "toolkit/win32/paint_pass.hpp"
#include "toolkit/win32/window_classes.hpp"

namespace welmor {

ControlWindow::~ControlWindow() {
  HWND hwnd = window_.get();
  context_.hints.Forget(control_);
  context_.paints.Forget(*this);
  // The derived part is gone already: no message may reach it.
  Detach(hwnd);
  window_.reset();
}

bool ControlWindow::CreateChild(const char* className, uint32_t classStyle, DWORD style, DWORD exStyle) {
  WindowParams p;
  p.className = context_.classes.Ensure({className, &ControlWindow::WindowProc, classStyle, kExtraBytes});
  if (p.className.empty()) return false;
  p.style = style | WS_CHILD;
  if (control_.Visible()) p.style |= WS_VISIBLE;
  p.exStyle = exStyle;
  p.parent = ParentWindowFor(control_, context_);
  if (!CreateWindowWith(p)) return false;
  // The system puts a new child at the bottom, but a control made later
  // covers the ones made before it (the bars lie over the panels' edges).
  ::SetWindowPos(window_.get(), HWND_TOP, 0, 0, 0, 0, SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE);
  static uint64_t made = 0;
  stackOrder_ = ++made;
  return true;
}

bool ControlWindow::CreateWindowWith(const WindowParams& p) {
  const Rect b = control_.BoundsRect();
  HWND hwnd =
      ::CreateWindowExA(p.exStyle, p.className.c_str(), control_.Caption().c_str(), p.style, b.left, b.top,
                        b.Width(), b.Height(), p.parent, nullptr, context_.classes.Instance(), this);
  if (hwnd == nullptr) return false;
  window_.reset(hwnd);
  return true;
}

void ControlWindow::Changed(Change what) {
  HWND hwnd = window_.get();
  if (hwnd == nullptr) return;
  switch (what) {
    case Change::Bounds: {
      const Rect b = control_.BoundsRect();
      ::SetWindowPos(hwnd, nullptr, b.left, b.top, b.Width(), b.Height(), SWP_NOZORDER | SWP_NOACTIVATE);
      break;
    }
    case Change::Visible:
      ::ShowWindow(hwnd, control_.Visible() ? ShowCommand() : SW_HIDE);
      break;
    case Change::Text:
      ::SetWindowTextA(hwnd, control_.Caption().c_str());
      break;
    case Change::Hint:
      context_.hints.HintChanged(control_);
      break;
    default:
      break;
  }
  OnChanged(what);
}

bool ControlWindow::HandleMessage(HWND, UINT, WPARAM, LPARAM, LRESULT&) { return false; }

LRESULT ControlWindow::DefaultProcedure(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  return ::DefWindowProcA(hwnd, msg, wParam, lParam);
}

LRESULT ControlWindow::OnMessage(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  LRESULT result = 0;
  if (HandleMessage(hwnd, msg, wParam, lParam, result)) return result;
  switch (msg) {
    case WM_MOUSEMOVE:
      // The handler may set the hint it is about to show (the process list).
      ForwardMouseMove(control_, wParam, lParam);
      context_.hints.MouseOver(control_, hwnd);
      if (!trackingLeave_) {
        // Told once when the mouse leaves, rather than looking every so often.
        TRACKMOUSEEVENT track{sizeof(track), TME_LEAVE, hwnd, 0};
        trackingLeave_ = ::TrackMouseEvent(&track) != FALSE;
      }
      return 0;
    case WM_MOUSELEAVE:
      trackingLeave_ = false;
      context_.hints.Forget(control_);
      return 0;
    case WM_LBUTTONDOWN:
      context_.hints.Cancel(control_);
      // A control pressed with the left button keeps the mouse, so a quick
      // drag that leaves it before the move loop starts still reaches it.
      // The other buttons leave the mouse alone: the right one brings the
      // context menu on its release, which a capture must not stand in
      // the way of.
      ::SetCapture(hwnd);
      break;
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN:
      context_.hints.Cancel(control_);
      break;
    case WM_LBUTTONUP:
      if (::GetCapture() == hwnd) ::ReleaseCapture();
      break;
    case WM_CONTEXTMENU:
      ForwardContextMenu(control_, hwnd, wParam, lParam);
      return 0;
    default:
      break;
  }
  return DefaultProcedure(hwnd, msg, wParam, lParam);
}

}  // namespace welmor
