#pragma once
// TQProgressBar: a bar drawn pixel by pixel from colour tables that are
// rebuilt only when a property or the size changes, so a repaint on every
// refresh tick costs no colour arithmetic.

#include <cstdint>
#include <functional>
#include <string>
#include <vector>

#include "controls/bar_colours.hpp"
#include "toolkit/custom_control.hpp"

namespace welmor {

enum class TQBarOrientation { boHorizontal, boVertical };
enum class TAlignment { taLeftJustify, taRightJustify, taCenter };

class TQProgressBar : public CustomControl {
 public:
  explicit TQProgressBar(Component* owner);

  TQBarOrientation Orientation() const { return orientation_; }
  // Turning the bar swaps width and height when needed so it lies along the
  // new direction; every assignment re-derives the inset from the thickness.
  void SetOrientation(TQBarOrientation v);

  TQBarKind BarKind() const { return barKind_; }
  void SetBarKind(TQBarKind v);
  TQBarLook BarLook() const { return barLook_; }
  void SetBarLook(TQBarLook v);

  bool RoundCorner() const { return cornerRadius_ > 0; }
  void SetRoundCorner(bool v);

  Color BackgroundColor() const { return backgroundColor_; }
  void SetBackgroundColor(Color v);
  // One colour for the whole bar: start and final colour alike.
  Color BarColor() const { return startColor_; }
  void SetBarColor(Color v);
  Color StartColor() const { return startColor_; }
  void SetStartColor(Color v);
  Color FinalColor() const { return finalColor_; }
  void SetFinalColor(Color v);

  bool ShowInactivePos() const { return showInactivePos_; }
  void SetShowInactivePos(bool v);
  bool InvertInactPos() const { return invertInactPos_; }
  void SetInvertInactPos(bool v);
  Color InactivePosColor() const { return inactivePosColor_; }
  void SetInactivePosColor(Color v);

  bool Shaped() const { return shaped_; }
  void SetShaped(bool v);
  Color ShapeColor() const { return shapeColor_; }
  void SetShapeColor(Color v);

  // Sizes wider than the track are ignored; negative ones count as positive.
  int32_t BlockSize() const { return blockSize_; }
  void SetBlockSize(int32_t v);
  int32_t SpaceSize() const { return spaceSize_; }
  void SetSpaceSize(int32_t v);
  bool ShowFullBlock() const { return showFullBlock_; }
  void SetShowFullBlock(bool v);

  // Below 0 is stored as 0. The filled length follows at the next position.
  int32_t Maximum() const { return maximum_; }
  void SetMaximum(int32_t v);
  // Reads back what was assigned, even outside 0..Maximum().
  int32_t Position() const { return position_; }
  void SetPosition(int32_t v);

  bool HideOnTerminate() const { return hideOnTerminate_; }
  void SetHideOnTerminate(bool v) { hideOnTerminate_ = v; }

  // The caption is placed when set; setting it does not repaint.
  void SetCaption(const std::string& text);
  TAlignment CaptionAlign() const { return captionAlign_; }
  void SetCaptionAlign(TAlignment v);
  Point CaptionPos() const { return Point{captionLeft_, captionTop_}; }

  bool AutoCaption() const { return autoCaption_; }
  void SetAutoCaption(bool v);
  bool AutoHint() const { return autoHint_; }
  void SetAutoHint(bool v) { autoHint_ = v; }
  bool ShowPosAsPct() const { return showPosAsPct_; }
  void SetShowPosAsPct(bool v) { showPosAsPct_ = v; }

  // Track geometry, for callers that line other things up with the bar.
  int32_t Inset() const { return inset_; }
  int32_t BarLength() const { return barLength_; }
  int32_t FilledLength() const { return filledLength_; }
  double Percent() const { return percent_; }

  // The pause before a bar that reached its maximum hides itself; blocks
  // the caller. Replaceable so that tests need not wait.
  std::function<void(uint32_t ms)> pause;

 protected:
  void Paint(Canvas& canvas) override;
  void Resized() override;

 private:
  struct BlockEntry {
    bool on = false;
    int32_t blockEnd = 0;
  };

  bool Horizontal() const { return orientation_ == TQBarOrientation::boHorizontal; }
  int32_t Thickness() const { return (Horizontal() ? Height() : Width()) - inset2_ + 1; }
  void UpdateGeometry();
  void BuildColours();
  void BuildBlockMap();
  void SetBlockDimension(int32_t& field, int32_t v);
  std::string PositionText(const char* pctSuffix) const;
  void PaintColumn(Canvas& canvas, int32_t s, bool filled);

  TQBarOrientation orientation_ = TQBarOrientation::boHorizontal;
  TQBarKind barKind_ = TQBarKind::bkFlat;
  TQBarLook barLook_ = TQBarLook::blMetal;
  Color backgroundColor_ = 0xFFFFFF;
  Color startColor_ = 0x00FF00;
  Color finalColor_ = 0x00FF00;
  bool showInactivePos_ = false;
  bool invertInactPos_ = false;
  Color inactivePosColor_ = 0x808080;
  bool shaped_ = true;
  Color shapeColor_ = 0x743C00;
  int32_t blockSize_ = 0;
  int32_t spaceSize_ = 0;
  bool showFullBlock_ = false;
  int32_t maximum_ = 100;
  int32_t position_ = 0;
  bool hideOnTerminate_ = false;
  TAlignment captionAlign_ = TAlignment::taLeftJustify;
  bool autoCaption_ = false;
  bool autoHint_ = false;
  bool showPosAsPct_ = false;

  int32_t inset_ = 2;
  int32_t inset2_ = 4;
  int32_t barLength_ = 0;
  int32_t minFilled_ = 5;
  double percent_ = 0.0;
  int32_t filledLength_ = 0;
  bool singleColour_ = true;
  int32_t cornerRadius_ = 0;
  std::vector<std::vector<Color>> columnColours_;
  std::vector<Color> inactiveColours_;
  std::vector<BlockEntry> blockMap_{BlockEntry{}};
  bool blocksOn_ = false;
  int32_t captionLeft_ = 0;
  int32_t captionTop_ = 0;
  bool captionShown_ = false;
  bool updating_ = false;
};

// The look the widget gives each of its three panel bars: a 138 x 3 flat
// strip in one colour inside a square outline, no blocks, no caption.
void ApplyWidgetBarDesign(TQProgressBar& bar, Color background, Color barColour);

}  // namespace welmor
