// Control hints as tooltips, with the application's hint colour and pauses.
#include <gtest/gtest.h>

#include "toolkit/win32/windows_api.hpp"

#include <commctrl.h>

#include <cstddef>
#include <string>
#include <vector>

#include "toolkit/form.hpp"
#include "toolkit/label.hpp"
#include "win32/toolkit_fixture.hpp"

namespace welmor {
namespace {

using testenv::AsHwnd;

class Win32Tooltips : public testenv::Win32Toolkit {
 protected:
  void SetUp() override {
    Win32Toolkit::SetUp();
    form_ = &App().CreateForm<Form>();
    form_->SetBorderStyle(FormBorderStyle::None);
    form_->SetBounds(50, 400, 422, 17);
    for (int i = 0; i < 2; ++i) {
      Label& label = form_->Make<Label>();
      label.SetParent(form_);
      label.SetBounds(i * 141, 0, 140, 17);
      panels_.push_back(&label);
    }
    form_->CreatePeers();
  }
  HWND Tip() { return Backend().TooltipWindow(); }
  LRESULT ToolCount() { return ::SendMessageA(Tip(), TTM_GETTOOLCOUNT, 0, 0); }
  TOOLINFOA ToolOf(const Control& control) {
    TOOLINFOA ti{};
    ti.cbSize = static_cast<UINT>(offsetof(TOOLINFOA, lParam) + sizeof(LPARAM));
    ti.hwnd = AsHwnd(form_->Handle());
    ti.uId = reinterpret_cast<UINT_PTR>(testenv::AsHwnd(control.Peer()->Handle()));
    return ti;
  }
  // The tool's text as the tooltip gives it back (at most 80 characters).
  std::string TextOf(const Control& control) {
    std::vector<char> text(1024, '\0');
    TOOLINFOA ti = ToolOf(control);
    ti.lpszText = text.data();
    ::SendMessageA(Tip(), TTM_GETTEXTA, 0, reinterpret_cast<LPARAM>(&ti));
    return text.data();
  }
  // Height of the tooltip once the mouse rests on the control; 0 when none
  // shows within two seconds.
  LONG ShownHeight(const Control& control) {
    ::SetCursorPos(700, 700);  // away first, so the tip goes
    Pump(100);
    RECT r;
    ::GetWindowRect(testenv::AsHwnd(control.Peer()->Handle()), &r);
    ::SetCursorPos(r.left + 20, r.top + 8);
    for (int i = 0; i < 100; ++i) {
      Pump(20);
      if (::IsWindowVisible(Tip())) {
        ::GetWindowRect(Tip(), &r);
        return r.bottom - r.top;
      }
    }
    return 0;
  }

  Form* form_ = nullptr;
  std::vector<Label*> panels_;
};

TEST_F(Win32Tooltips, AControlShowsItsHintOnlyWithShowHintAndAText) {
  Label& panel = *panels_[0];
  panel.SetHint("explorer.exe 12.00 MiB");
  if (Tip()) {
    EXPECT_EQ(ToolCount(), 0);  // a hint without ShowHint shows nothing
  }
  panel.SetShowHint(true);
  ASSERT_NE(Tip(), nullptr);
  EXPECT_EQ(ToolCount(), 1);
  EXPECT_EQ(TextOf(panel), "explorer.exe 12.00 MiB");
  panel.SetHint("");
  EXPECT_EQ(ToolCount(), 0);
  panel.SetHint("again");
  EXPECT_EQ(ToolCount(), 1);
  panel.SetShowHint(false);
  EXPECT_EQ(ToolCount(), 0);
}

TEST_F(Win32Tooltips, AMultiLineHintShowsAllItsLines) {
  App().SetHintPause(10);
  Label& panel = *panels_[1];
  ::SetWindowPos(AsHwnd(form_->Handle()), HWND_TOPMOST, 0, 0, 0, 0,
                 SWP_NOMOVE | SWP_NOSIZE | SWP_NOACTIVATE | SWP_SHOWWINDOW);
  panel.SetShowHint(true);
  panel.SetHint("process0.exe 1.00 MiB");
  ASSERT_NE(Tip(), nullptr);
  const LONG one = ShownHeight(panel);
  ASSERT_GT(one, 0) << "no tooltip showed";
  std::string list;
  for (int i = 0; i < 30; ++i) list += "process" + std::to_string(i) + ".exe 1.00 MiB\r\n";
  panel.SetHint(list);  // rebuilt while the mouse moves: updated in place
  EXPECT_EQ(ToolCount(), 1);
  EXPECT_EQ(TextOf(panel), list.substr(0, TextOf(panel).size()));
  // Thirty lines: the whole text, line by line.
  const LONG all = ShownHeight(panel);
  EXPECT_GT(all, 20 * one) << one << " " << all;
  // Windows' tooltips break lines at "\r\n" only with a maximum width set;
  // Wine's do it anyway, so check the setting itself.
  EXPECT_GT(::SendMessageA(Tip(), TTM_GETMAXTIPWIDTH, 0, 0), 0);
  ::SetCursorPos(700, 700);
}

TEST_F(Win32Tooltips, TheApplicationsHintColourAndPausesReachTheTooltip) {
  App().SetHintColor(0x0000FF);
  App().SetHintPause(200);
  App().SetHintHidePause(5000);
  panels_[0]->SetShowHint(true);
  panels_[0]->SetHint("hint");
  ASSERT_NE(Tip(), nullptr);
  EXPECT_EQ(::SendMessageA(Tip(), TTM_GETTIPBKCOLOR, 0, 0), 0x0000FF);
  EXPECT_EQ(::SendMessageA(Tip(), TTM_GETDELAYTIME, TTDT_INITIAL, 0), 200);
  EXPECT_EQ(::SendMessageA(Tip(), TTM_GETDELAYTIME, TTDT_AUTOPOP, 0), 5000);
  App().SetHintColor(0xF0CAA6);  // the panels' colour, as the widget sets it later
  EXPECT_EQ(::SendMessageA(Tip(), TTM_GETTIPBKCOLOR, 0, 0), 0xF0CAA6);
}

TEST_F(Win32Tooltips, AControlThatGoesTakesItsToolWithIt) {
  panels_[0]->SetShowHint(true);
  panels_[0]->SetHint("one");
  panels_[1]->SetShowHint(true);
  panels_[1]->SetHint("two");
  ASSERT_NE(Tip(), nullptr);
  EXPECT_EQ(ToolCount(), 2);
  panels_[1]->DestroyPeers();
  EXPECT_EQ(ToolCount(), 1);
  EXPECT_EQ(TextOf(*panels_[0]), "one");
}

}  // namespace
}  // namespace welmor
