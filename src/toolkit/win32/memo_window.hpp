#pragma once
// The native side of a Memo: a window of our own holding the system's
// multi-line edit box. The holder answers the box's colour and change
// notifications (which go to a box's parent); the box itself is subclassed
// only for the keys, which the control sees before the box acts on them.

#include "toolkit/win32/windows_api.hpp"

#include "toolkit/memo.hpp"
#include "toolkit/win32/control_window.hpp"
#include "winapi/win32/handles.hpp"

namespace welmor {

inline constexpr char kMemoClassName[] = "WelmorMemo";

class MemoWindow final : public ControlWindowOf<Memo> {
 public:
  using ControlWindowOf::ControlWindowOf;
  ~MemoWindow() override;

  HWND EditBox() const { return edit_; }

 private:
  bool Open() override;
  void OnChanged(Change what) override;
  bool HandleMessage(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result) override;
  void ApplyFont();
  static LRESULT CALLBACK EditProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) noexcept;

  HWND edit_ = nullptr;  // a child of the holder, destroyed with it
  WNDPROC editProc_ = nullptr;
  unique_hfont font_;
  unique_hbrush background_;
};

}  // namespace welmor
