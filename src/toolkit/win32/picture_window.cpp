#include "toolkit/win32/picture_window.hpp"

#include "toolkit/win32/paint_steps.hpp"
#include "toolkit/win32/window_classes.hpp"
#include "winapi/win32/handles.hpp"

namespace welmor {

namespace {

constexpr char kProgramIconName[] = "MAINICON";

}  // namespace

bool PictureWindow::Open() { return CreateChild(kPictureClassName, CS_DBLCLKS, WS_CLIPSIBLINGS, 0); }

void PictureWindow::OnChanged(Change what) {
  if (what == Change::Color || what == Change::Paint) ::InvalidateRect(Window(), nullptr, FALSE);
}

void PictureWindow::Paint(HWND hwnd) {
  paint_scope paint(hwnd);
  HDC dc = paint.dc();
  if (dc == nullptr) return;
  const RECT r = FillClientArea(hwnd, dc, control_.GetColor());
  if (control_.Source() != PictureSource::ProgramIcon) return;
  // Shared: the system keeps one copy for the module and frees it itself.
  auto icon = static_cast<HICON>(
      ::LoadImageA(Context().classes.Instance(), kProgramIconName, IMAGE_ICON, r.right, r.bottom, LR_SHARED));
  if (icon) ::DrawIconEx(dc, 0, 0, icon, r.right, r.bottom, 0, nullptr, DI_NORMAL);
}

bool PictureWindow::HandleMessage(HWND hwnd, UINT msg, WPARAM, LPARAM, LRESULT& result) {
  return HandleOwnPainting(hwnd, msg, result, [this](HWND h) { Paint(h); });
}

}  // namespace welmor
