#include "winutil/window_helpers.hpp"

#include "textutil/format.hpp"
#include "toolkit/application.hpp"
#include "winutil/window_system.hpp"

namespace welmor {

void DragWindow(Form& form) {
  WindowSystem* system = InstalledWindowSystem();
  if (system == nullptr) return;
  system->ReleaseMouseCapture();
  // Returns when the drag is over; the form's bounds follow the window.
  system->MoveWithMouse(form.Handle());
  const std::optional<Rect> workArea = system->WorkArea();
  if (!workArea) return;
  const Rect bounds = form.BoundsRect();
  const Point corner = ClampToWorkArea(bounds, *workArea);
  if (corner.x != bounds.left || corner.y != bounds.top) {
    form.SetBounds(corner.x, corner.y, bounds.Width(), bounds.Height());
  }
}

void MakeToolWindow(bool endHidden) {
  WindowSystem* system = InstalledWindowSystem();
  Backend* backend = Application::CurrentBackend();
  if (system == nullptr || backend == nullptr) return;
  const uintptr_t window = backend->ApplicationHandle();
  if (window == 0) return;
  // The task bar notices a new style only when the window is next shown or
  // hidden, so the change sits between a show and a hide.
  system->ShowWindow(window, endHidden);
  system->SetExtendedStyle(window, system->ExtendedStyle(window) | kExStyleToolWindow);
  system->ShowWindow(window, !endHidden);
}

bool SetTopmost(Form& form) {
  WindowSystem* system = InstalledWindowSystem();
  if (system == nullptr) return false;
  const bool placed = system->PlaceTopmost(form.Handle(), form.BoundsRect());
  form.Invalidate();
  return placed;
}

std::string FolderOfPath(const std::string& path) {
  const int32_t slash = LastCharPos('\\', path);
  return slash > 0 ? path.substr(0, static_cast<std::size_t>(slash)) : std::string();
}

std::string ShortPathFolder(const std::string& path) {
  WindowSystem* system = InstalledWindowSystem();
  std::optional<std::string> shortPath;
  if (system != nullptr) shortPath = system->ShortPathName(path);
  // Only the folder part of the text matters: a NUL ends it, as it would in
  // a C buffer.
  const std::string text = shortPath ? *shortPath : path;
  return FolderOfPath(text.substr(0, text.find('\0')));
}

void ShowMessageBox(const std::string& text, bool isError) {
  if (Application* app = Application::Current()) {
    app->GetDialogs().Message(isError ? DialogKind::Error : DialogKind::Information, text);
  }
}

bool AskYesNo(const std::string& text) {
  Application* app = Application::Current();
  return app != nullptr && app->GetDialogs().Confirm(text);
}

}  // namespace welmor
