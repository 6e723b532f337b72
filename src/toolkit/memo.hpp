#pragma once
// Multi-line edit box: the user may type into it unless it is read-only; the
// arrow keys move its caret and so scroll it.

#include <string>

#include "toolkit/control.hpp"

namespace welmor {

enum class ScrollBars { None, Vertical, Horizontal, Both };

class Memo : public Control {
 public:
  explicit Memo(Component* owner) : Control(owner) {}
  ControlKind Kind() const override { return ControlKind::Memo; }

  // The whole text, lines split by CR LF.
  const std::string& Text() const { return text_; }
  void SetText(const std::string& text);
  void Clear() { SetText(""); }
  // The user edited the text in the native box; no echo back to it.
  void TextChangedByPeer(const std::string& text) { text_ = text; }

  bool WordWrap() const { return wordWrap_; }
  void SetWordWrap(bool v) { SetStyleField(wordWrap_, v); }
  ScrollBars GetScrollBars() const { return scrollBars_; }
  void SetScrollBars(ScrollBars v) { SetStyleField(scrollBars_, v); }
  bool ReadOnly() const { return readOnly_; }
  void SetReadOnly(bool v) { SetStyleField(readOnly_, v); }

 private:
  template <class T>
  void SetStyleField(T& field, T value) {
    if (field == value) return;
    field = value;
    NotifyPeer(Change::Style);
  }

  std::string text_;
  bool wordWrap_ = true;
  ScrollBars scrollBars_ = ScrollBars::None;
  bool readOnly_ = false;
};

}  // namespace welmor
