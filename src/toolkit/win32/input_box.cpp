#include "toolkit/win32/input_box.hpp"

#include <algorithm>
#include <vector>

namespace welmor {

namespace {

// Layout in dialog units, as the classic input box has it: 180 wide, the
// prompt over a 164-unit edit box and two 50 x 14 buttons below.
constexpr short kWidth = 180;
constexpr short kHeight = 62;
constexpr int kMaxLength = 255;
constexpr wchar_t kFontName[] = L"MS Sans Serif";
constexpr WORD kFontPoints = 8;
constexpr wchar_t kOkText[] = L"OK";
constexpr wchar_t kCancelText[] = L"Cancel";

constexpr WORD kButtonClass = 0x0080;
constexpr WORD kEditClass = 0x0081;
constexpr WORD kStaticClass = 0x0082;

class TemplateWriter {
 public:
  void Word(WORD w) { words_.push_back(w); }
  void Dword(DWORD d) {
    Word(LOWORD(d));
    Word(HIWORD(d));
  }
  void Text(const wchar_t* s) {
    for (; *s; ++s) Word(static_cast<WORD>(*s));
    Word(0);
  }
  void AlignDword() {
    if (words_.size() % 2) Word(0);
  }
  void Item(DWORD style, short x, short y, short cx, short cy, WORD id, WORD windowClass,
            const wchar_t* title = L"") {
    AlignDword();
    Dword(style | WS_CHILD | WS_VISIBLE);
    Dword(0);  // extended style
    Word(static_cast<WORD>(x));
    Word(static_cast<WORD>(y));
    Word(static_cast<WORD>(cx));
    Word(static_cast<WORD>(cy));
    Word(id);
    Word(0xFFFF);
    Word(windowClass);
    Text(title);  // prompt and edit texts are set as ANSI at WM_INITDIALOG
    Word(0);      // no creation data
  }
  std::vector<WORD> Words() const { return words_; }

 private:
  std::vector<WORD> words_;
};

struct InputState {
  const std::string* caption;
  const std::string* prompt;
  const std::string* defaultText;
  std::string result;
};

std::string DialogItemText(HWND dialog, int id) {
  HWND item = ::GetDlgItem(dialog, id);
  const int length = ::GetWindowTextLengthA(item);
  if (length <= 0) return {};
  std::string text(static_cast<std::size_t>(length) + 1, '\0');
  const int got = ::GetWindowTextA(item, text.data(), length + 1);
  text.resize(static_cast<std::size_t>(got > 0 ? got : 0));
  return text;
}

INT_PTR CALLBACK InputDialogProc(HWND dialog, UINT msg, WPARAM wParam, LPARAM lParam) noexcept {
  try {
    switch (msg) {
      case WM_INITDIALOG: {
        auto* state = reinterpret_cast<InputState*>(lParam);
        ::SetWindowLongPtrA(dialog, DWLP_USER, lParam);
        ::SetWindowTextA(dialog, state->caption->c_str());
        ::SetDlgItemTextA(dialog, kInputPromptId, state->prompt->c_str());
        ::SendDlgItemMessageA(dialog, kInputEditId, EM_LIMITTEXT, kMaxLength, 0);
        ::SetDlgItemTextA(dialog, kInputEditId, state->defaultText->c_str());
        ::SendDlgItemMessageA(dialog, kInputEditId, EM_SETSEL, 0, -1);
        ::SetFocus(::GetDlgItem(dialog, kInputEditId));
        return FALSE;  // the focus is set
      }
      case WM_COMMAND: {
        auto* state = reinterpret_cast<InputState*>(::GetWindowLongPtrA(dialog, DWLP_USER));
        if (state == nullptr) return FALSE;
        if (LOWORD(wParam) == IDOK) {
          state->result = DialogItemText(dialog, kInputEditId);
          ::EndDialog(dialog, IDOK);
          return TRUE;
        }
        if (LOWORD(wParam) == IDCANCEL) {
          ::EndDialog(dialog, IDCANCEL);
          return TRUE;
        }
        return FALSE;
      }
      default:
        return FALSE;
    }
  } catch (...) {
    ::EndDialog(dialog, IDCANCEL);
    return TRUE;
  }
}

}  // namespace

std::vector<WORD> InputBoxTemplate() {
  TemplateWriter t;
  t.Dword(WS_POPUP | WS_CAPTION | WS_SYSMENU | DS_MODALFRAME | DS_SETFONT | DS_CENTER);
  t.Dword(0);
  t.Word(4);  // items
  t.Word(0);
  t.Word(0);
  t.Word(static_cast<WORD>(kWidth));
  t.Word(static_cast<WORD>(kHeight));
  t.Word(0);  // no menu
  t.Word(0);  // the standard dialog class
  t.Word(0);  // caption set at WM_INITDIALOG
  t.Word(kFontPoints);
  t.Text(kFontName);
  t.Item(SS_LEFT | SS_NOPREFIX, 8, 8, 164, 8, kInputPromptId, kStaticClass);
  t.Item(ES_LEFT | ES_AUTOHSCROLL | WS_BORDER | WS_TABSTOP, 8, 19, 164, 12, kInputEditId, kEditClass);
  t.Item(BS_DEFPUSHBUTTON | WS_TABSTOP, 38, 40, 50, 14, IDOK, kButtonClass, kOkText);
  t.Item(BS_PUSHBUTTON | WS_TABSTOP, 92, 40, 50, 14, IDCANCEL, kButtonClass, kCancelText);
  return t.Words();
}

std::string RunInputBox(HINSTANCE instance, HWND owner, const std::string& caption, const std::string& prompt,
                        const std::string& defaultText) {
  const std::vector<WORD> words = InputBoxTemplate();
  // The template must start on a DWORD boundary: copy it into DWORD storage.
  std::vector<DWORD> storage((words.size() + 1) / 2, 0);
  std::copy(words.begin(), words.end(), reinterpret_cast<WORD*>(storage.data()));
  InputState state{&caption, &prompt, &defaultText, {}};
  const INT_PTR answer =
      ::DialogBoxIndirectParamA(instance, reinterpret_cast<LPCDLGTEMPLATEA>(storage.data()), owner,
                                &InputDialogProc, reinterpret_cast<LPARAM>(&state));
  return answer == IDOK ? state.result : defaultText;
}

}  // namespace welmor
