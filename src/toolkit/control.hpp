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
// key is a virtual-key code; a handler that sets it to 0 keeps the control
// from acting on it.
using KeyEvent = std::function<void(Control& sender, uint16_t& key, uint32_t shift)>;

enum class ControlKind { Form, Label, Custom, Memo, Picture };
enum class Cursor { Default, HandPoint };

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
  // An own colour; the control stops following its parent's.
  void SetColor(Color c);
  // Takes the parent's colour now and whenever the parent's changes.
  bool ParentColor() const { return parentColor_; }
  void SetParentColor(bool v);

  // The mouse pointer over the control, read whenever the pointer moves.
  Cursor GetCursor() const { return cursor_; }
  void SetCursor(Cursor c) { cursor_ = c; }

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
  NotifyEvent OnClick;
  NotifyEvent OnMouseEnter;
  NotifyEvent OnMouseLeave;
  KeyEvent OnKeyDown;

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
  void Clicked();
  void MouseEntered();
  void MouseLeft();
  // A key went down while the control had the focus; true when the handler
  // took it (the control must not act on it).
  bool KeyPressed(uint16_t key, uint32_t shift);
  // Right click at a screen point: opens the popup menu of this control, or
  // of the nearest parent that has one.
  void ContextPopup(Point screen);

 protected:
  void NotifyPeer(Change what);
  virtual void Resized() {}
  // A property changed, before the native side hears of it.
  virtual void PropertyChanged(Change) {}

 private:
  Control* parent_ = nullptr;
  std::vector<Control*> children_;
  Rect bounds_{0, 0, 0, 0};
  bool visible_ = true;
  void ApplyColor(Color c);

  Color color_ = 0x00C8D0D4;
  bool parentColor_ = false;
  Cursor cursor_ = Cursor::Default;
  Font font_;
  std::string hint_;
  bool showHint_ = false;
  std::string caption_;
  PopupMenu* popupMenu_ = nullptr;
  std::unique_ptr<ControlPeer> peer_;
};

}  // namespace welmor
