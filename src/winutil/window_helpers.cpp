#include "winutil/window_helpers.hpp"

#include "textutil/format.hpp"
#include "toolkit/application.hpp"

namespace welmor {

void DragWindow(Form& form) {
  Backend* backend = Application::BackendOf(form);
  if (backend == nullptr) return;
  backend->ReleaseMouseCapture();
  // Returns when the drag is over; the form's bounds follow the window.
  backend->MoveWithMouse(form.Handle());
  // Kept on the display it was dropped on, not pulled onto the primary one.
  const Rect bounds = form.BoundsRect();
  const std::optional<Monitor> monitor = backend->MonitorOf(bounds);
  if (!monitor) return;
  const Point corner = ClampToWorkArea(bounds, monitor->workArea);
  if (corner.x != bounds.left || corner.y != bounds.top) {
    form.SetBounds(corner.x, corner.y, bounds.Width(), bounds.Height());
  }
}

void MakeToolWindow(const Component& from, bool endHidden) {
  Backend* backend = Application::BackendOf(from);
  if (backend == nullptr) return;
  const WindowHandle window = backend->ApplicationHandle();
  if (!window) return;
  // The task bar notices a new style only when the window is next shown or
  // hidden, so the change sits between a show and a hide.
  backend->ShowWindow(window, endHidden);
  backend->SetExtendedStyle(window, backend->ExtendedStyle(window) | kExStyleToolWindow);
  backend->ShowWindow(window, !endHidden);
}

bool SetTopmost(Form& form) {
  Backend* backend = Application::BackendOf(form);
  if (backend == nullptr) return false;
  const bool placed = backend->PlaceTopmost(form.Handle(), form.BoundsRect());
  form.Invalidate();
  return placed;
}

std::string FolderOfPath(const std::string& path) {
  const int32_t slash = LastCharPos('\\', path);
  return slash > 0 ? path.substr(0, static_cast<std::size_t>(slash)) : std::string();
}

std::string ShortPathFolder(const Component& from, const std::string& path) {
  Backend* backend = Application::BackendOf(from);
  std::optional<std::string> shortPath;
  if (backend != nullptr) shortPath = backend->ShortPathName(path);
  // Only the folder part of the text matters: a NUL ends it, as it would in
  // a C buffer.
  const std::string text = shortPath ? *shortPath : path;
  return FolderOfPath(text.substr(0, text.find('\0')));
}

void ShowMessageBox(const Component& from, const std::string& text, bool isError) {
  if (Application* app = from.App()) {
    app->GetDialogs().Message(isError ? DialogKind::Error : DialogKind::Information, text);
  }
}

bool AskYesNo(const Component& from, const std::string& text) {
  Application* app = from.App();
  return app != nullptr && app->GetDialogs().Confirm(text);
}

}  // namespace welmor
