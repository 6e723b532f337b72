#pragma once
// A top-level window made of controls.

#include <cstdint>
#include <functional>

#include "toolkit/control.hpp"

namespace welmor {

enum class FormBorderStyle { None, Single, Sizeable, Dialog };
enum class CloseAction { None, Hide, Free, Minimize };

// Window-class and window parameters a form may adjust before its native
// window is made. Values are the platform's bits (CS_, WS_, WS_EX_).
struct CreateParamsRec {
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

  NotifyEvent OnCreate;
  NotifyEvent OnShow;
  CloseEvent OnClose;

  // Framework hook: called once when the native window is made.
  virtual void CreateParams(CreateParamsRec& params);

  // Shows the form (creating its native side first) and fires OnShow when it
  // was hidden.
  void ShowForm();
  // Asks OnClose; hides the form, or ends the program for the main form.
  void Close();

  // Fires OnCreate; the form's constructor calls it after building its
  // controls.
  void DoCreate();

 private:
  FormBorderStyle borderStyle_ = FormBorderStyle::Sizeable;
  bool screenSnap_ = false;
  int32_t snapBuffer_ = 10;
};

}  // namespace welmor
