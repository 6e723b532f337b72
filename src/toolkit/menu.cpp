#include "toolkit/menu.hpp"

#include <cctype>
#include <set>

#include "toolkit/application.hpp"

namespace welmor {

void MenuItem::SetChecked(bool on) {
  checked_ = on;
  if (!on || !radioItem_ || parentItem_ == nullptr) return;
  for (MenuItem* sibling : parentItem_->items_) {
    if (sibling != this && sibling->radioItem_ && sibling->groupIndex_ == groupIndex_)
      sibling->checked_ = false;
  }
}

void MenuItem::Add(MenuItem& item) {
  item.parentItem_ = this;
  items_.push_back(&item);
}

void MenuItem::Click() {
  if (!OnClick) return;
  Application::Dispatch(*this, [this] { OnClick(*this); });
}

void PopupMenu::Popup(int32_t x, int32_t y, Control* owner) {
  if (OnPopup) Application::Dispatch(*this, [this] { OnPopup(*this); });
  Backend* backend = Application::BackendOf(*this);
  if (!backend) return;
  MenuItem* chosen = backend->TrackPopupMenu(*this, Point{x, y}, owner);
  if (chosen && chosen->Enabled()) chosen->Click();
}

std::vector<std::string> PopupMenu::DisplayCaptions(const MenuItem& parent) const {
  std::vector<std::string> captions;
  captions.reserve(parent.Count());
  for (const MenuItem* item : parent.Items()) captions.push_back(item->Caption());
  return autoHotkeys_ ? AssignAccessKeys(captions) : captions;
}

namespace {

// The access key of a caption that has one ("&&" is a literal ampersand).
int AccessKeyOf(const std::string& caption) {
  for (std::size_t i = 0; i + 1 < caption.size(); ++i) {
    if (caption[i] != '&') continue;
    if (caption[i + 1] == '&') {
      ++i;
      continue;
    }
    return std::toupper(static_cast<unsigned char>(caption[i + 1]));
  }
  return -1;
}

bool HasAmpersand(const std::string& caption) { return caption.find('&') != std::string::npos; }

}  // namespace

std::vector<std::string> AssignAccessKeys(const std::vector<std::string>& captions) {
  std::set<int> used;
  for (const std::string& c : captions) {
    const int key = AccessKeyOf(c);
    if (key >= 0) used.insert(key);
  }
  std::vector<std::string> result = captions;
  for (std::string& c : result) {
    if (c.empty() || c == "-" || HasAmpersand(c)) continue;
    // Word starts first, then any letter or digit.
    std::size_t chosen = std::string::npos;
    for (int pass = 0; pass < 2 && chosen == std::string::npos; ++pass) {
      for (std::size_t i = 0; i < c.size(); ++i) {
        const unsigned char ch = static_cast<unsigned char>(c[i]);
        if (!std::isalnum(ch)) continue;
        const bool wordStart = i == 0 || !std::isalnum(static_cast<unsigned char>(c[i - 1]));
        if (pass == 0 && !wordStart) continue;
        if (used.count(std::toupper(ch))) continue;
        chosen = i;
        break;
      }
    }
    if (chosen == std::string::npos) continue;
    used.insert(std::toupper(static_cast<unsigned char>(c[chosen])));
    c.insert(chosen, 1, '&');
  }
  return result;
}

}  // namespace welmor
