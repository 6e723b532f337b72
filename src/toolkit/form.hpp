#pragma once
// A top-level window made of controls.

#include <cstdint>
#include <functional>
#include <string>

#include "toolkit/control.hpp"

namespace welmor {

enum class FormBorderStyle { None, Single, Sizeable, Dialog };
enum class CloseAction { None, Hide, Free, Minimize };
enum class FormPosition { Designed, ScreenCenter };

// Window-class and window parameters a form may adjust before its native
// window is made. Values are the platform's bits (CS_, WS_, WS_EX_).
struct CreateParamsRec {
  // A form of its own kind can name its window class (the class style is
  // added to the name); empty for the shared form class.
  std::string windowClassName;
  uint32_t windowClassStyle = 0;
  uint32_t style = 0;
  uint32_t exStyle = 0;
};

inline constexpr uint32_t kClassStyleDropShadow = 0x00020000;  // CS_DROPSHADOW

using CloseEvent = std::function<void(Component& sender, CloseAction& action)>;

class Form : public Control {
 public:
  explicit Form(Component* owner);
  ControlKind Kind() const override { return ControlKind::Form; }

  FormBorderStyle BorderStyle() const { return borderStyle_; }
  void SetBorderStyle(FormBorderStyle s) {
    borderStyle_ = s;
    NotifyPeer(Change::Style);
  }

  // Whenever the window is about to move, an edge that lies strictly within
  // SnapBuffer pixels of the same edge of the work area goes onto it.
  bool ScreenSnap() const { return screenSnap_; }
  void SetScreenSnap(bool v) { screenSnap_ = v; }
  int32_t SnapBuffer() const { return snapBuffer_; }
  void SetSnapBuffer(int32_t v) { snapBuffer_ = v; }
  // Where a window about to move to `proposed` goes: snapped onto the work
  // area of the display it is moving onto, or unchanged when ScreenSnap is
  // off or the displays are unknown.
  Point SnappedPosition(const Rect& proposed) const;

  // A plain frame of the given width and colour around the client area, for
  // a window without a border style of its own (BorderStyle None).
  int32_t FrameWidth() const { return frameWidth_; }
  Color FrameColor() const { return frameColor_; }
  void SetFrame(int32_t width, Color color);
  int32_t ClientWidth() const { return Width() - 2 * frameWidth_; }
  int32_t ClientHeight() const { return Height() - 2 * frameWidth_; }
  void SetClientSize(int32_t width, int32_t height);

  // Where each showing puts the window.
  FormPosition Position() const { return position_; }
  void SetPosition(FormPosition p) { position_ = p; }

  // The control that gets the keyboard focus when the window is activated;
  // null leaves it with the window.
  Control* ActiveControl() const { return activeControl_; }
  void SetActiveControl(Control* control) { activeControl_ = control; }

  NotifyEvent OnCreate;
  NotifyEvent OnShow;
  CloseEvent OnClose;

  // Framework hook: called once when the native window is made.
  virtual void CreateParams(CreateParamsRec& params);

  // Shows the form (creating its native side first) and fires OnShow when it
  // was hidden.
  void ShowForm();
  // Shows the form and returns once it is hidden again (closed); the
  // program's other windows take no input meanwhile.
  void ShowModal();
  bool Modal() const { return modal_; }

  // Asks OnClose; hides the form, or ends the program for the main form.
  void Close();
  // The user is logging off or the machine shuts down, and the system ends
  // the program when this returns: the main form runs OnClose, so that what
  // closing keeps is kept; nothing is hidden or ended here.
  void SessionEnding();

  // Fires OnCreate; the form's constructor calls it after building its
  // controls.
  void DoCreate();

 private:
  FormBorderStyle borderStyle_ = FormBorderStyle::Sizeable;
  bool screenSnap_ = false;
  int32_t snapBuffer_ = 10;
  int32_t frameWidth_ = 0;
  Color frameColor_ = 0;
  FormPosition position_ = FormPosition::Designed;
  Control* activeControl_ = nullptr;
  bool modal_ = false;
};

}  // namespace welmor
