#pragma once
// The native side every control window shares: making the window (its class,
// its parent, its place above earlier siblings, its hint), taking it down,
// the bounds / visibility / text / hint changes, the mouse and the context
// menu. A label, a custom control or a form keeps only what is its own by
// overriding OnChanged and HandleMessage; a window of a system class (an edit
// box) superclasses it and overrides DefaultProcedure.

#include "toolkit/win32/windows_api.hpp"

#include <cstdint>
#include <memory>
#include <string>

#include "toolkit/control.hpp"
#include "toolkit/win32/native_window.hpp"
#include "toolkit/win32/win32_context.hpp"
#include "winapi/win32/handles.hpp"

namespace welmor {

class ControlWindow : public ControlPeer, public NativeWindow<ControlWindow> {
 public:
  ~ControlWindow() override;

  void Changed(Change what) final;
  WindowHandle Handle() const final { return WindowHandle{window_.get()}; }
  HWND Window() const { return window_.get(); }
  // Makes the window; false when the system refuses it.
  virtual bool Open() = 0;
  Control& Owner() const { return control_; }
  // Later windows lie over earlier siblings.
  uint64_t StackOrder() const { return stackOrder_; }
  // Draws the whole window, frame included, with its top left corner at
  // (x, y) of dc, for the paint pass (paint_pass.hpp); false for a window
  // that draws only itself on screen.
  virtual bool ComposeOn(HDC, int32_t, int32_t) { return false; }

 protected:
  struct WindowParams {
    std::string className;  // registered with WindowClasses first
    DWORD style = 0;
    DWORD exStyle = 0;
    HWND parent = nullptr;
  };

  ControlWindow(const Win32Context& context, Control& control) : context_(context), control_(control) {}

  // A child window of the control's parent (WS_CHILD is added), above the
  // siblings made before it. False when the window cannot be made.
  bool CreateChild(const char* className, uint32_t classStyle, DWORD style, DWORD exStyle);
  // Any window; the caller has registered the class.
  bool CreateWindowWith(const WindowParams& params);

  // What a change means beyond the common part (bounds, visibility, text,
  // hint), which runs first.
  virtual void OnChanged(Change) {}
  // The messages of one kind of window; return false for the common
  // handling (mouse, context menu, then DefaultProcedure).
  virtual bool HandleMessage(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam, LRESULT& result);
  virtual LRESULT DefaultProcedure(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
  // How visibility is shown: child windows never take the focus.
  virtual int ShowCommand() const { return SW_SHOWNA; }

  const Win32Context& Context() const { return context_; }

 private:
  friend class NativeWindow<ControlWindow>;
  LRESULT OnMessage(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
  void OnDestroyed() { window_.release(); }
  Application* OwningApplication() const { return control_.App(); }

  Win32Context context_;
  Control& control_;
  bool trackingLeave_ = false;
  uint64_t stackOrder_ = 0;
  unique_hwnd window_;
};

// A window kind's view of its own kind of control.
template <class C>
class ControlWindowOf : public ControlWindow {
 public:
  ControlWindowOf(const Win32Context& context, C& control)
      : ControlWindow(context, control), control_(control) {}

 protected:
  C& control_;
};

// The peer of a control in a window of kind W; null when the window cannot
// be made.
template <class W, class C>
std::unique_ptr<ControlPeer> MakeControlWindow(const Win32Context& context, C& control) {
  std::unique_ptr<ControlWindow> peer = std::make_unique<W>(context, control);
  if (!peer->Open()) return nullptr;
  return peer;
}

}  // namespace welmor
