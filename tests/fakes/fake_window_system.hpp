#pragma once
// A WindowSystem for headless tests: records every call in order, keeps
// per-window visibility and extended styles, and lets a test play the user's
// drag through onMove.
//
//   FakeWindowSystem ws;
//   ScopedWindowSystem installed(ws);
//   ws.onMove = [&](uintptr_t) { form.BoundsChangedByPeer({...}); };

#include <cstdint>
#include <cstdio>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <vector>

#include "winutil/window_system.hpp"

namespace welmor {

class FakeWindowSystem : public WindowSystem {
 public:
  // "ReleaseCapture", "Move <h>", "WorkArea", "Show <h>", "Hide <h>",
  // "GetExStyle <h>", "SetExStyle <h> <hex>", "Topmost <h> l,t,w,h",
  // "ShortPath <path>", in call order.
  std::vector<std::string> calls;

  std::optional<Rect> workArea = Rect{0, 0, 1024, 738};
  std::function<void(uintptr_t window)> onMove;
  bool topmostAnswer = true;
  // Short forms by long path; a path without an entry has none.
  std::map<std::string, std::string> shortPaths;

  std::map<uintptr_t, bool> visible;
  std::map<uintptr_t, uint32_t> exStyles;
  std::map<uintptr_t, Rect> topmost;  // bounds each window was put topmost at

  void ReleaseMouseCapture() override { calls.push_back("ReleaseCapture"); }
  void MoveWithMouse(uintptr_t window) override {
    calls.push_back("Move " + std::to_string(window));
    if (onMove) onMove(window);
  }
  std::optional<Rect> WorkArea() override {
    calls.push_back("WorkArea");
    return workArea;
  }
  void ShowWindow(uintptr_t window, bool show) override {
    calls.push_back((show ? "Show " : "Hide ") + std::to_string(window));
    visible[window] = show;
  }
  uint32_t ExtendedStyle(uintptr_t window) override {
    calls.push_back("GetExStyle " + std::to_string(window));
    return exStyles[window];
  }
  void SetExtendedStyle(uintptr_t window, uint32_t exStyle) override {
    char hex[16];
    std::snprintf(hex, sizeof hex, "%X", static_cast<unsigned>(exStyle));
    calls.push_back("SetExStyle " + std::to_string(window) + " " + hex);
    exStyles[window] = exStyle;
  }
  bool PlaceTopmost(uintptr_t window, const Rect& b) override {
    calls.push_back("Topmost " + std::to_string(window) + " " + std::to_string(b.left) + "," +
                    std::to_string(b.top) + "," + std::to_string(b.Width()) + "," +
                    std::to_string(b.Height()));
    if (topmostAnswer) {
      topmost[window] = b;
      visible[window] = true;
    }
    return topmostAnswer;
  }
  std::optional<std::string> ShortPathName(const std::string& path) override {
    calls.push_back("ShortPath " + path);
    const auto found = shortPaths.find(path);
    if (found == shortPaths.end()) return std::nullopt;
    return found->second;
  }
};

}  // namespace welmor
