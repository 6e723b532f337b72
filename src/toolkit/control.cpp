#include "toolkit/control.hpp"

#include <algorithm>

#include "toolkit/application.hpp"
#include "toolkit/menu.hpp"

namespace welmor {

Control::Control(Component* owner) : Component(owner) {}

Control::~Control() {
  // Children's native windows go before their parent's.
  for (Control* child : children_) child->DestroyPeers();
  peer_.reset();
  for (Control* child : children_) child->parent_ = nullptr;
  if (parent_) {
    auto& siblings = parent_->children_;
    siblings.erase(std::remove(siblings.begin(), siblings.end(), this), siblings.end());
  }
}

void Control::SetParent(Control* parent) {
  if (parent == parent_) return;
  if (parent_) {
    auto& siblings = parent_->children_;
    siblings.erase(std::remove(siblings.begin(), siblings.end(), this), siblings.end());
  }
  parent_ = parent;
  if (parent_) {
    parent_->children_.push_back(this);
    if (parentColor_) ApplyColor(parent_->color_);
    if (parent_->peer_) CreatePeers();
  }
}

void Control::SetBounds(int32_t left, int32_t top, int32_t width, int32_t height) {
  const Rect r{left, top, left + width, top + height};
  if (r == bounds_) return;
  const bool resized = r.Width() != bounds_.Width() || r.Height() != bounds_.Height();
  bounds_ = r;
  NotifyPeer(Change::Bounds);
  if (resized) Resized();
}

void Control::SetVisible(bool v) {
  if (v == visible_) return;
  visible_ = v;
  NotifyPeer(Change::Visible);
}

void Control::SetColor(Color c) {
  parentColor_ = false;
  ApplyColor(c);
}

void Control::SetParentColor(bool v) {
  parentColor_ = v;
  if (v && parent_) ApplyColor(parent_->color_);
}

void Control::ApplyColor(Color c) {
  if (c == color_) return;
  color_ = c;
  NotifyPeer(Change::Color);
  for (Control* child : children_) {
    if (child->parentColor_) child->ApplyColor(c);
  }
}

void Control::SetFont(const Font& f) {
  if (f == font_) return;
  font_ = f;
  NotifyPeer(Change::Font);
}

void Control::SetFontColor(Color c) {
  if (c == font_.color) return;
  font_.color = c;
  NotifyPeer(Change::Font);
}

void Control::SetHint(const std::string& h) {
  if (h == hint_) return;
  hint_ = h;
  NotifyPeer(Change::Hint);
}

void Control::SetShowHint(bool v) {
  if (v == showHint_) return;
  showHint_ = v;
  NotifyPeer(Change::Hint);
}

void Control::SetCaption(const std::string& text) {
  if (text == caption_) return;
  caption_ = text;
  NotifyPeer(Change::Text);
}

void Control::Invalidate() { NotifyPeer(Change::Paint); }

void Control::CreatePeers() {
  if (!peer_) {
    if (Backend* backend = Application::BackendOf(*this)) peer_ = backend->CreatePeer(*this);
  }
  for (Control* child : children_) child->CreatePeers();
}

void Control::DestroyPeers() {
  for (Control* child : children_) child->DestroyPeers();
  peer_.reset();
}

WindowHandle Control::Handle() {
  if (!peer_) {
    // A child's window needs its parent's first.
    if (parent_) parent_->Handle();
    if (Backend* backend = Application::BackendOf(*this)) peer_ = backend->CreatePeer(*this);
  }
  return peer_ ? peer_->Handle() : WindowHandle{};
}

void Control::BoundsChangedByPeer(const Rect& r) {
  const bool resized = r.Width() != bounds_.Width() || r.Height() != bounds_.Height();
  bounds_ = r;
  if (resized) Resized();
}

void Control::MouseMoved(uint32_t shift, int32_t x, int32_t y) {
  if (!OnMouseMove) return;
  Application::Dispatch(*this, [&] { OnMouseMove(*this, shift, x, y); });
}

void Control::Clicked() {
  if (OnClick) Application::Dispatch(*this, [&] { OnClick(*this); });
}

void Control::MouseEntered() {
  if (OnMouseEnter) Application::Dispatch(*this, [&] { OnMouseEnter(*this); });
}

void Control::MouseLeft() {
  if (OnMouseLeave) Application::Dispatch(*this, [&] { OnMouseLeave(*this); });
}

bool Control::KeyPressed(uint16_t key, uint32_t shift) {
  if (!OnKeyDown) return false;
  Application::Dispatch(*this, [&] { OnKeyDown(*this, key, shift); });
  return key == 0;
}

void Control::ContextPopup(Point screen) {
  for (Control* c = this; c != nullptr; c = c->parent_) {
    if (c->popupMenu_) {
      c->popupMenu_->Popup(screen.x, screen.y, this);
      return;
    }
  }
}

void Control::NotifyPeer(Change what) {
  PropertyChanged(what);
  if (peer_) peer_->Changed(what);
}

}  // namespace welmor
