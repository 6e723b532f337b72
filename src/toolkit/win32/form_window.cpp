#include "toolkit/win32/form_window.hpp"

#include <cstdio>

#include "toolkit/screen_snap.hpp"
#include "toolkit/application.hpp"
#include "toolkit/win32/control_messages.hpp"
#include "toolkit/win32/gdi_font.hpp"
#include "toolkit/win32/tooltips.hpp"
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

std::string FormClassName(uint32_t classStyle) {
  if (classStyle == kDefaultFormClassStyle) return kFormClassBase;
  char name[32];
  std::snprintf(name, sizeof name, "%s_%X", kFormClassBase, static_cast<unsigned>(classStyle));
  return name;
}

CreateParamsRec FormWindow::Params() {
  CreateParamsRec p = DefaultFormParams(form_.BorderStyle());
  Application::Dispatch([&] { form_.CreateParams(p); });
  return p;
}

std::unique_ptr<FormWindow> FormWindow::Create(const Win32Context& context, Form& form) {
  auto self = std::make_unique<FormWindow>(context, form);
  const CreateParamsRec p = self->Params();
  const std::string className = context.classes.Ensure(
      {FormClassName(p.windowClassStyle), &FormWindow::WindowProc, p.windowClassStyle, kExtraBytes});
  if (className.empty()) return nullptr;
  const Rect b = form.BoundsRect();
  HWND hwnd = ::CreateWindowExA(p.exStyle, className.c_str(), form.Caption().c_str(), p.style & ~WS_VISIBLE,
                                b.left, b.top, b.Width(), b.Height(), context.applicationWindow, nullptr,
                                context.classes.Instance(), self.get());
  if (hwnd == nullptr) return nullptr;
  self->window_.reset(hwnd);
  context.tooltips.Update(form, hwnd);
  if (form.Visible()) ::ShowWindow(hwnd, SW_SHOW);
  return self;
}

FormWindow::~FormWindow() {
  HWND hwnd = window_.get();
  context_.tooltips.Remove(hwnd);
  Detach(hwnd);
  window_.reset();
}

void FormWindow::Changed(Change what) {
  HWND hwnd = window_.get();
  if (hwnd == nullptr) return;
  switch (what) {
    case Change::Bounds: {
      const Rect b = form_.BoundsRect();
      ::SetWindowPos(hwnd, nullptr, b.left, b.top, b.Width(), b.Height(), SWP_NOZORDER | SWP_NOACTIVATE);
      break;
    }
    case Change::Visible:
      ::ShowWindow(hwnd, form_.Visible() ? SW_SHOW : SW_HIDE);
      break;
    case Change::Text:
      ::SetWindowTextA(hwnd, form_.Caption().c_str());
      break;
    case Change::Color:
      ::RedrawWindow(hwnd, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE);
      break;
    case Change::Paint:
      ::RedrawWindow(hwnd, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
      break;
    case Change::Font:
      break;
    case Change::Hint:
      context_.tooltips.Update(form_, hwnd);
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
  }
}

void FormWindow::SyncBounds(HWND hwnd) {
  if (::IsIconic(hwnd)) return;
  RECT r;
  if (!::GetWindowRect(hwnd, &r)) return;
  const Rect bounds{r.left, r.top, r.right, r.bottom};
  if (bounds == form_.BoundsRect()) return;
  Application::Dispatch([&] { form_.BoundsChangedByPeer(bounds); });
}

void FormWindow::SnapToWorkArea(HWND hwnd, WINDOWPOS& pos) {
  if (!form_.ScreenSnap() || (pos.flags & SWP_NOMOVE) != 0) return;
  RECT area;
  if (!::SystemParametersInfoA(SPI_GETWORKAREA, 0, &area, 0)) return;
  RECT now{};
  ::GetWindowRect(hwnd, &now);
  const int32_t width = (pos.flags & SWP_NOSIZE) != 0 ? now.right - now.left : pos.cx;
  const int32_t height = (pos.flags & SWP_NOSIZE) != 0 ? now.bottom - now.top : pos.cy;
  const Point p = SnapToAreaEdges(Rect{pos.x, pos.y, pos.x + width, pos.y + height},
                                  Rect{area.left, area.top, area.right, area.bottom}, form_.SnapBuffer());
  pos.x = p.x;
  pos.y = p.y;
}

LRESULT FormWindow::OnMessage(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  switch (msg) {
    case WM_ERASEBKGND: {
      RECT r;
      ::GetClientRect(hwnd, &r);
      unique_hbrush brush(::CreateSolidBrush(ToColorRef(form_.GetColor())));
      ::FillRect(reinterpret_cast<HDC>(wParam), &r, brush.get());
      return 1;
    }
    case WM_WINDOWPOSCHANGING:
      SnapToWorkArea(hwnd, *reinterpret_cast<WINDOWPOS*>(lParam));
      return ::DefWindowProcA(hwnd, msg, wParam, lParam);
    case WM_MOVE:
    case WM_SIZE:
      SyncBounds(hwnd);
      return 0;
    case WM_CLOSE:
      Application::Dispatch([this] { form_.Close(); });
      return 0;
    case WM_CONTEXTMENU:
      ForwardContextMenu(form_, hwnd, wParam, lParam);
      return 0;
    case WM_MOUSEMOVE:
      ForwardMouseMove(form_, wParam, lParam);
      return 0;
    default:
      return ::DefWindowProcA(hwnd, msg, wParam, lParam);
  }
}

}  // namespace welmor
