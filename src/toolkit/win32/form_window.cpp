#include "toolkit/win32/form_window.hpp"

#include <cstdio>

#include "toolkit/application.hpp"
#include "toolkit/win32/control_messages.hpp"
#include "toolkit/win32/gdi_font.hpp"
#include "toolkit/win32/paint_steps.hpp"
#include "toolkit/win32/window_classes.hpp"

namespace welmor {

namespace {

constexpr uint32_t kDefaultFormClassStyle = CS_DBLCLKS;
constexpr char kFormClassBase[] = "WelmorForm";

}  // namespace

CreateParamsRec DefaultFormParams(FormBorderStyle border) {
  CreateParamsRec p;
  p.windowClassStyle = kDefaultFormClassStyle;
  p.style = WS_POPUP | WS_CLIPCHILDREN;
  switch (border) {
    case FormBorderStyle::None:
      break;
    case FormBorderStyle::Single:
      p.style |= WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX;
      break;
    case FormBorderStyle::Sizeable:
      p.style |= WS_CAPTION | WS_SYSMENU | WS_MINIMIZEBOX | WS_MAXIMIZEBOX | WS_THICKFRAME;
      break;
    case FormBorderStyle::Dialog:
      p.style |= WS_CAPTION | WS_SYSMENU | DS_MODALFRAME;
      p.exStyle |= WS_EX_DLGMODALFRAME;
      break;
  }
  return p;
}

std::string FormClassName(const std::string& name, uint32_t classStyle) {
  const std::string base = name.empty() ? kFormClassBase : name;
  if (classStyle == kDefaultFormClassStyle) return base;
  char style[16];
  std::snprintf(style, sizeof style, "_%X", static_cast<unsigned>(classStyle));
  return base + style;
}

CreateParamsRec FormWindow::Params() {
  CreateParamsRec p = DefaultFormParams(control_.BorderStyle());
  Application::Dispatch(control_, [&] { control_.CreateParams(p); });
  return p;
}

bool FormWindow::Open() {
  const CreateParamsRec p = Params();
  WindowParams params;
  params.className = Context().classes.Ensure({FormClassName(p.windowClassName, p.windowClassStyle),
                                               &ControlWindow::WindowProc, p.windowClassStyle, kExtraBytes});
  if (params.className.empty()) return false;
  params.style = p.style & ~WS_VISIBLE;
  params.exStyle = p.exStyle;
  params.parent = Context().applicationWindow;
  if (!CreateWindowWith(params)) return false;
  if (control_.Visible()) ::ShowWindow(Window(), SW_SHOW);
  return true;
}

void FormWindow::OnChanged(Change what) {
  HWND hwnd = Window();
  switch (what) {
    case Change::Color:
      ::RedrawWindow(hwnd, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE);
      break;
    case Change::Paint:
      ::RedrawWindow(hwnd, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
      break;
    case Change::Style: {
      const CreateParamsRec p = Params();
      const auto style = static_cast<DWORD>(::GetWindowLongPtrA(hwnd, GWL_STYLE));
      const auto exStyle = static_cast<DWORD>(::GetWindowLongPtrA(hwnd, GWL_EXSTYLE));
      // Visibility and the topmost band belong to the window's state, not
      // to its border.
      ::SetWindowLongPtrA(hwnd, GWL_STYLE, (p.style & ~WS_VISIBLE) | (style & WS_VISIBLE));
      ::SetWindowLongPtrA(hwnd, GWL_EXSTYLE, (p.exStyle & ~WS_EX_TOPMOST) | (exStyle & WS_EX_TOPMOST));
      ::SetWindowPos(hwnd, nullptr, 0, 0, 0, 0,
                     SWP_FRAMECHANGED | SWP_NOMOVE | SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
      break;
    }
    default:
      break;
  }
}

void FormWindow::SyncBounds(HWND hwnd) {
  if (::IsIconic(hwnd)) return;
  RECT r;
  if (!::GetWindowRect(hwnd, &r)) return;
  const Rect bounds{r.left, r.top, r.right, r.bottom};
  if (bounds == control_.BoundsRect()) return;
  Application::Dispatch(control_, [&] { control_.BoundsChangedByPeer(bounds); });
}

void FormWindow::SnapToWorkArea(HWND hwnd, WINDOWPOS& pos) {
  if (!control_.ScreenSnap() || (pos.flags & SWP_NOMOVE) != 0) return;
  RECT now{};
  ::GetWindowRect(hwnd, &now);
  const int32_t width = (pos.flags & SWP_NOSIZE) != 0 ? now.right - now.left : pos.cx;
  const int32_t height = (pos.flags & SWP_NOSIZE) != 0 ? now.bottom - now.top : pos.cy;
  const Point p = control_.SnappedPosition(Rect{pos.x, pos.y, pos.x + width, pos.y + height});
  pos.x = p.x;
  pos.y = p.y;
}

void FormWindow::PaintFrame(HWND hwnd) {
  unique_hbrush brush(::CreateSolidBrush(ToColorRef(control_.FrameColor())));
  FrameWholeWindow(hwnd, brush.get(), control_.FrameWidth());
}

bool FormWindow::HandleMessage(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) {
  const int32_t frame = control_.FrameWidth();
  switch (msg) {
    case WM_NCCALCSIZE: {
      if (frame <= 0) return false;
      RECT* client =
          wParam ? &reinterpret_cast<NCCALCSIZE_PARAMS*>(lParam)->rgrc[0] : reinterpret_cast<RECT*>(lParam);
      ::InflateRect(client, -frame, -frame);
      result = 0;
      return true;
    }
    case WM_NCPAINT:
      if (frame <= 0) return false;
      PaintFrame(hwnd);
      result = 0;
      return true;
    case WM_NCACTIVATE:
      // The frame looks the same active or not.
      if (frame <= 0) return false;
      PaintFrame(hwnd);
      result = TRUE;
      return true;
    case WM_ACTIVATE:
      if (LOWORD(wParam) != WA_INACTIVE && control_.ActiveControl()) {
        if (HWND focus = WindowOf(*control_.ActiveControl())) {
          ::SetFocus(focus);
          result = 0;
          return true;
        }
      }
      return false;
    case WM_KEYDOWN:
      if (!control_.KeyPressed(static_cast<uint16_t>(wParam), KeyShiftState())) return false;
      result = 0;
      return true;
    case WM_ERASEBKGND:
      FillClientArea(hwnd, reinterpret_cast<HDC>(wParam), control_.GetColor());
      result = 1;
      return true;
    case WM_WINDOWPOSCHANGING:
      SnapToWorkArea(hwnd, *reinterpret_cast<WINDOWPOS*>(lParam));
      return false;  // the default procedure goes on with it
    case WM_MOVE:
    case WM_SIZE:
      SyncBounds(hwnd);
      return true;
    case WM_CLOSE:
      Application::Dispatch(control_, [this] { control_.Close(); });
      return true;
    case WM_ENDSESSION:
      if (wParam) control_.SessionEnding();
      result = 0;
      return true;
    default:
      return false;
  }
}

}  // namespace welmor
