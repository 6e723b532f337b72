#pragma once
// KrGraphic: a strip chart of up to 50 lines ("elements"). Each new value
// moves its line one pixel to the left and lands in the rightmost column.
// The chart also owns a timer that only tells its owner when to sample.

#include <array>
#include <cstdint>
#include <functional>
#include <limits>
#include <memory>

#include "toolkit/custom_control.hpp"
#include "toolkit/timer.hpp"

namespace welmor {

enum class KrGBorder { boLine, boUp, boDown, boNone };
enum class KrGLines { liHor, liVert, liNone, liVertHor };

// (Sender, Element, Value); Sender is always the chart.
using KrValueEvent = std::function<void(Component& sender, int32_t element, int64_t value)>;
using KrAlarmMin = KrValueEvent;
using KrAlarmMax = KrValueEvent;
using KrWarningMin = KrValueEvent;
using KrWarningMax = KrValueEvent;
using KrBorderMin = KrValueEvent;
using KrBorderMax = KrValueEvent;
using KrBeforePoint = KrValueEvent;
using KrAfterPoint = KrValueEvent;

// Marks an empty place in a line, and a threshold that is not drawn.
inline constexpr int64_t NoValue = std::numeric_limits<int64_t>::max();

// One line of the chart. Values 1..2000 run from the oldest to the newest;
// index 0 is a spare place the chart itself never fills.
class KrGElement {
 public:
  static constexpr int32_t kCapacity = 2000;

  bool Visible = true;
  int64_t AlarmMin = NoValue;
  int64_t AlarmMax = NoValue;
  int64_t WarningMin = NoValue;
  int64_t WarningMax = NoValue;
  int64_t BorderMin = 0;
  int64_t BorderMax = 0;
  welmor::Color Color = 0;

  // index 0..2000; anything else reads NoValue and is not stored.
  int64_t Value(int32_t index) const;
  void SetValue(int32_t index, int64_t value);
  void Clear();
  // Drops the oldest value and frees place 2000; returns the dropped value.
  int64_t Shift();

 private:
  // A ring instead of moving 1999 values on every new one: values[head_] is
  // place 1.
  std::array<int64_t, kCapacity> ring_ = MakeEmptyRing();
  int32_t head_ = 0;
  int64_t spare_ = NoValue;

  static std::array<int64_t, kCapacity> MakeEmptyRing() {
    std::array<int64_t, kCapacity> r;
    r.fill(NoValue);
    return r;
  }
};

class KrGraphic : public CustomControl {
 public:
  static constexpr int32_t kMaxElements = 50;

  explicit KrGraphic(Component* owner);

  Color BgColor() const { return bgColor_; }
  void SetBgColor(Color v);
  KrGBorder Border() const { return border_; }
  void SetBorder(KrGBorder v);
  int32_t Interval() const { return interval_; }
  void SetInterval(int32_t v);
  Color LineColor() const { return lineColor_; }
  void SetLineColor(Color v);
  Color ShadowColor() const { return shadowColor_; }
  void SetShadowColor(Color v);
  Color LightColor() const { return lightColor_; }
  void SetLightColor(Color v);
  int32_t LinesHor() const { return linesHor_; }
  void SetLinesHor(int32_t v);
  int32_t LinesVert() const { return linesVert_; }
  void SetLinesVert(int32_t v);
  KrGLines Lines() const { return lines_; }
  void SetLines(KrGLines v);
  Color LinesVertHorColor() const { return linesVertHorColor_; }
  void SetLinesVertHorColor(Color v);
  bool TimerEnabled() const { return timerEnabled_; }
  void SetTimerEnabled(bool v);

  NotifyEvent OnTmrTimer;
  KrAlarmMin OnAlarmMin;
  KrAlarmMax OnAlarmMax;
  KrWarningMin OnWarningMin;
  KrWarningMax OnWarningMax;
  KrBorderMin OnBorderMin;
  KrBorderMax OnBorderMax;
  KrBeforePoint OnBeforePoint;
  KrAfterPoint OnAfterPoint;

  // Element is 1..50; an empty slot gives NoValue, False or -1 as noted.
  bool AddElement(int32_t element, Color color, int64_t borderMin, int64_t borderMax, int64_t alarmMin,
                  int64_t alarmMax, int64_t warningMin, int64_t warningMax);
  // Returns the value that dropped out of the line (NoValue until 2000 were added).
  int64_t AddValue(int32_t element, int64_t value);
  void SetValue(int32_t element, int32_t index, int64_t value);
  int64_t GetValue(int32_t element, int32_t index) const;
  bool HasValue(int32_t element, int32_t index) const;
  void ClearElement(int32_t element);
  // Does not repaint: the caller refreshes the chart.
  void SetElementVisible(int32_t element, bool visible);
  bool GetElementVisible(int32_t element) const;
  void SetElementColor(int32_t element, Color color);
  int32_t GetElementColor(int32_t element) const;  // -1 when empty
  void SetAlarmMin(int32_t element, int64_t v);
  void SetAlarmMax(int32_t element, int64_t v);
  void SetWarningMin(int32_t element, int64_t v);
  void SetWarningMax(int32_t element, int64_t v);
  void SetBorderMin(int32_t element, int64_t v);
  void SetBorderMax(int32_t element, int64_t v);
  int64_t GetAlarmMin(int32_t element) const;
  int64_t GetAlarmMax(int32_t element) const;
  int64_t GetWarningMin(int32_t element) const;
  int64_t GetWarningMax(int32_t element) const;
  int64_t GetBorderMin(int32_t element) const;
  int64_t GetBorderMax(int32_t element) const;

  // Recomposes the whole image and hands it to the screen at once.
  void Redraw() { Invalidate(); }

  // Pixel row of a value of an element: BorderMin on row 0, BorderMax on
  // row Height(); -1 when the two borders are equal or the slot is empty.
  int32_t ValueToY(int32_t element, int64_t value) const;

  Timer& InternalTimer();

 protected:
  void Paint(Canvas& canvas) override;

 private:
  const KrGElement* Find(int32_t element) const;
  KrGElement* Find(int32_t element);
  void SetThreshold(int32_t element, int64_t KrGElement::*field, int64_t v);
  int64_t GetThreshold(int32_t element, int64_t KrGElement::*field) const;
  void CheckThresholds(const KrGElement& e, int32_t element, int64_t value);
  void Fire(const KrValueEvent& event, int32_t element, int64_t value);
  void DrawBorder(Canvas& canvas, int32_t w, int32_t h);
  void DrawGrid(Canvas& canvas, int32_t w, int32_t h, int32_t b);
  void DrawThresholds(Canvas& canvas, const KrGElement& e, int32_t element, int32_t w);
  void DrawValueLine(Canvas& canvas, const KrGElement& e, int32_t element, int32_t w, int32_t b);

  Color bgColor_ = 0;
  KrGBorder border_ = KrGBorder::boLine;
  int32_t interval_ = 1000;
  Color lineColor_ = 0xFFFFFF;
  Color shadowColor_ = 0x808080;
  Color lightColor_ = 0xFFFFFF;
  int32_t linesHor_ = 10;
  int32_t linesVert_ = 10;
  KrGLines lines_ = KrGLines::liVertHor;
  Color linesVertHorColor_ = 0x008000;
  bool timerEnabled_ = false;

  Timer* timer_ = nullptr;
  // Slots 1..50; shared so that an element replaced from inside one of its
  // own events lives until that event's caller is done with it.
  std::array<std::shared_ptr<KrGElement>, kMaxElements + 1> elements_{};
};

// The widget's chart: sky-blue strip, black frame, no grid, timer running.
void ApplyWidgetGraphDesign(KrGraphic& graph, Color background);
// The widget's two lines: CPU usage in red (1) and RAM load in yellow (2),
// 98 at the top and 2 at the bottom, thresholds outside the visible rows.
void AddWidgetGraphElements(KrGraphic& graph);

}  // namespace welmor
