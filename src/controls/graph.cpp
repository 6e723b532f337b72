#include "controls/graph.hpp"

#include <algorithm>
#include <cmath>
#include <new>

#include "controls/round_half_even.hpp"

namespace welmor {

// --- KrGElement ------------------------------------------------------------------

int64_t KrGElement::Value(int32_t index) const {
  if (index == 0) return spare_;
  if (index < 1 || index > kCapacity) return NoValue;
  return ring_[static_cast<std::size_t>((head_ + index - 1) % kCapacity)];
}

void KrGElement::SetValue(int32_t index, int64_t value) {
  if (index == 0) {
    spare_ = value;
  } else if (index >= 1 && index <= kCapacity) {
    ring_[static_cast<std::size_t>((head_ + index - 1) % kCapacity)] = value;
  }
}

void KrGElement::Clear() { ring_.fill(NoValue); }

int64_t KrGElement::Shift() {
  const auto oldestSlot = static_cast<std::size_t>(head_);
  const int64_t oldest = ring_[oldestSlot];
  // Moving every value down one place would leave place 2000 holding the
  // newest value until it is overwritten; the ring keeps that view.
  ring_[oldestSlot] = ring_[static_cast<std::size_t>((head_ + kCapacity - 1) % kCapacity)];
  head_ = (head_ + 1) % kCapacity;
  return oldest;
}

// --- KrGraphic -------------------------------------------------------------------

namespace {

constexpr int32_t kNewest = KrGElement::kCapacity;

// a - b as a floating-point number, exact where a 64-bit difference is and
// without overflowing where it is not.
double Difference(int64_t a, int64_t b) {
  int64_t d;
  if (!__builtin_sub_overflow(a, b, &d)) return static_cast<double>(d);
  return static_cast<double>(static_cast<long double>(a) - static_cast<long double>(b));
}

int32_t RowOf(const KrGElement& e, int64_t value, int32_t height) {
  if (e.BorderMax == e.BorderMin) return -1;
  const double ratio = Difference(value, e.BorderMin) / Difference(e.BorderMax, e.BorderMin);
  return RoundHalfEvenToInt32(ratio * height);
}

// Calls draw for each grid line position extent / (count + 1) x i, i = 1..count,
// once per distinct pixel: with more lines than pixels, runs of equal
// positions are skipped instead of drawn again.
template <class Draw>
void ForEachGridPosition(int32_t extent, int32_t count, Draw draw) {
  if (count <= 0) return;
  const double step = extent / (static_cast<double>(count) + 1.0);
  if (step <= 0.0) {
    draw(0);
    return;
  }
  bool drawn = false;
  int32_t last = 0;
  for (int64_t i = 1; i <= count;) {
    const int32_t p = RoundHalfEvenToInt32(step * static_cast<double>(i));
    if (!drawn || p != last) draw(p);
    drawn = true;
    last = p;
    // Every index below this one lies strictly before p + 0.5, so at p.
    const double skipTo = std::floor((p + 0.5) / step) - 1.0;
    i = skipTo > static_cast<double>(i + 1) ? static_cast<int64_t>(skipTo) : i + 1;
  }
}

}  // namespace

KrGraphic::KrGraphic(Component* owner) : CustomControl(owner) {}

Timer& KrGraphic::InternalTimer() {
  // Made on first use: a chart that never runs its timer (one drawn outside
  // an application) needs none.
  if (!timer_) {
    timer_ = &Make<Timer>();
    timer_->SetEnabled(timerEnabled_);
    timer_->SetInterval(static_cast<uint32_t>(std::max(interval_, 0)));
    timer_->OnTimer = [this](Component&) {
      if (OnTmrTimer) OnTmrTimer(*this);
    };
  }
  return *timer_;
}

const KrGElement* KrGraphic::Find(int32_t element) const {
  if (element < 1 || element > kMaxElements) return nullptr;
  return elements_[static_cast<std::size_t>(element)].get();
}

KrGElement* KrGraphic::Find(int32_t element) {
  if (element < 1 || element > kMaxElements) return nullptr;
  return elements_[static_cast<std::size_t>(element)].get();
}

// --- properties ------------------------------------------------------------------

void KrGraphic::SetBgColor(Color v) {
  if (v == bgColor_) return;
  bgColor_ = v;
  Redraw();
}

void KrGraphic::SetBorder(KrGBorder v) {
  if (v == border_) return;
  border_ = v;
  Redraw();
}

void KrGraphic::SetInterval(int32_t v) {
  if (v == interval_) return;
  interval_ = v;
  if (timer_) timer_->SetInterval(static_cast<uint32_t>(std::max(v, 0)));
}

void KrGraphic::SetLineColor(Color v) {
  if (v == lineColor_) return;
  lineColor_ = v;
  Redraw();
}

void KrGraphic::SetShadowColor(Color v) {
  if (v == shadowColor_) return;
  shadowColor_ = v;
  Redraw();
}

void KrGraphic::SetLightColor(Color v) {
  if (v == lightColor_) return;
  lightColor_ = v;
  Redraw();
}

void KrGraphic::SetLinesHor(int32_t v) {
  if (v == linesHor_) return;
  linesHor_ = v;
  Redraw();
}

void KrGraphic::SetLinesVert(int32_t v) {
  if (v == linesVert_) return;
  linesVert_ = v;
  Redraw();
}

void KrGraphic::SetLines(KrGLines v) {
  if (v == lines_) return;
  lines_ = v;
  Redraw();
}

void KrGraphic::SetLinesVertHorColor(Color v) {
  if (v == linesVertHorColor_) return;
  linesVertHorColor_ = v;
  Redraw();
}

void KrGraphic::SetTimerEnabled(bool v) {
  timerEnabled_ = v;
  if (v || timer_) InternalTimer().SetEnabled(v);
}

// --- elements --------------------------------------------------------------------

bool KrGraphic::AddElement(int32_t element, Color color, int64_t borderMin, int64_t borderMax,
                           int64_t alarmMin, int64_t alarmMax, int64_t warningMin, int64_t warningMax) {
  if (element < 1 || element > kMaxElements) return false;
  auto& slot = elements_[static_cast<std::size_t>(element)];
  slot.reset();
  try {
    auto e = std::make_shared<KrGElement>();
    e->Visible = true;
    e->AlarmMin = alarmMin;
    e->AlarmMax = alarmMax;
    e->WarningMin = warningMin;
    e->WarningMax = warningMax;
    e->BorderMin = borderMin;
    e->BorderMax = borderMax;
    e->Color = color;
    slot = std::move(e);
  } catch (const std::bad_alloc&) {
    return false;  // the slot stays empty
  }
  Redraw();
  return true;
}

int64_t KrGraphic::AddValue(int32_t element, int64_t value) {
  KrGElement* e = Find(element);
  if (e == nullptr) return NoValue;
  const int64_t oldest = e->Shift();
  SetValue(element, kNewest, value);
  return oldest;
}

void KrGraphic::SetValue(int32_t element, int32_t index, int64_t value) {
  if (element < 1 || element > kMaxElements) return;
  // Held here so that a handler replacing this element cannot free it under us.
  const std::shared_ptr<KrGElement> e = elements_[static_cast<std::size_t>(element)];
  if (!e || index < 0 || index > kNewest) return;
  Fire(OnBeforePoint, element, value);
  e->SetValue(index, value);
  CheckThresholds(*e, element, value);
  Fire(OnAfterPoint, element, value);
  Redraw();
}

void KrGraphic::CheckThresholds(const KrGElement& e, int32_t element, int64_t value) {
  if (value > e.WarningMax) Fire(OnWarningMax, element, value);
  if (value > e.AlarmMax) Fire(OnAlarmMax, element, value);
  if (value > e.BorderMax) Fire(OnBorderMax, element, value);
  if (value < e.WarningMin) Fire(OnWarningMin, element, value);
  if (value < e.AlarmMin) Fire(OnAlarmMin, element, value);
  if (value < e.BorderMin) Fire(OnBorderMin, element, value);
}

void KrGraphic::Fire(const KrValueEvent& event, int32_t element, int64_t value) {
  if (event) event(*this, element, value);
}

int64_t KrGraphic::GetValue(int32_t element, int32_t index) const {
  const KrGElement* e = Find(element);
  return e ? e->Value(index) : NoValue;
}

bool KrGraphic::HasValue(int32_t element, int32_t index) const { return GetValue(element, index) != NoValue; }

void KrGraphic::ClearElement(int32_t element) {
  if (KrGElement* e = Find(element)) e->Clear();
}

void KrGraphic::SetElementVisible(int32_t element, bool visible) {
  if (KrGElement* e = Find(element)) e->Visible = visible;
}

bool KrGraphic::GetElementVisible(int32_t element) const {
  const KrGElement* e = Find(element);
  return e != nullptr && e->Visible;
}

void KrGraphic::SetElementColor(int32_t element, Color color) {
  KrGElement* e = Find(element);
  if (e == nullptr) return;
  e->Color = color;
  Redraw();
}

int32_t KrGraphic::GetElementColor(int32_t element) const {
  const KrGElement* e = Find(element);
  return e ? static_cast<int32_t>(e->Color) : -1;
}

void KrGraphic::SetThreshold(int32_t element, int64_t KrGElement::*field, int64_t v) {
  KrGElement* e = Find(element);
  if (e == nullptr) return;
  e->*field = v;
  Redraw();
}

int64_t KrGraphic::GetThreshold(int32_t element, int64_t KrGElement::*field) const {
  const KrGElement* e = Find(element);
  return e ? e->*field : NoValue;
}

void KrGraphic::SetAlarmMin(int32_t element, int64_t v) { SetThreshold(element, &KrGElement::AlarmMin, v); }
void KrGraphic::SetAlarmMax(int32_t element, int64_t v) { SetThreshold(element, &KrGElement::AlarmMax, v); }
void KrGraphic::SetWarningMin(int32_t element, int64_t v) {
  SetThreshold(element, &KrGElement::WarningMin, v);
}
void KrGraphic::SetWarningMax(int32_t element, int64_t v) {
  SetThreshold(element, &KrGElement::WarningMax, v);
}
void KrGraphic::SetBorderMin(int32_t element, int64_t v) { SetThreshold(element, &KrGElement::BorderMin, v); }
void KrGraphic::SetBorderMax(int32_t element, int64_t v) { SetThreshold(element, &KrGElement::BorderMax, v); }
int64_t KrGraphic::GetAlarmMin(int32_t element) const { return GetThreshold(element, &KrGElement::AlarmMin); }
int64_t KrGraphic::GetAlarmMax(int32_t element) const { return GetThreshold(element, &KrGElement::AlarmMax); }
int64_t KrGraphic::GetWarningMin(int32_t element) const {
  return GetThreshold(element, &KrGElement::WarningMin);
}
int64_t KrGraphic::GetWarningMax(int32_t element) const {
  return GetThreshold(element, &KrGElement::WarningMax);
}
int64_t KrGraphic::GetBorderMin(int32_t element) const {
  return GetThreshold(element, &KrGElement::BorderMin);
}
int64_t KrGraphic::GetBorderMax(int32_t element) const {
  return GetThreshold(element, &KrGElement::BorderMax);
}

int32_t KrGraphic::ValueToY(int32_t element, int64_t value) const {
  const KrGElement* e = Find(element);
  return e ? RowOf(*e, value, Height()) : -1;
}

// --- drawing ---------------------------------------------------------------------

void KrGraphic::Paint(Canvas& canvas) {
  const int32_t w = Width();
  const int32_t h = Height();
  // The brush stays on the background: styled threshold lines fill their
  // gaps with it.
  canvas.brush = Brush{bgColor_, BrushStyle::Solid};
  canvas.FillRect(Rect{0, 0, w, h});
  const int32_t b = border_ == KrGBorder::boNone ? 0 : 1;
  DrawBorder(canvas, w, h);
  DrawGrid(canvas, w, h, b);
  for (int32_t i = 1; i <= kMaxElements; ++i) {
    const KrGElement* e = Find(i);
    if (e && e->Visible) DrawThresholds(canvas, *e, i, w);
  }
  for (int32_t i = 1; i <= kMaxElements; ++i) {
    const KrGElement* e = Find(i);
    if (e && e->Visible) DrawValueLine(canvas, *e, i, w, b);
  }
}

void KrGraphic::DrawBorder(Canvas& canvas, int32_t w, int32_t h) {
  switch (border_) {
    case KrGBorder::boLine: {
      canvas.pen = Pen{lineColor_, PenStyle::Solid};
      const Brush background = canvas.brush;
      canvas.brush.style = BrushStyle::Clear;
      canvas.Rectangle(Rect{0, 0, w, h});
      canvas.brush = background;
      break;
    }
    case KrGBorder::boUp:
    case KrGBorder::boDown: {
      const bool up = border_ == KrGBorder::boUp;
      canvas.pen = Pen{up ? lightColor_ : shadowColor_, PenStyle::Solid};
      canvas.MoveTo(0, h);
      canvas.LineTo(0, 0);
      canvas.LineTo(w - 1, 0);
      canvas.pen.color = up ? shadowColor_ : lightColor_;
      canvas.LineTo(w - 1, h - 1);
      canvas.LineTo(0, h - 1);
      break;
    }
    case KrGBorder::boNone:
      break;
  }
}

void KrGraphic::DrawGrid(Canvas& canvas, int32_t w, int32_t h, int32_t b) {
  canvas.pen = Pen{linesVertHorColor_, PenStyle::Solid};
  if (lines_ == KrGLines::liVert || lines_ == KrGLines::liVertHor) {
    ForEachGridPosition(w, linesVert_, [&](int32_t x) {
      canvas.MoveTo(x, b);
      canvas.LineTo(x, h - b);
    });
  }
  if (lines_ == KrGLines::liHor || lines_ == KrGLines::liVertHor) {
    ForEachGridPosition(h, linesHor_, [&](int32_t y) {
      canvas.MoveTo(b, y);
      canvas.LineTo(w - b, y);
    });
  }
}

void KrGraphic::DrawThresholds(Canvas& canvas, const KrGElement& e, int32_t, int32_t w) {
  const struct {
    int64_t value;
    PenStyle style;
  } lines[] = {{e.AlarmMin, PenStyle::Dot},
               {e.AlarmMax, PenStyle::Dot},
               {e.WarningMin, PenStyle::DashDotDot},
               {e.WarningMax, PenStyle::DashDotDot}};
  for (const auto& line : lines) {
    if (line.value == NoValue) continue;
    canvas.pen = Pen{e.Color, line.style};
    const int32_t y = RowOf(e, line.value, Height());
    canvas.MoveTo(1, y);
    canvas.LineTo(w, y);
  }
}

void KrGraphic::DrawValueLine(Canvas& canvas, const KrGElement& e, int32_t, int32_t w, int32_t b) {
  if (w < 2) return;
  canvas.pen = Pen{e.Color, PenStyle::Solid};
  const int32_t h = Height();
  // A chart wider than the history leaves the columns left of it empty.
  const int32_t first = std::max(1, kNewest + 2 - w);
  bool penDown = false;
  for (int32_t j = first; j <= kNewest; ++j) {
    const int64_t v = e.Value(j);
    if (v == NoValue) {
      penDown = false;
      continue;
    }
    const int32_t x = w - 1 - b - (kNewest - j);
    const int32_t y = RowOf(e, v, h);
    if (penDown) {
      canvas.LineTo(x, y);
    } else {
      canvas.MoveTo(x, y);
      penDown = true;
    }
  }
}

// --- the widget's chart ---------------------------------------------------------------

void ApplyWidgetGraphDesign(KrGraphic& graph, Color background) {
  graph.SetBgColor(background);
  graph.SetBorder(KrGBorder::boLine);
  graph.SetLineColor(0);
  graph.SetLinesHor(0);
  graph.SetLinesVert(50);
  graph.SetLines(KrGLines::liHor);
  graph.SetLinesVertHorColor(0x808080);
  graph.SetTimerEnabled(true);
}

void AddWidgetGraphElements(KrGraphic& graph) {
  constexpr Color kRed = 0x0000FF;
  constexpr Color kYellow = 0x00FFFF;
  graph.AddElement(1, kRed, 98, 2, 102, 0, 102, 0);
  graph.AddElement(2, kYellow, 98, 2, 102, 0, 102, 0);
  graph.SetInterval(1000);
}

}  // namespace welmor
