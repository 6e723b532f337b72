#include "toolkit/win32/win32_backend.hpp"

#include "toolkit/application.hpp"
#include "toolkit/custom_control.hpp"
#include "toolkit/form.hpp"
#include "toolkit/label.hpp"
#include "toolkit/menu.hpp"
#include "toolkit/win32/application_window.hpp"
#include "toolkit/win32/control_messages.hpp"
#include "toolkit/win32/custom_window.hpp"
#include "toolkit/win32/form_window.hpp"
#include "toolkit/win32/gdi_text_renderer.hpp"
#include "toolkit/win32/hint_window.hpp"
#include "toolkit/win32/label_window.hpp"
#include "toolkit/win32/memo_window.hpp"
#include "toolkit/win32/menu_builder.hpp"
#include "toolkit/win32/menu_hints.hpp"
#include "toolkit/win32/modal_loop.hpp"
#include "toolkit/win32/paint_pass.hpp"
#include "toolkit/win32/picture_window.hpp"
#include "toolkit/win32/timer_window.hpp"
#include "toolkit/win32/win32_context.hpp"
#include "toolkit/win32/win32_dialogs.hpp"
#include "toolkit/win32/window_classes.hpp"
#include "toolkit/win32/window_operations.hpp"

namespace welmor {

HWND ParentWindowFor(Control& control, const Win32Context& context) {
  if (Control* parent = control.Parent()) {
    if (HWND hwnd = AsHwnd(parent->Handle())) return hwnd;
  }
  return context.applicationWindow;
}

namespace {

class Win32BackendImpl final : public Win32Backend {
 public:
  explicit Win32BackendImpl(HINSTANCE instance)
      : classes_(instance), dialogs_(instance, [this] { return DialogOwner(); }) {}

  // Both windows or nothing.
  bool Init() {
    // Closing the task-bar button closes the main form.
    appWindow_ = ApplicationWindow::Create(classes_, [this] {
      if (Application* app = Attached()) {
        if (Form* main = app->MainForm()) Application::Dispatch(*main, [main] { main->Close(); });
      }
    });
    timers_ = TimerWindow::Create(classes_, paints_);
    if (!appWindow_ || !timers_) return false;
    hints_ = HintWindow::Create(classes_, appWindow_->Handle());
    if (!hints_) return false;
    return true;
  }

  ~Win32BackendImpl() override {
    // Windows before the classes they belong to.
    hints_.reset();
    timers_.reset();
    appWindow_.reset();
  }

  // --- Backend -------------------------------------------------------------
  std::unique_ptr<ControlPeer> CreatePeer(Control& control) override {
    const Win32Context context{classes_, *hints_, paints_, appWindow_->Handle()};
    switch (control.Kind()) {
      case ControlKind::Form:
        return MakeControlWindow<FormWindow>(context, static_cast<Form&>(control));
      case ControlKind::Label:
        return MakeControlWindow<LabelWindow>(context, static_cast<Label&>(control));
      case ControlKind::Custom:
        return MakeControlWindow<CustomWindow>(context, static_cast<CustomControl&>(control));
      case ControlKind::Memo:
        return MakeControlWindow<MemoWindow>(context, static_cast<Memo&>(control));
      case ControlKind::Picture:
        return MakeControlWindow<PictureWindow>(context, static_cast<Picture&>(control));
    }
    return nullptr;
  }

  std::unique_ptr<TimerPeer> CreateTimerPeer(Timer& timer) override { return timers_->MakePeer(timer); }

  MenuItem* TrackPopupMenu(PopupMenu& menu, Point screen, Control* owner) override {
    NativeMenu native = BuildNativeMenu(menu);
    if (!native.menu) return nullptr;
    HWND window = owner ? WindowOf(*owner) : nullptr;
    if (window) window = ::GetAncestor(window, GA_ROOT);
    if (window == nullptr) window = appWindow_->Handle();
    // Without this the menu does not close when the user clicks elsewhere.
    ::SetForegroundWindow(window);
    const MenuHintWatch hints(native);
    const UINT chosen = static_cast<UINT>(::TrackPopupMenu(native.menu.get(),
                                                           TPM_CENTERALIGN | TPM_RETURNCMD | TPM_RIGHTBUTTON,
                                                           screen.x, screen.y, 0, window, nullptr));
    ::PostMessageA(window, WM_NULL, 0, 0);
    return native.ItemForCommand(chosen);
  }

  void RunMessageLoop(Application& app) override {
    ::SetWindowTextA(appWindow_->Handle(), app.Title().c_str());
    MSG msg;
    while (::GetMessageA(&msg, nullptr, 0, 0) > 0) Deliver(app, msg);
  }

  void RunModalLoop(Form& form) override {
    Application* app = Attached();
    if (!app) return;
    RunModalMessages(
        WindowOf(form), [&] { return form.Visible() && !app->Terminated(); },
        [&](MSG& msg) { Deliver(*app, msg); });
  }

  void ProcessMessages() override {
    Application* app = Attached();
    MSG msg;
    while (::PeekMessageA(&msg, nullptr, 0, 0, PM_REMOVE)) {
      if (msg.message == WM_QUIT) {
        // Leave it for the message loop, which ends on it.
        ::PostQuitMessage(static_cast<int>(msg.wParam));
        return;
      }
      // A tick that falls due during the refresh is painted with it.
      const PaintPass::Join join(paints_, msg.message == WM_TIMER && msg.hwnd == timers_->Handle());
      if (app) {
        Deliver(*app, msg);
      } else {
        ::TranslateMessage(&msg);
        ::DispatchMessageA(&msg);
      }
    }
  }

  void PostQuit() override { ::PostQuitMessage(0); }

  void HintSettingsChanged(Application& app) override {
    hints_->ApplySettings(app.HintColor(), app.HintPause(), app.HintHidePause());
  }

  Dialogs& GetDialogs() override { return dialogs_; }
  const TextRenderer& GetTextRenderer() override { return text_; }

  Size ScreenSize() override {
    return Size{::GetSystemMetrics(SM_CXSCREEN), ::GetSystemMetrics(SM_CYSCREEN)};
  }

  WindowHandle ApplicationHandle() override { return AsHandle(appWindow_->Handle()); }

  Color ButtonFaceColor() override { return static_cast<Color>(::GetSysColor(COLOR_BTNFACE)); }

  void ReleaseMouseCapture() override { ::ReleaseCapture(); }
  void MoveWithMouse(WindowHandle window) override { win32_window_ops::MoveWithMouse(AsHwnd(window)); }
  std::optional<Monitor> MonitorOf(const Rect& window) override {
    return win32_window_ops::MonitorOf(window);
  }
  void ShowWindow(WindowHandle window, bool visible) override {
    ::ShowWindow(AsHwnd(window), visible ? SW_SHOW : SW_HIDE);
  }
  uint32_t ExtendedStyle(WindowHandle window) override {
    return static_cast<uint32_t>(::GetWindowLongA(AsHwnd(window), GWL_EXSTYLE));
  }
  void SetExtendedStyle(WindowHandle window, uint32_t exStyle) override {
    ::SetWindowLongA(AsHwnd(window), GWL_EXSTYLE, static_cast<LONG>(exStyle));
  }
  bool PlaceTopmost(WindowHandle window, const Rect& bounds) override {
    return win32_window_ops::PlaceTopmost(AsHwnd(window), bounds);
  }
  std::optional<std::string> ShortPathName(const std::string& path) override {
    return win32_window_ops::ShortPathName(path);
  }

  // --- Win32Backend -------------------------------------------------------
  HINSTANCE Instance() const override { return classes_.Instance(); }
  HWND AppWindow() const override { return appWindow_->Handle(); }
  HWND HintWindowHandle() const override { return hints_->Handle(); }

  HWND DialogOwner() const override {
    if (const Application* app = Attached()) {
      if (const Form* main = app->MainForm()) {
        if (HWND hwnd = WindowOf(*main)) return hwnd;
      }
    }
    return appWindow_->Handle();
  }

 private:
  static void Deliver(Application& app, MSG& msg) {
    const Message filtered{msg.message, static_cast<uintptr_t>(msg.wParam),
                           static_cast<intptr_t>(msg.lParam)};
    if (app.FilterMessage(filtered)) return;
    ::TranslateMessage(&msg);
    ::DispatchMessageA(&msg);
  }

  WindowClasses classes_;  // first: outlives every window
  PaintPass paints_;       // outlives every control window too
  Win32Dialogs dialogs_;
  GdiTextRenderer text_;
  std::unique_ptr<ApplicationWindow> appWindow_;
  std::unique_ptr<TimerWindow> timers_;
  std::unique_ptr<HintWindow> hints_;
};

}  // namespace

std::unique_ptr<Win32Backend> MakeWin32Backend(HINSTANCE instance) {
  auto backend = std::make_unique<Win32BackendImpl>(instance);
  if (!backend->Init()) return nullptr;
  return backend;
}

}  // namespace welmor
