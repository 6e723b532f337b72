#include "toolkit/memo.hpp"

namespace welmor {

void Memo::SetText(const std::string& text) {
  if (text == text_) return;
  text_ = text;
  NotifyPeer(Change::Text);
}

}  // namespace welmor
