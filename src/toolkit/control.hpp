#pragma once
// A visible component: bounds, colour, font, hint, popup menu and mouse
// movement. Controls sit in a parent control (a form at the top).

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "toolkit/backend.hpp"
#include "toolkit/component.hpp"
#include "toolkit/font.hpp"
#include "toolkit/geometry.hpp"

namespace welmor {

class PopupMenu;

enum ShiftState : uint32_t { ssShift = 1, ssAlt = 2, ssCtrl = 4, ssLeft = 8, ssRight = 16, ssMiddle = 32 };

using MouseMoveEvent = std::function<void(Control& sender, uint32_t shift, int32_t x, int32_t y)>;
using NotifyEvent = std::function<void(Component& sender)>;

enum class ControlKind { Form, Label, Custom };

class Control : public Component {
 public:
  explicit Control(Component* owner);
  ~Control() override;

  virtual ControlKind Kind() const = 0;

  Control* Parent() const { return parent_; }
  // Adds this control to parent's children (null removes it).
  void SetParent(Control* parent);
  const std::vector<Control*>& Controls() const { return children_; }

  int32_t Left() const { return bounds_.left; }
  int32_t Top() const { return bounds_.top; }
  int32_t Width() const { return bounds_.Width(); }
  int32_t Height() const { return bounds_.Height(); }
  Rect BoundsRect() const { return bounds_; }
  void SetLeft(int32_t v) { SetBounds(v, Top(), Width(), Height()); }
  void SetTop(int32_t v) { SetBounds(Left(), v, Width(), Height()); }
  void SetWidth(int32_t v) { SetBounds(Left(), Top(), v, Height()); }
  void SetHeight(int32_t v) { SetBounds(Left(), Top(), Width(), v); }
  void SetBounds(int32_t left, int32_t top, int32_t width, int32_t height);

  bool Visible() const { return visible_; }
  void SetVisible(bool v);
  void Show() { SetVisible(true); }
  void Hide() { SetVisible(false); }

  Color GetColor() const { return color_; }
  void SetColor(Color c);

  const Font& GetFont() const { return font_; }
  void SetFont(const Font& f);
  void SetFontColor(Color c);

  const std::string& Hint() const { return hint_; }
  void SetHint(const std::string& h);
  bool ShowHint() const { return showHint_; }
  void SetShowHint(bool v);

  const std::string& Caption() const { return caption_; }
  void SetCaption(const std::string& text);

  PopupMenu* GetPopupMenu() const { return popupMenu_; }
  void SetPopupMenu(PopupMenu* menu) { popupMenu_ = menu; }

  MouseMoveEvent OnMouseMove;

  // Repaints now (custom-drawn controls) or asks the native side to.
  virtual void Invalidate();

  // --- called by backends ------------------------------------------------
  ControlPeer* Peer() const { return peer_.get(); }
  // Creates the native side of this control and its children (once).
  void CreatePeers();
  void DestroyPeers();
  // Native window, creating the native side first when needed.
  WindowHandle Handle();
  // The native side moved or resized the control; no echo back to it.
  void BoundsChangedByPeer(const Rect& r);
  void MouseMoved(uint32_t shift, int32_t x, int32_t y);
  // Right click at a screen point: opens the popup menu of this control, or
  // of the nearest parent that has one.
  void ContextPopup(Point screen);

 protected:
  void NotifyPeer(Change what);
  virtual void Resized() {}

 private:
  Control* parent_ = nullptr;
  std::vector<Control*> children_;
  Rect bounds_{0, 0, 0, 0};
  bool visible_ = true;
  Color color_ = 0x00C8D0D4;
  Font font_;
  std::string hint_;
  bool showHint_ = false;
  std::string caption_;
  PopupMenu* popupMenu_ = nullptr;
  std::unique_ptr<ControlPeer> peer_;
};

}  // namespace welmor
