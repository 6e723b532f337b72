#pragma once
// TFormMagnet: while the user moves its form, pulls the form's edges onto
// the edges of the screen area and of other forms with an active magnet,
// optionally drags touching magnet forms along, and optionally lets the user
// move the form by pressing the mouse on any empty point of it.

#include <cstdint>
#include <functional>
#include <memory>
#include <vector>

#include "controls/hook_component.hpp"
#include "controls/screen_magnet.hpp"
#include "toolkit/control.hpp"

namespace welmor {

enum TMagnetType : uint8_t { mkOnMoving = 0, mkAfterMoving = 1 };

class TFormMagnet;

// Another form's answer to "may I snap to (glue) you?": allow starts true.
using TOnMagnet = std::function<void(TFormMagnet& sender, Form& anotherForm, bool& allowMagnet)>;
using TOnGlue = std::function<void(TFormMagnet& sender, Form& anotherForm, bool& allowGlue)>;

// One form glued to the moving one, with its offset when the glue was taken.
struct TGluedObject {
  TFormMagnet* Component = nullptr;
  int32_t DX = 0;
  int32_t DY = 0;
};

class TGlueList {
 public:
  void Add(TFormMagnet& component, int32_t dx, int32_t dy);
  void Clear() { items_.clear(); }
  const TGluedObject* Find(const TFormMagnet& component) const;
  std::size_t Count() const { return items_.size(); }

 private:
  std::vector<std::unique_ptr<TGluedObject>> items_;
};

class TFormMagnet : public TMagnetFormHookComponent {
 public:
  TFormMagnet(Component* owner, MagnetPlatform* platform);
  ~TFormMagnet() override;

  bool Active() const { return active_; }
  // Switching it on snaps the form at once.
  void SetActive(bool value);
  bool Glue() const { return glue_; }
  void SetGlue(bool v) { glue_ = v; }
  bool FormDragable() const { return formDragable_; }
  void SetFormDragable(bool v) { formDragable_ = v; }
  TMagnetType MagnetType() const { return magnetType_; }
  void SetMagnetType(TMagnetType t) { magnetType_ = t; }
  uint8_t Power() const { return power_; }
  void SetPower(uint8_t p) { power_ = p; }
  TScreenMagnet& ScreenMagnet() { return *screenMagnet_; }

  TOnGlue OnGlue;
  TOnMagnet OnMagnet;
  NotifyEvent OnDragMove;

  // Snaps the form where it lies now.
  void SnapNow();
  // Snaps r (screen coordinates), moved first to follow the cursor when
  // fromCursor; moves the glued forms along.
  void ApplyMagnet(Rect& r, bool fromCursor, bool skipSnap);

  bool Dragging() const { return dragging_; }
  const TGlueList& GlueList() const { return *glueList_; }

 protected:
  void BeforeMessage(HookMessage& msg, bool& handled) override;
  void AfterMessage(HookMessage& msg) override;

 private:
  // The area whose edges attract a window at r: the parent's client area,
  // else the work area or the whole of the display r lies on.
  Rect ScreenArea(const Rect& r);
  // Every other visible form at this form's level whose magnet of this
  // class is active.
  void ForEachCandidate(const std::function<void(TFormMagnet& other)>& visit);
  void VisitTree(Component& c, const std::function<void(TFormMagnet& other)>& visit);
  Rect OtherFormRect(TFormMagnet& other, const Rect& area);
  bool SnapToForms(Rect& r, const Rect& area);
  void CollectGlued();
  void MoveGlued(const Rect& r, const Rect& area);
  void Moving(HookMessage& msg);
  void ExitSizeMove();

  bool active_ = true;
  bool glue_ = false;
  bool formDragable_ = false;
  TMagnetType magnetType_ = mkOnMoving;
  uint8_t power_ = 20;
  std::unique_ptr<TScreenMagnet> screenMagnet_;
  bool glueMoving_ = false;
  std::unique_ptr<TGlueList> glueList_;
  bool dragging_ = false;
  Point grabOffset_;
};

}  // namespace welmor
