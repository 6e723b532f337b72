#include "toolkit/win32/memo_window.hpp"

#include <vector>

#include "toolkit/application.hpp"
#include "toolkit/win32/control_messages.hpp"
#include "toolkit/win32/gdi_font.hpp"
#include "toolkit/win32/window_classes.hpp"

namespace welmor {

namespace {

constexpr char kPeerProperty[] = "WelmorMemoPeer";

DWORD EditStyleOf(const Memo& memo) {
  DWORD style = WS_CHILD | WS_VISIBLE | ES_MULTILINE | ES_AUTOVSCROLL | ES_WANTRETURN | ES_NOHIDESEL;
  if (!memo.WordWrap()) style |= ES_AUTOHSCROLL;
  if (memo.ReadOnly()) style |= ES_READONLY;
  const ScrollBars bars = memo.GetScrollBars();
  if (bars == ScrollBars::Vertical || bars == ScrollBars::Both) style |= WS_VSCROLL;
  if (bars == ScrollBars::Horizontal || bars == ScrollBars::Both) style |= WS_HSCROLL;
  return style;
}

std::string WindowText(HWND hwnd) {
  const int length = ::GetWindowTextLengthA(hwnd);
  std::vector<char> text(static_cast<std::size_t>(length) + 1);
  const int n = ::GetWindowTextA(hwnd, text.data(), length + 1);
  return std::string(text.data(), static_cast<std::size_t>(n > 0 ? n : 0));
}

}  // namespace

bool MemoWindow::Open() {
  if (!CreateChild(kMemoClassName, 0, WS_CLIPSIBLINGS | WS_CLIPCHILDREN, 0)) return false;
  RECT r;
  ::GetClientRect(Window(), &r);
  edit_ = ::CreateWindowExA(0, "EDIT", control_.Text().c_str(), EditStyleOf(control_), 0, 0, r.right,
                            r.bottom, Window(), nullptr, Context().classes.Instance(), nullptr);
  if (edit_ == nullptr) return false;
  ::SetPropA(edit_, kPeerProperty, this);
  editProc_ = reinterpret_cast<WNDPROC>(
      ::SetWindowLongPtrA(edit_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&MemoWindow::EditProc)));
  ApplyFont();
  return true;
}

MemoWindow::~MemoWindow() {
  if (edit_ == nullptr) return;
  if (editProc_) ::SetWindowLongPtrA(edit_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(editProc_));
  ::RemovePropA(edit_, kPeerProperty);
}

void MemoWindow::ApplyFont() {
  font_ = MakeGdiFont(control_.GetFont());
  ::SendMessageA(edit_, WM_SETFONT, reinterpret_cast<WPARAM>(font_.get()), TRUE);
}

void MemoWindow::OnChanged(Change what) {
  if (edit_ == nullptr) return;
  switch (what) {
    case Change::Bounds:
      ::SetWindowPos(edit_, nullptr, 0, 0, control_.Width(), control_.Height(),
                     SWP_NOZORDER | SWP_NOACTIVATE);
      break;
    case Change::Text:
      ::SetWindowTextA(edit_, control_.Text().c_str());
      break;
    case Change::Font:
      ApplyFont();
      break;
    case Change::Color:
    case Change::Paint:
      ::InvalidateRect(edit_, nullptr, TRUE);
      break;
    case Change::Style:
      ::SendMessageA(edit_, EM_SETREADONLY, control_.ReadOnly() ? TRUE : FALSE, 0);
      break;
    default:
      break;
  }
}

bool MemoWindow::HandleMessage(HWND, UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) {
  switch (msg) {
    case WM_SETFOCUS:
      // The form gives the focus to the control; the box is what types.
      if (edit_) ::SetFocus(edit_);
      result = 0;
      return true;
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORSTATIC: {
      HDC dc = reinterpret_cast<HDC>(wParam);
      const COLORREF color = ToColorRef(control_.GetColor());
      ::SetTextColor(dc, ToColorRef(control_.GetFont().color));
      ::SetBkColor(dc, color);
      background_.reset(::CreateSolidBrush(color));
      result = reinterpret_cast<LRESULT>(background_.get());
      return true;
    }
    case WM_COMMAND:
      if (HIWORD(wParam) == EN_CHANGE && reinterpret_cast<HWND>(lParam) == edit_) {
        const std::string text = WindowText(edit_);
        Application::Dispatch(control_, [&] { control_.TextChangedByPeer(text); });
      }
      result = 0;
      return true;
    default:
      return false;
  }
}

LRESULT CALLBACK MemoWindow::EditProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) noexcept {
  auto* self = static_cast<MemoWindow*>(::GetPropA(hwnd, kPeerProperty));
  if (self == nullptr) return ::DefWindowProcA(hwnd, msg, wParam, lParam);
  const WNDPROC editProc = self->editProc_;
  if (msg == WM_KEYDOWN) {
    bool taken = false;
    try {
      taken = self->control_.KeyPressed(static_cast<uint16_t>(wParam), KeyShiftState());
    } catch (...) {
      Application::ReportCurrentException(self->control_.App());
    }
    // The handler may have hidden or freed the window; the box acts on the
    // key only when the handler left it alone.
    if (taken) return 0;
  }
  return ::CallWindowProcA(editProc, hwnd, msg, wParam, lParam);
}

}  // namespace welmor
