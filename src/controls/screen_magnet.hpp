#pragma once
// Which edges of which screen area pull a moving magnet form, and from how
// far away.

#include <cstdint>

namespace welmor {

enum TScreenArea : uint8_t { saFullScreen = 0, saWorkArea = 1 };

class TScreenMagnet {
 public:
  TScreenArea Area() const { return area_; }
  void SetArea(TScreenArea a) { area_ = a; }
  uint8_t DesktopPower() const { return desktopPower_; }
  void SetDesktopPower(uint8_t p) { desktopPower_ = p; }
  bool Top() const { return top_; }
  void SetTop(bool v) { top_ = v; }
  bool Bottom() const { return bottom_; }
  void SetBottom(bool v) { bottom_ = v; }
  bool Left() const { return left_; }
  void SetLeft(bool v) { left_ = v; }
  bool Right() const { return right_; }
  void SetRight(bool v) { right_ = v; }

 private:
  TScreenArea area_ = saWorkArea;
  uint8_t desktopPower_ = 15;
  bool top_ = true;
  bool bottom_ = true;
  bool left_ = true;
  bool right_ = true;
};

}  // namespace welmor
