// The shared dialogs on the system's boxes, answered from inside their modal
// loops.
#include <gtest/gtest.h>

#include <string>

#include "toolkit/form.hpp"
#include "toolkit/win32/input_box.hpp"
#include "win32/toolkit_fixture.hpp"

namespace welmor {
namespace {

using testenv::WhileModal;
using testenv::WindowText;

constexpr int kMessageTextId = 0xFFFF;  // the static text of a message box

struct BoxSeen {
  std::string caption;
  std::string text;
  bool ok = false;
  bool yes = false;
  bool no = false;
  HWND owner = nullptr;
};

BoxSeen Read(HWND box) {
  char text[256] = {};
  ::GetDlgItemTextA(box, kMessageTextId, text, sizeof text);
  return BoxSeen{WindowText(box),
                 text,
                 ::GetDlgItem(box, IDOK) != nullptr || ::GetDlgItem(box, IDCANCEL) != nullptr,
                 ::GetDlgItem(box, IDYES) != nullptr,
                 ::GetDlgItem(box, IDNO) != nullptr,
                 ::GetWindow(box, GW_OWNER)};
}

void Press(HWND box, int id) { ::PostMessageA(box, WM_COMMAND, MAKEWPARAM(id, BN_CLICKED), 0); }

class Win32Dialogs : public testenv::Win32Toolkit {
 protected:
  Dialogs& D() { return App().GetDialogs(); }
};

TEST_F(Win32Dialogs, ErrorAndInformationBoxesHaveTheirCaptionsAndOneButton) {
  BoxSeen error;
  {
    WhileModal answer("#32770", [&](HWND box) {
      error = Read(box);
      Press(box, IDOK);
    });
    D().Message(DialogKind::Error, "Value out of range!");
  }
  EXPECT_EQ(error.caption, "Error");
  EXPECT_EQ(error.text, "Value out of range!");
  EXPECT_TRUE(error.ok);
  EXPECT_FALSE(error.yes || error.no);

  BoxSeen info;
  {
    WhileModal answer("#32770", [&](HWND box) {
      info = Read(box);
      Press(box, IDOK);
    });
    D().Message(DialogKind::Information,
                "     Setting from diferent version found in Registry. \r\n\r\n Please");
  }
  EXPECT_EQ(info.caption, "Information");
  EXPECT_NE(info.text.find("Setting from diferent version"), std::string::npos);
}

TEST_F(Win32Dialogs, ConfirmIsTrueOnlyForYes) {
  BoxSeen seen;
  bool answer = false;
  {
    WhileModal yes("#32770", [&](HWND box) {
      seen = Read(box);
      Press(box, IDYES);
    });
    answer = D().Confirm("Download now?");
  }
  EXPECT_TRUE(answer);
  EXPECT_EQ(seen.caption, "Confirm");
  EXPECT_EQ(seen.text, "Download now?");
  EXPECT_TRUE(seen.yes && seen.no);
  {
    WhileModal no("#32770", [&](HWND box) { Press(box, IDNO); });
    answer = D().Confirm("Download now?");
  }
  EXPECT_FALSE(answer);
}

TEST_F(Win32Dialogs, BoxesAreModalToTheMainForm) {
  Form& main = App().CreateForm<Form>();
  main.SetBorderStyle(FormBorderStyle::None);
  HWND mainWindow = testenv::AsHwnd(main.Handle());
  BoxSeen seen;
  {
    WhileModal answer("#32770", [&](HWND box) {
      seen = Read(box);
      seen.owner = ::GetWindow(box, GW_OWNER);
      Press(box, IDOK);
    });
    D().MessageBox("Welmor v3.9", "About");
  }
  EXPECT_EQ(seen.caption, "About");
  EXPECT_EQ(seen.text, "Welmor v3.9");
  EXPECT_EQ(seen.owner, mainWindow);
}

TEST_F(Win32Dialogs, TheInputBoxShowsCaptionPromptAndDefaultAndReturnsTheTypedText) {
  std::string caption, prompt, shownText, ok, cancel;
  std::string answer;
  {
    WhileModal type("#32770", [&](HWND box) {
      caption = WindowText(box);
      ok = WindowText(::GetDlgItem(box, IDOK));
      cancel = WindowText(::GetDlgItem(box, IDCANCEL));
      prompt = WindowText(::GetDlgItem(box, kInputPromptId));
      shownText = WindowText(::GetDlgItem(box, kInputEditId));
      ::SetDlgItemTextA(box, kInputEditId, "15");
      Press(box, IDOK);
    });
    answer = D().InputBox("Refresh after ...", "Set refresh interval: (in seconds)", "1");
  }
  EXPECT_EQ(caption, "Refresh after ...");
  EXPECT_EQ(prompt, "Set refresh interval: (in seconds)");
  EXPECT_EQ(shownText, "1");
  EXPECT_EQ(ok, "OK");
  EXPECT_EQ(cancel, "Cancel");
  EXPECT_EQ(answer, "15");
}

TEST_F(Win32Dialogs, CancellingTheInputBoxGivesTheDefaultBackEvenAfterTyping) {
  std::string answer;
  {
    WhileModal cancel("#32770", [&](HWND box) {
      ::SetDlgItemTextA(box, kInputEditId, "999");
      Press(box, IDCANCEL);
    });
    answer =
        D().InputBox("CPU Usage value for this alarm ...", "Intert a value, usually bigger then 60%.", "90");
  }
  EXPECT_EQ(answer, "90");
  {
    WhileModal close("#32770", [&](HWND box) { ::PostMessageA(box, WM_CLOSE, 0, 0); });
    answer =
        D().InputBox("CPU Usage value for this alarm ...", "Intert a value, usually bigger then 60%.", "90");
  }
  EXPECT_EQ(answer, "90");
  {
    WhileModal empty("#32770", [&](HWND box) {
      ::SetDlgItemTextA(box, kInputEditId, "");
      Press(box, IDOK);
    });
    answer = D().InputBox("Refresh after ...", "Set refresh interval: (in seconds)", "1");
  }
  EXPECT_EQ(answer, "");  // an empty answer is an answer
}

TEST_F(Win32Dialogs, TheColourDialogStartsAtTheGivenColourAndCanBeCancelled) {
  Color color = 0x0000FF;
  bool chosen = false;
  {
    WhileModal ok("#32770", [&](HWND box) { Press(box, IDOK); });
    chosen = D().ChooseColor(color);
  }
  EXPECT_TRUE(chosen);
  EXPECT_EQ(color, 0x0000FFu);
  color = 0x00FF00;
  {
    WhileModal cancel("#32770", [&](HWND box) { Press(box, IDCANCEL); });
    chosen = D().ChooseColor(color);
  }
  EXPECT_FALSE(chosen);
  EXPECT_EQ(color, 0x00FF00u);
}

}  // namespace
}  // namespace welmor
