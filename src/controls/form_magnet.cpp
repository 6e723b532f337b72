#include "controls/form_magnet.hpp"

#include <typeinfo>

#include "controls/magnet_geometry.hpp"
#include "toolkit/application.hpp"

namespace welmor {

void TGlueList::Add(TFormMagnet& component, int32_t dx, int32_t dy) {
  items_.push_back(std::make_unique<TGluedObject>(TGluedObject{&component, dx, dy}));
}

const TGluedObject* TGlueList::Find(const TFormMagnet& component) const {
  for (const auto& item : items_) {
    if (item->Component == &component) return item.get();
  }
  return nullptr;
}

TFormMagnet::TFormMagnet(Component* owner, MagnetPlatform* platform)
    : TMagnetFormHookComponent(owner, platform),
      screenMagnet_(std::make_unique<TScreenMagnet>()),
      glueList_(std::make_unique<TGlueList>()) {}

TFormMagnet::~TFormMagnet() = default;

void TFormMagnet::SetActive(bool value) {
  if (value == active_) return;
  active_ = value;
  if (active_) SnapNow();
}

Rect TFormMagnet::ScreenArea(const Rect& r) {
  MagnetPlatform* platform = Platform();
  if (platform == nullptr) return Rect{};
  if (Control* parent = OwnerForm().Parent())
    return platform->ClientRectOnScreen(MagnetWindow(parent->Handle()));
  if (const std::optional<Monitor> monitor = platform->MonitorOf(r))
    return screenMagnet_->Area() == saWorkArea ? monitor->workArea : monitor->bounds;
  return platform->DesktopRect();
}

void TFormMagnet::VisitTree(Component& c, const std::function<void(TFormMagnet& other)>& visit) {
  // Other magnets match by their exact class, as a subclass may snap by
  // other rules.
  auto* other = dynamic_cast<TFormMagnet*>(&c);
  if (other != nullptr && typeid(*other) == typeid(*this)) {
    Form& form = other->OwnerForm();
    if (form.Visible() && form.Parent() == OwnerForm().Parent() && &form != &OwnerForm() && other->Active()) {
      visit(*other);
    }
  }
  if (Name().empty()) return;
  for (std::size_t i = 0; i < c.ComponentCount(); ++i) VisitTree(c.ComponentAt(i), visit);
}

void TFormMagnet::ForEachCandidate(const std::function<void(TFormMagnet& other)>& visit) {
  Application* app = App();
  if (app == nullptr) return;
  // A nameless magnet looks at the application's direct children only: the
  // forms themselves, never the magnets they own.
  for (Form* form : app->Forms()) VisitTree(*form, visit);
}

Rect TFormMagnet::OtherFormRect(TFormMagnet& other, const Rect& area) {
  Form& form = other.OwnerForm();
  Rect r = form.BoundsRect();
  if (form.Parent() != nullptr)
    r = Rect{r.left + area.left, r.top + area.top, r.right + area.left, r.bottom + area.top};
  return r;
}

bool TFormMagnet::SnapToForms(Rect& r, const Rect& area) {
  bool snapped = false;
  const Size size{OwnerForm().Width(), OwnerForm().Height()};
  ForEachCandidate([&](TFormMagnet& other) {
    if (glueList_->Find(other) != nullptr) return;
    const auto allow = [&] {
      bool allowMagnet = true;
      if (OnMagnet) OnMagnet(*this, other.OwnerForm(), allowMagnet);
      return allowMagnet;
    };
    if (SnapToForm(r, OtherFormRect(other, area), power_, size, allow)) snapped = true;
  });
  return snapped;
}

void TFormMagnet::CollectGlued() {
  glueList_->Clear();
  const Rect me = OwnerForm().BoundsRect();
  ForEachCandidate([&](TFormMagnet& other) {
    const Rect them = other.OwnerForm().BoundsRect();
    if (!TouchesAlongEdge(me, them)) return;
    bool allowGlue = true;
    if (OnGlue) OnGlue(*this, other.OwnerForm(), allowGlue);
    if (allowGlue) glueList_->Add(other, them.left - me.left, them.top - me.top);
  });
}

void TFormMagnet::MoveGlued(const Rect& r, const Rect& area) {
  const bool hasParent = OwnerForm().Parent() != nullptr;
  ForEachCandidate([&](TFormMagnet& other) {
    const TGluedObject* glued = glueList_->Find(other);
    if (glued == nullptr) return;
    int32_t dx = glued->DX;
    int32_t dy = glued->DY;
    if (hasParent) {
      dx -= area.left;
      dy -= area.top;
    }
    Form& form = other.OwnerForm();
    other.glueMoving_ = true;
    form.SetBounds(r.left + dx, r.top + dy, form.Width(), form.Height());
    other.glueMoving_ = false;
  });
}

void TFormMagnet::ApplyMagnet(Rect& r, bool fromCursor, bool skipSnap) {
  const Size size{OwnerForm().Width(), OwnerForm().Height()};
  if (fromCursor && Platform() != nullptr) {
    // The system's proposal is replaced by where the cursor says the
    // grabbed point is.
    const Point cursor = Platform()->CursorPos();
    r.left = cursor.x - grabOffset_.x;
    r.top = cursor.y - grabOffset_.y;
    r.right = r.left + size.width;
    r.bottom = r.top + size.height;
  }
  // The display the window is being moved onto, which need not be the one
  // it left.
  const Rect area = ScreenArea(r);
  if (!skipSnap) {
    const bool snappedToForm = SnapToForms(r, area);
    if (!snappedToForm || glue_) SnapToScreen(r, area, *screenMagnet_, size);
  }
  if (glue_) MoveGlued(r, area);
}

void TFormMagnet::SnapNow() {
  Form& form = OwnerForm();
  Rect r = form.BoundsRect();
  ApplyMagnet(r, false, false);
  form.SetBounds(r.left, r.top, form.Width(), form.Height());
}

void TFormMagnet::Moving(HookMessage& msg) {
  if (msg.lParam == 0) return;
  MagnetPlatform& platform = *Platform();
  const uint32_t style = platform.Style(HookedWindow());
  const uint32_t exStyle = platform.ExStyle(HookedWindow());
  if ((style & (kStyleBorder | kStyleDlgFrame)) == 0 && (exStyle & kExStyleToolWindowBit) != 0 &&
      (exStyle & kExStyleDlgModalFrame) != 0) {
    return;
  }
  Rect r = platform.MovingRect(msg);
  if (!dragging_) {
    // Taken against the system's first proposal, which already follows the
    // cursor's first step: against the window's rectangle, which has not
    // moved yet, the window would trail the grabbed point by that step for
    // the whole drag.
    const Point cursor = platform.CursorPos();
    grabOffset_ = Point{cursor.x - r.left, cursor.y - r.top};
    if (glue_) CollectGlued();
    dragging_ = true;
  }
  ApplyMagnet(r, true, magnetType_ == mkAfterMoving);
  platform.SetMovingRect(msg, r);
  if (OnDragMove) OnDragMove(*this);
}

void TFormMagnet::ExitSizeMove() {
  dragging_ = false;
  glueList_->Clear();
  if (active_ && !glueMoving_ && magnetType_ == mkAfterMoving) {
    if (glue_) CollectGlued();
    SnapNow();
  }
}

void TFormMagnet::BeforeMessage(HookMessage& msg, bool&) {
  if (Platform() == nullptr) return;
  if (msg.message == kWmMoving && active_ && !glueMoving_) {
    Moving(msg);
  } else if (msg.message == kWmExitSizeMove) {
    ExitSizeMove();
  }
}

void TFormMagnet::AfterMessage(HookMessage& msg) {
  if (!formDragable_ || msg.message != kWmNcHitTest || msg.result != kHitClient) return;
  // Every control of our toolkit has a window of its own and answers its
  // own hit tests, so a client hit test that reaches the form lies on an
  // empty point of it.
  if (Platform() != nullptr && Platform()->PrimaryButtonDown()) msg.result = kHitCaption;
}

}  // namespace welmor
