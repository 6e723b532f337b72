#include "toolkit/win32/hint_window.hpp"

#include "toolkit/hint_placement.hpp"
#include "toolkit/win32/gdi_font.hpp"
#include "toolkit/win32/paint_steps.hpp"
#include "toolkit/win32/window_classes.hpp"
#include "toolkit/win32/window_operations.hpp"

namespace welmor {

namespace {

constexpr UINT_PTR kPauseTimer = 1;
constexpr UINT_PTR kHideTimer = 2;
// Space between the frame and the text.
constexpr int kMarginLeft = 2;
constexpr int kMarginTop = 1;
constexpr int kExtraWidth = 6;
constexpr int kExtraHeight = 2;

bool WantsHint(const Control& control) { return control.ShowHint() && !control.Hint().empty(); }

// The font the system uses for hints and status text.
unique_hfont HintFont() {
  NONCLIENTMETRICSA metrics{};
  metrics.cbSize = sizeof(metrics);
  if (::SystemParametersInfoA(SPI_GETNONCLIENTMETRICS, sizeof(metrics), &metrics, 0)) {
    if (HFONT font = ::CreateFontIndirectA(&metrics.lfStatusFont)) return unique_hfont(font);
  }
  return unique_hfont();
}

// The whole area of the display the pointer is on; the primary screen
// where the system cannot tell.
Rect DisplayUnder(POINT pointer) {
  if (const auto monitor =
          win32_window_ops::MonitorOf(Rect{pointer.x, pointer.y, pointer.x + 1, pointer.y + 1}))
    return monitor->bounds;
  return Rect{0, 0, ::GetSystemMetrics(SM_CXSCREEN), ::GetSystemMetrics(SM_CYSCREEN)};
}

}  // namespace

std::unique_ptr<HintWindow> HintWindow::Create(WindowClasses& classes, HWND owner) {
  auto self = std::make_unique<HintWindow>();
  const std::string className =
      classes.Ensure({kHintClassName, &HintWindow::WindowProc, CS_SAVEBITS, kExtraBytes});
  if (className.empty()) return nullptr;
  HWND hwnd = ::CreateWindowExA(WS_EX_TOPMOST | WS_EX_TOOLWINDOW, className.c_str(), "", WS_POPUP | WS_BORDER,
                                0, 0, 0, 0, owner, nullptr, classes.Instance(), self.get());
  if (hwnd == nullptr) return nullptr;
  self->window_.reset(hwnd);
  self->font_ = HintFont();
  return self;
}

HintWindow::~HintWindow() {
  Detach(window_.get());
  window_.reset();
}

void HintWindow::ApplySettings(Color background, uint32_t pauseMs, uint32_t hidePauseMs) {
  background_ = background;
  pauseMs_ = pauseMs;
  hidePauseMs_ = hidePauseMs;
  if (showing_) ::InvalidateRect(window_.get(), nullptr, TRUE);
}

void HintWindow::MouseOver(const Control& control, HWND window) {
  if (&control == current_) return;
  // A control that holds the mouse capture hears of moves outside it too.
  POINT pointer{};
  ::GetCursorPos(&pointer);
  if (::WindowFromPoint(pointer) != window) return;
  Leave();
  if (!WantsHint(control)) return;
  current_ = &control;
  currentWindow_ = window;
  ::SetTimer(window_.get(), kPauseTimer, pauseMs_, nullptr);
}

void HintWindow::Cancel(const Control& control) {
  if (&control != current_) return;
  ::KillTimer(window_.get(), kPauseTimer);
  HideNow();
  expired_ = true;
}

void HintWindow::HintChanged(const Control& control) {
  if (&control != current_) return;
  if (!WantsHint(control)) {
    Leave();
  } else if (showing_) {
    Show();
  }
}

void HintWindow::Forget(const Control& control) {
  if (&control == current_) Leave();
}

void HintWindow::Leave() {
  ::KillTimer(window_.get(), kPauseTimer);
  HideNow();
  current_ = nullptr;
  currentWindow_ = nullptr;
  expired_ = false;
}

void HintWindow::HideNow() {
  ::KillTimer(window_.get(), kHideTimer);
  if (!showing_) return;
  showing_ = false;
  ::ShowWindow(window_.get(), SW_HIDE);
}

UINT HintWindow::TextFlags() const { return DT_LEFT | DT_WORDBREAK | DT_NOPREFIX | DT_EXPANDTABS; }

void HintWindow::Show() {
  if (current_ == nullptr || expired_) return;
  HWND hwnd = window_.get();
  text_ = current_->Hint();
  ::SetWindowTextA(hwnd, text_.c_str());
  POINT pointer{};
  ::GetCursorPos(&pointer);
  const Rect display = DisplayUnder(pointer);
  RECT textRect{0, 0, display.Width(), 0};
  {
    window_dc dc(hwnd);
    select_object useFont(dc.get(), font_ ? font_.get() : ::GetStockObject(DEFAULT_GUI_FONT));
    ::DrawTextA(dc.get(), text_.c_str(), static_cast<int>(text_.size()), &textRect,
                TextFlags() | DT_CALCRECT);
  }
  const int frame = 2 * ::GetSystemMetrics(SM_CXBORDER);
  const Size size{textRect.right + kExtraWidth + frame, textRect.bottom + kExtraHeight + frame};
  const int32_t pointerHeight = ::GetSystemMetrics(SM_CYCURSOR) * 5 / 8;
  const Rect r = PlaceHint(size, Point{pointer.x, pointer.y}, pointerHeight, display);
  ::SetWindowPos(hwnd, HWND_TOPMOST, r.left, r.top, r.Width(), r.Height(), SWP_NOACTIVATE | SWP_SHOWWINDOW);
  ::InvalidateRect(hwnd, nullptr, TRUE);
  ::UpdateWindow(hwnd);
  if (!showing_) {
    showing_ = true;
    ::SetTimer(hwnd, kHideTimer, hidePauseMs_, nullptr);
  }
}

void HintWindow::OnTimer(UINT_PTR id) {
  switch (id) {
    case kPauseTimer:
      ::KillTimer(window_.get(), kPauseTimer);
      Show();
      break;
    case kHideTimer:
      HideNow();
      expired_ = true;
      break;
    default:
      break;
  }
}

void HintWindow::Paint(HWND hwnd) {
  paint_scope paint(hwnd);
  HDC dc = paint.dc();
  if (dc == nullptr) return;
  RECT r = FillClientArea(hwnd, dc, background_);
  select_object useFont(dc, font_ ? font_.get() : ::GetStockObject(DEFAULT_GUI_FONT));
  ::SetBkMode(dc, TRANSPARENT);
  ::SetTextColor(dc, ::GetSysColor(COLOR_INFOTEXT));
  r.left += kMarginLeft;
  r.top += kMarginTop;
  ::DrawTextA(dc, text_.c_str(), static_cast<int>(text_.size()), &r, TextFlags());
}

LRESULT HintWindow::OnMessage(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
  switch (msg) {
    case WM_TIMER:
      OnTimer(wParam);
      return 0;
    case WM_ERASEBKGND:
      return 1;  // WM_PAINT covers every pixel
    case WM_PAINT:
      Paint(hwnd);
      return 0;
    case WM_NCHITTEST:
      return HTTRANSPARENT;  // the mouse goes to what lies below
    default:
      return ::DefWindowProcA(hwnd, msg, wParam, lParam);
  }
}

}  // namespace welmor
