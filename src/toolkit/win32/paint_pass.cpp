#include "toolkit/win32/paint_pass.hpp"

#include <algorithm>
#include <exception>

#include "toolkit/application.hpp"
#include "toolkit/control.hpp"
#include "toolkit/win32/control_window.hpp"
#include "toolkit/win32/message_depth.hpp"

namespace welmor {

namespace {

bool Overlap(const Rect& a, const Rect& b) {
  return a.left < b.right && b.left < a.right && a.top < b.bottom && b.top < a.bottom;
}

bool Inside(const Rect& inner, const Rect& outer) {
  return inner.left >= outer.left && inner.top >= outer.top && inner.right <= outer.right &&
         inner.bottom <= outer.bottom;
}

int64_t Area(const ControlWindow* w) {
  const Rect r = w->Owner().BoundsRect();
  return static_cast<int64_t>(r.Width()) * r.Height();
}

// The device context of the parent window being painted into, kept while
// consecutive windows share that parent and given back on every way out.
class ParentDc {
 public:
  ParentDc() = default;
  ~ParentDc() { Release(); }
  ParentDc(const ParentDc&) = delete;
  ParentDc& operator=(const ParentDc&) = delete;

  HDC For(HWND parent) {
    if (parent != parent_) {
      Release();
      parent_ = parent;
      // Without DCX_CLIPCHILDREN: the children's areas are drawn through it.
      dc_ = ::GetDCEx(parent, nullptr, DCX_CACHE | DCX_CLIPSIBLINGS);
    }
    return dc_;
  }

 private:
  void Release() noexcept {
    if (dc_) ::ReleaseDC(parent_, dc_);
    dc_ = nullptr;
    parent_ = nullptr;
  }

  HWND parent_ = nullptr;
  HDC dc_ = nullptr;
};

}  // namespace

PaintPass::~PaintPass() {
  if (scratchDc_ && firstBitmap_) ::SelectObject(scratchDc_.get(), firstBitmap_);
}

PaintPass::Event::Event(PaintPass& pass) noexcept
    : pass_(pass), joined_(pass.joinNext_ && pass.open_ > 0), outerDepth_(pass.eventDepth_) {
  pass_.joinNext_ = false;
  ++pass_.open_;
  pass_.eventDepth_ = message_depth::current;
}

PaintPass::Event::~Event() {
  --pass_.open_;
  pass_.eventDepth_ = outerDepth_;
  if (!joined_) pass_.Run();
}

bool PaintPass::Defer(ControlWindow& window) {
  // Only what the tick's own code changes waits for its pass.
  if (open_ == 0 || eventDepth_ != message_depth::current) return false;
  if (std::find(noted_.begin(), noted_.end(), &window) == noted_.end()) noted_.push_back(&window);
  return true;
}

void PaintPass::Forget(ControlWindow& window) noexcept {
  noted_.erase(std::remove(noted_.begin(), noted_.end(), &window), noted_.end());
}

void PaintPass::Run() noexcept {
  // Composing runs no loop (an error is told after the pass), so only a
  // window procedure that composing sends to could start a pass inside
  // this one; the noted windows are this one's to finish.
  if (running_) return;
  running_ = true;
  std::exception_ptr failure;
  Application* failedApp = nullptr;
  {
    ParentDc dc;
    while (!noted_.empty()) {
      // Largest first, so that a bar inside its panel is painted with the panel.
      const auto next =
          std::max_element(noted_.begin(), noted_.end(),
                           [](const ControlWindow* a, const ControlWindow* b) { return Area(a) < Area(b); });
      ControlWindow& window = **next;
      noted_.erase(next);
      HWND own = window.Window();
      if (own == nullptr) continue;
      bool drawn = false;
      try {
        HWND parent = ::GetParent(own);
        HDC target = parent ? dc.For(parent) : nullptr;
        drawn = target != nullptr && Compose(window, parent, target);
      } catch (...) {
        // Painted the usual way below; the first error is told once the
        // pass is over.
        if (!failure) {
          failure = std::current_exception();
          failedApp = window.Owner().App();
        }
      }
      if (!drawn) ::InvalidateRect(own, nullptr, FALSE);
    }
  }
  painted_.clear();
  running_ = false;
  if (failure) {
    try {
      std::rethrow_exception(failure);
    } catch (...) {
      Application::ReportCurrentException(failedApp);
    }
  }
}

bool PaintPass::Compose(ControlWindow& window, HWND parent, HDC target) {
  Control& control = window.Owner();
  Control* parentControl = control.Parent();
  if (parentControl == nullptr || !control.Visible()) return false;
  const Rect area = control.BoundsRect();
  for (const auto& [hwnd, done] : painted_) {
    if (hwnd == parent && Inside(area, done)) return true;  // composed with what lies under it
  }
  if (area.Width() <= 0 || area.Height() <= 0) return true;
  HDC dc = Scratch(area.Width(), area.Height());
  if (dc == nullptr || !window.ComposeOn(dc, 0, 0)) return false;
  // The siblings made after it lie over it.
  for (Control* sibling : parentControl->Controls()) {
    if (sibling == &control || !sibling->Visible()) continue;
    const Rect r = sibling->BoundsRect();
    if (!Overlap(r, area)) continue;
    auto* above = dynamic_cast<ControlWindow*>(sibling->Peer());
    if (above == nullptr || above->StackOrder() < window.StackOrder()) continue;
    if (!above->ComposeOn(dc, r.left - area.left, r.top - area.top)) return false;
  }
  ::BitBlt(target, area.left, area.top, area.Width(), area.Height(), dc, 0, 0, SRCCOPY);
  painted_.emplace_back(parent, area);
  return true;
}

HDC PaintPass::Scratch(int32_t width, int32_t height) {
  if (!scratchDc_) {
    scratchDc_.reset(::CreateCompatibleDC(nullptr));
    if (!scratchDc_) return nullptr;
  }
  if (width > scratchWidth_ || height > scratchHeight_) {
    const int32_t w = std::max(width, scratchWidth_);
    const int32_t h = std::max(height, scratchHeight_);
    const BITMAPINFO bi = TopDownDibInfo(w, h, 32);
    void* bits = nullptr;
    unique_hbitmap bigger(::CreateDIBSection(nullptr, &bi, DIB_RGB_COLORS, &bits, nullptr, 0));
    if (!bigger) return nullptr;
    HGDIOBJ previous = ::SelectObject(scratchDc_.get(), bigger.get());
    if (firstBitmap_ == nullptr) firstBitmap_ = previous;
    scratch_ = std::move(bigger);
    scratchWidth_ = w;
    scratchHeight_ = h;
  }
  return scratchDc_.get();
}

}  // namespace welmor
