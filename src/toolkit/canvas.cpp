#include "toolkit/canvas.hpp"

#include <algorithm>
#include <cmath>
#include <cstdlib>
#include <vector>

namespace welmor {

namespace {

constexpr int32_t kCoordLimit = 1 << 27;

int32_t ClampCoord(int32_t v) { return std::clamp(v, -kCoordLimit, kCoordLimit); }

struct Pattern {
  int32_t count;
  int32_t runs[6];
  int32_t period;
};

// Cosmetic pen patterns, in pixels; even runs are drawn, odd runs are gaps.
const Pattern* PatternOf(PenStyle style) {
  static const Pattern kDash{2, {18, 6}, 24};
  static const Pattern kDot{2, {3, 3}, 6};
  static const Pattern kDashDot{4, {9, 6, 3, 6}, 24};
  static const Pattern kDashDotDot{6, {9, 3, 3, 3, 3, 3}, 24};
  switch (style) {
    case PenStyle::Dash:
      return &kDash;
    case PenStyle::Dot:
      return &kDot;
    case PenStyle::DashDot:
      return &kDashDot;
    case PenStyle::DashDotDot:
      return &kDashDotDot;
    default:
      return nullptr;
  }
}

bool PatternOn(const Pattern& p, uint32_t step) {
  int32_t pos = static_cast<int32_t>(step % static_cast<uint32_t>(p.period));
  for (int32_t i = 0; i < p.count; ++i) {
    if (pos < p.runs[i]) return i % 2 == 0;
    pos -= p.runs[i];
  }
  return false;
}

// Ceiling of n / d for d > 0.
int64_t CeilDiv(int64_t n, int64_t d) { return n >= 0 ? (n + d - 1) / d : -((-n) / d); }

Rect Normalised(const Rect& r) {
  return Rect{std::min(r.left, r.right), std::min(r.top, r.bottom), std::max(r.left, r.right),
              std::max(r.top, r.bottom)};
}

}  // namespace

void Canvas::MoveTo(int32_t x, int32_t y) { penPos_ = Point{ClampCoord(x), ClampCoord(y)}; }

void Canvas::LineTo(int32_t x, int32_t y) {
  const Point to{ClampCoord(x), ClampCoord(y)};
  styleStep_ = 0;
  Segment(penPos_, to);
  penPos_ = to;
}

void Canvas::Segment(Point a, Point b) {
  if (pen.style == PenStyle::Clear) return;
  const int64_t dx = int64_t{b.x} - a.x;
  const int64_t dy = int64_t{b.y} - a.y;
  if (dx == 0 && dy == 0) return;

  // Octants numbered clockwise from +x with y pointing down; the platform
  // biases the tie decision in octants 3, 5, 6 and 8 so that a tie resolves
  // to the same pixel whichever end the line starts from.
  int octant;
  if (dy > 0) {
    octant = dx > 0 ? (dx > dy ? 1 : 2) : (-dx > dy ? 4 : 3);
  } else {
    octant = dx < 0 ? (-dx > -dy ? 5 : 6) : (dx > -dy ? 8 : 7);
  }
  const bool xMajor = octant == 1 || octant == 4 || octant == 5 || octant == 8;
  const int64_t bias = (octant == 3 || octant == 5 || octant == 6 || octant == 8) ? 1 : 0;
  const int32_t sx = (octant == 1 || octant == 2 || octant == 7 || octant == 8) ? 1 : -1;
  const int32_t sy = octant <= 4 ? 1 : -1;

  const int64_t major = xMajor ? std::abs(dx) : std::abs(dy);
  const int64_t minor = xMajor ? std::abs(dy) : std::abs(dx);

  // Only the steps whose major coordinate lies on the bitmap can colour
  // anything; walking just those keeps far-off end points cheap.
  const int64_t majorStart = xMajor ? a.x : a.y;
  const int64_t majorSign = xMajor ? sx : sy;
  const int64_t extent = xMajor ? target_.Width() : target_.Height();
  int64_t first = 0;
  int64_t last = major - 1;
  if (majorSign > 0) {
    first = std::max(first, -majorStart);
    last = std::min(last, extent - 1 - majorStart);
  } else {
    first = std::max(first, majorStart - (extent - 1));
    last = std::min(last, majorStart);
  }

  const Pattern* pattern = PatternOf(pen.style);
  const bool paintGaps = brush.style == BrushStyle::Solid;
  for (int64_t j = first; j <= last; ++j) {
    // Minor offset of step j: the Bresenham walk in closed form.
    const int64_t m = CeilDiv(2 * minor * j - major + bias, 2 * major);
    int64_t px;
    int64_t py;
    if (xMajor) {
      px = a.x + sx * j;
      py = a.y + sy * m;
    } else {
      px = a.x + sx * m;
      py = a.y + sy * j;
    }
    if (px < 0 || py < 0 || px >= target_.Width() || py >= target_.Height()) continue;
    if (pattern == nullptr || PatternOn(*pattern, styleStep_ + static_cast<uint32_t>(j))) {
      target_.SetPixel(static_cast<int32_t>(px), static_cast<int32_t>(py), pen.color);
    } else if (paintGaps) {
      target_.SetPixel(static_cast<int32_t>(px), static_cast<int32_t>(py), brush.color);
    }
  }
  styleStep_ = (styleStep_ + static_cast<uint32_t>(major % 24)) % 24;  // every period divides 24
}

void Canvas::FillSpan(int32_t left, int32_t right, int32_t y, Color c) {
  if (y < 0 || y >= target_.Height()) return;
  left = std::max(left, 0);
  right = std::min(right, target_.Width());
  if (left >= right) return;
  auto& px = target_.Pixels();
  const std::size_t row = static_cast<std::size_t>(y) * static_cast<std::size_t>(target_.Width());
  std::fill(px.begin() + static_cast<std::ptrdiff_t>(row + static_cast<std::size_t>(left)),
            px.begin() + static_cast<std::ptrdiff_t>(row + static_cast<std::size_t>(right)), c);
}

void Canvas::FillRect(const Rect& r) {
  if (brush.style == BrushStyle::Clear) return;
  const int32_t top = std::max(r.top, 0);
  const int32_t bottom = std::min(r.bottom, target_.Height());
  for (int32_t y = top; y < bottom; ++y) FillSpan(r.left, r.right, y, brush.color);
}

void Canvas::Rectangle(const Rect& r) {
  const Rect n = Normalised(r);
  if (n.Width() == 0 || n.Height() == 0) return;
  if (pen.style == PenStyle::Clear) {
    FillRect(Rect{n.left, n.top, n.right - 1, n.bottom - 1});
    return;
  }
  FillRect(Rect{n.left + 1, n.top + 1, n.right - 1, n.bottom - 1});
  // Anticlockwise from the top-right corner, one pattern along all four edges.
  const Point corners[5] = {{n.right - 1, n.top},
                            {n.left, n.top},
                            {n.left, n.bottom - 1},
                            {n.right - 1, n.bottom - 1},
                            {n.right - 1, n.top}};
  styleStep_ = 0;
  for (int i = 0; i < 4; ++i) Segment(corners[i], corners[i + 1]);
}

void Canvas::RoundRect(const Rect& r, int32_t ellipseWidth, int32_t ellipseHeight) {
  if (ellipseWidth == 0 || ellipseHeight == 0) {
    Rectangle(r);
    return;
  }
  Rect n = Normalised(r);
  if (n.Width() == 0 || n.Height() == 0) return;
  const bool outline = pen.style != PenStyle::Clear;
  if (!outline) {
    n.right -= 1;
    n.bottom -= 1;
    if (n.Width() <= 0 || n.Height() <= 0) return;
  }
  const int32_t w = n.Width();
  const int32_t h = n.Height();
  const double a = std::min(std::abs(ellipseWidth), w) / 2.0;
  const double b = std::min(std::abs(ellipseHeight), h) / 2.0;

  // Inset of each row from the left (and, mirrored, the right) edge: the
  // pixels whose centres lie inside the corner ellipse.
  std::vector<int32_t> inset(static_cast<std::size_t>(h), 0);
  for (int32_t y = 0; y < h; ++y) {
    const int32_t fromEdge = std::min(y, h - 1 - y);
    const double centre = fromEdge + 0.5;
    if (centre >= b) continue;
    const double t = (b - centre) / b;
    const double half = a * std::sqrt(std::max(0.0, 1.0 - t * t));
    inset[static_cast<std::size_t>(y)] =
        std::clamp(static_cast<int32_t>(std::ceil(a - half - 0.5)), 0, (w - 1) / 2);
  }

  for (int32_t y = 0; y < h; ++y) {
    const int32_t left = inset[static_cast<std::size_t>(y)];
    const int32_t right = w - 1 - left;  // inclusive
    if (!outline) {
      if (brush.style == BrushStyle::Solid)
        FillSpan(n.left + left, n.left + right + 1, n.top + y, brush.color);
      continue;
    }
    // A pixel belongs to the outline when a 4-neighbour lies outside the shape.
    const bool edgeRow = y == 0 || y == h - 1;
    const int32_t above = edgeRow ? 0 : inset[static_cast<std::size_t>(y - 1)];
    const int32_t below = edgeRow ? 0 : inset[static_cast<std::size_t>(y + 1)];
    const int32_t border = edgeRow ? right + 1 : std::max({above, below, left + 1});
    for (int32_t x = left; x <= right; ++x) {
      const int32_t d = std::min(x, w - 1 - x);
      const bool onOutline = edgeRow || d < border || x == left || x == right;
      if (onOutline) {
        target_.SetPixel(n.left + x, n.top + y, pen.color);
      } else if (brush.style == BrushStyle::Solid) {
        target_.SetPixel(n.left + x, n.top + y, brush.color);
      }
    }
  }
}

void Canvas::FrameRect(const Rect& r) {
  if (r.right <= r.left || r.bottom <= r.top) return;
  const Color c = brush.color;
  FillSpan(r.left, r.right, r.top, c);
  FillSpan(r.left, r.right, r.bottom - 1, c);
  for (int32_t y = r.top + 1; y < r.bottom - 1; ++y) {
    target_.SetPixel(r.left, y, c);
    target_.SetPixel(r.right - 1, y, c);
  }
}

void Canvas::TextOut(int32_t x, int32_t y, const std::string& text) {
  text_->Draw(target_, x, y, font, text);
}

int32_t Canvas::TextWidth(const std::string& text) const { return text_->Measure(font, text).width; }

int32_t Canvas::TextHeight(const std::string& text) const { return text_->Measure(font, text).height; }

}  // namespace welmor
