// The history and about windows' toolkit parts as real windows: a link's
// pointer events and cursor, and the edit box's text and keys. (The framed
// client area and the modal loop are checked end to end.)
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "toolkit/form.hpp"
#include "toolkit/label.hpp"
#include "toolkit/memo.hpp"
#include "toolkit/win32/memo_window.hpp"
#include "win32/toolkit_fixture.hpp"

namespace welmor {
namespace {

using testenv::AsHwnd;

class Win32SecondaryControls : public testenv::Win32Toolkit {
 protected:
  Form& MakeForm() {
    Form& form = App().CreateForm<Form>();
    form.SetBorderStyle(FormBorderStyle::None);
    form.SetBounds(50, 40, 200, 100);
    return form;
  }
};

TEST_F(Win32SecondaryControls, ALinkSeesThePointerEnterAndLeaveShowsItsCursorAndIsClicked) {
  Form& form = MakeForm();
  Label& link = form.Make<Label>();
  link.SetParent(&form);
  link.SetBounds(10, 10, 80, 13);
  std::vector<std::string> seen;
  link.OnMouseEnter = [&](Component&) { seen.push_back("enter"), link.SetCursor(Cursor::HandPoint); };
  link.OnMouseLeave = [&](Component&) { seen.push_back("leave"), link.SetCursor(Cursor::Default); };
  link.OnClick = [&](Component&) { seen.push_back("click"); };
  form.ShowForm();
  HWND hwnd = AsHwnd(link.Handle());
  ::SendMessageA(hwnd, WM_MOUSEMOVE, 0, MAKELPARAM(5, 5));
  ::SendMessageA(hwnd, WM_SETCURSOR, reinterpret_cast<WPARAM>(hwnd), MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
  EXPECT_EQ(::GetCursor(), ::LoadCursorA(nullptr, reinterpret_cast<LPCSTR>(IDC_HAND)));
  ::SendMessageA(hwnd, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
  ::SendMessageA(hwnd, WM_LBUTTONUP, 0, MAKELPARAM(5, 5));
  ::SendMessageA(hwnd, WM_LBUTTONDOWN, MK_LBUTTON, MAKELPARAM(5, 5));
  ::SendMessageA(hwnd, WM_LBUTTONUP, 0, MAKELPARAM(90, 5));  // released outside: no click
  ::SendMessageA(hwnd, WM_MOUSELEAVE, 0, 0);
  EXPECT_EQ(seen, (std::vector<std::string>{"enter", "click", "leave"}));
  EXPECT_EQ(link.GetCursor(), Cursor::Default);
}

TEST_F(Win32SecondaryControls, TheEditBoxShowsTheTextTellsItsEditsAndGivesKeysToTheControlFirst) {
  Form& form = MakeForm();
  Memo& memo = form.Make<Memo>();
  memo.SetParent(&form);
  memo.SetBounds(5, 5, 150, 80);
  memo.SetText("one\r\ntwo");
  std::vector<uint16_t> keys;
  memo.OnKeyDown = [&](Control&, uint16_t& key, uint32_t) { keys.push_back(key); };
  form.ShowForm();
  auto* peer = dynamic_cast<MemoWindow*>(memo.Peer());
  ASSERT_NE(peer, nullptr);
  HWND edit = peer->EditBox();
  EXPECT_EQ(testenv::WindowText(edit), "one\r\ntwo");
  EXPECT_EQ(::SendMessageA(edit, EM_GETLINECOUNT, 0, 0), 2);
  ::SendMessageA(edit, WM_CHAR, 'x', 0);  // typed at the caret, which starts at the beginning
  EXPECT_EQ(memo.Text(), "xone\r\ntwo");
  ::SendMessageA(edit, WM_KEYDOWN, VK_ESCAPE, 0);
  ::SendMessageA(edit, WM_KEYDOWN, VK_DOWN, 0);
  EXPECT_EQ(keys, (std::vector<uint16_t>{VK_ESCAPE, VK_DOWN}));
}

}  // namespace
}  // namespace welmor
