#include "toolkit/win32/tooltips.hpp"

#include "toolkit/win32/windows_api.hpp"

#include <commctrl.h>

#include <cstddef>

#include "toolkit/win32/gdi_font.hpp"

namespace welmor {

namespace {

// comctl32 version 5 (Windows 2000, and XP without a manifest) refuses the
// newer, larger TOOLINFO.
constexpr UINT kToolInfoSize = offsetof(TOOLINFOA, lParam) + sizeof(LPARAM);

// Wide enough for a process list; setting any width makes "\r\n" break lines.
constexpr LPARAM kMaxTipWidth = 600;

TOOLINFOA ToolFor(HWND owner, HWND window) {
  TOOLINFOA ti{};
  ti.cbSize = kToolInfoSize;
  ti.uFlags = TTF_IDISHWND | TTF_SUBCLASS;
  ti.hwnd = owner;
  ti.uId = reinterpret_cast<UINT_PTR>(window);
  return ti;
}

}  // namespace

Tooltips::~Tooltips() {
  if (tip_) {
    for (const auto& [window, parent] : tools_) {
      TOOLINFOA ti = ToolFor(parent, window);
      ::SendMessageA(tip_.get(), TTM_DELTOOLA, 0, reinterpret_cast<LPARAM>(&ti));
    }
  }
}

bool Tooltips::EnsureWindow() {
  if (tip_) return true;
  if (!comctl_) {
    comctl_.reset(::LoadLibraryA("comctl32.dll"));
    if (!comctl_) return false;
    using InitEx = BOOL(WINAPI*)(const INITCOMMONCONTROLSEX*);
    using Init = void(WINAPI*)();
    if (auto initEx = reinterpret_cast<InitEx>(
            reinterpret_cast<void*>(::GetProcAddress(comctl_.get(), "InitCommonControlsEx")))) {
      INITCOMMONCONTROLSEX icc{sizeof(icc), ICC_BAR_CLASSES};
      initEx(&icc);
    } else if (auto init = reinterpret_cast<Init>(
                   reinterpret_cast<void*>(::GetProcAddress(comctl_.get(), "InitCommonControls")))) {
      init();
    }
  }
  // Topmost, as the widget is: a tooltip under its own window is no use.
  tip_.reset(::CreateWindowExA(WS_EX_TOPMOST | WS_EX_TOOLWINDOW, TOOLTIPS_CLASSA, nullptr,
                               WS_POPUP | TTS_ALWAYSTIP | TTS_NOPREFIX, CW_USEDEFAULT, CW_USEDEFAULT,
                               CW_USEDEFAULT, CW_USEDEFAULT, owner_, nullptr, instance_, nullptr));
  if (!tip_) return false;
  ::SendMessageA(tip_.get(), TTM_SETMAXTIPWIDTH, 0, kMaxTipWidth);
  ApplyCurrentSettings();
  return true;
}

void Tooltips::ApplySettings(Color background, uint32_t pauseMs, uint32_t hidePauseMs) {
  background_ = background;
  pauseMs_ = pauseMs;
  hidePauseMs_ = hidePauseMs;
  haveSettings_ = true;
  ApplyCurrentSettings();
}

void Tooltips::ApplyCurrentSettings() {
  if (!tip_ || !haveSettings_) return;
  ::SendMessageA(tip_.get(), TTM_SETTIPBKCOLOR, ToColorRef(background_), 0);
  ::SendMessageA(tip_.get(), TTM_SETDELAYTIME, TTDT_INITIAL, MAKELPARAM(pauseMs_ & 0xFFFF, 0));
  ::SendMessageA(tip_.get(), TTM_SETDELAYTIME, TTDT_AUTOPOP, MAKELPARAM(hidePauseMs_ & 0xFFFF, 0));
}

void Tooltips::Update(const Control& control, HWND window) {
  if (window == nullptr) return;
  const bool wanted = control.ShowHint() && !control.Hint().empty();
  if (!wanted) {
    Remove(window);
    return;
  }
  if (!EnsureWindow()) return;
  HWND parent = ::GetParent(window) ? ::GetParent(window) : window;
  TOOLINFOA ti = ToolFor(parent, window);
  std::string text = control.Hint();
  ti.lpszText = text.data();
  const auto known = tools_.find(window);
  if (known != tools_.end() && known->second == parent) {
    ::SendMessageA(tip_.get(), TTM_UPDATETIPTEXTA, 0, reinterpret_cast<LPARAM>(&ti));
    return;
  }
  if (known != tools_.end()) Remove(window);
  if (::SendMessageA(tip_.get(), TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&ti))) tools_[window] = parent;
}

void Tooltips::Remove(HWND window) {
  const auto known = tools_.find(window);
  if (known == tools_.end()) return;
  TOOLINFOA ti = ToolFor(known->second, window);
  tools_.erase(known);
  if (!tip_) return;
  ::SendMessageA(tip_.get(), TTM_DELTOOLA, 0, reinterpret_cast<LPARAM>(&ti));
}

}  // namespace welmor
