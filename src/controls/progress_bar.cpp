#include "controls/progress_bar.hpp"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <thread>

#include "controls/hls.hpp"
#include "controls/round_half_even.hpp"
#include "toolkit/application.hpp"

namespace welmor {

namespace {

constexpr int32_t kCornerRadius = 5;
constexpr uint32_t kHidePauseMs = 100;

// Up to 15 significant digits and no trailing zeros: "50", "33.3333333333333".
std::string FormatGeneral(double v) {
  char buf[40];
  std::snprintf(buf, sizeof buf, "%.15g", v);
  return buf;
}

}  // namespace

TQProgressBar::TQProgressBar(Component* owner) : CustomControl(owner) {
  pause = [](uint32_t ms) { std::this_thread::sleep_for(std::chrono::milliseconds(ms)); };
  SetBounds(Left(), Top(), 64, 16);
  UpdateGeometry();
  BuildColours();
  cornerRadius_ = kCornerRadius;
  Invalidate();
  SetPosition(0);
}

// --- geometry ------------------------------------------------------------------

void TQProgressBar::UpdateGeometry() {
  barLength_ = (Horizontal() ? Width() : Height()) - inset2_;
  minFilled_ = inset2_ + 1;
}

void TQProgressBar::SetOrientation(TQBarOrientation v) {
  updating_ = true;
  if (v != orientation_) {
    const bool toVertical = v == TQBarOrientation::boVertical;
    if ((toVertical && Height() < Width()) || (!toVertical && Width() < Height())) {
      SetBounds(Left(), Top(), Height(), Width());
    }
    orientation_ = v;
  }
  const int32_t thickness = Horizontal() ? Height() : Width();
  inset_ = thickness > 9 ? 2 : 1;
  inset2_ = 2 * inset_;
  UpdateGeometry();
  updating_ = false;
  BuildBlockMap();
  BuildColours();
  Invalidate();
}

void TQProgressBar::Resized() {
  inset2_ = 2 * inset_;
  UpdateGeometry();
  if (!updating_) {
    if (blocksOn_) BuildBlockMap();
    BuildColours();
    SetPosition(position_);
  }
  CustomControl::Resized();
}

// --- colour tables ---------------------------------------------------------------

void TQProgressBar::BuildColours() {
  if (updating_) return;
  const int32_t thickness = std::max(Thickness(), 0);
  const bool cylinder = barKind_ == TQBarKind::bkCylinder;

  const int32_t positions = barLength_ <= 0 ? 1 : barLength_ + 1;
  columnColours_.resize(static_cast<std::size_t>(positions));
  for (int32_t s = 0; s < positions; ++s) {
    const Color c = GradientColour(startColor_, finalColor_, s, barLength_, singleColour_);
    auto& column = columnColours_[static_cast<std::size_t>(s)];
    if (cylinder) {
      column = CylinderColumn(c, thickness, barLook_);
    } else {
      column.assign(static_cast<std::size_t>(thickness), c);
    }
  }

  if (Height() - inset2_ <= 0) {
    inactiveColours_.assign(1, inactivePosColor_);
  } else if (cylinder) {
    inactiveColours_ = CylinderColumn(inactivePosColor_, thickness, barLook_);
  } else {
    inactiveColours_.assign(static_cast<std::size_t>(thickness), inactivePosColor_);
  }
  if (cylinder && invertInactPos_) {
    for (Color& c : inactiveColours_) {
      const Hls hls = RGBToHLS(c);
      c = HLSToRGB(hls.h, kHlsMax - hls.l, hls.s);
    }
  }
}

void TQProgressBar::BuildBlockMap() {
  if (blockSize_ == 0 || spaceSize_ == 0) return;
  blockMap_.assign(static_cast<std::size_t>(barLength_ <= 0 ? 1 : barLength_ + 1), BlockEntry{});
  if (barLength_ <= 0) return;
  if (Horizontal()) {
    // The first block starts a fixed three pixels in, whatever the inset.
    int32_t start = 3;
    int32_t end = start + blockSize_ - 1;
    for (int32_t i = 1; i <= barLength_; ++i) {
      blockMap_[static_cast<std::size_t>(i)] = BlockEntry{start <= i && i <= end, end};
      if (i == end) {
        start = end + spaceSize_ + 1;
        end = std::min(start + blockSize_ - 1, barLength_);
      }
    }
  } else {
    int32_t upper = barLength_ - 3;
    int32_t lower = upper - blockSize_ + 1;
    for (int32_t i = barLength_; i >= inset2_; --i) {
      blockMap_[static_cast<std::size_t>(i)] = BlockEntry{lower <= i && i <= upper, lower};
      if (i == lower) {
        upper = lower - spaceSize_ - 1;
        lower = std::max(upper - blockSize_ + 1, inset2_);
      }
    }
  }
}

// --- properties ------------------------------------------------------------------

void TQProgressBar::SetBarKind(TQBarKind v) {
  barKind_ = v;
  BuildColours();
  Invalidate();
}

void TQProgressBar::SetBarLook(TQBarLook v) {
  barLook_ = v;
  BuildColours();
  Invalidate();
}

void TQProgressBar::SetRoundCorner(bool v) {
  cornerRadius_ = v ? kCornerRadius : 0;
  Invalidate();
}

void TQProgressBar::SetBackgroundColor(Color v) {
  backgroundColor_ = v;
  Invalidate();
}

void TQProgressBar::SetBarColor(Color v) {
  startColor_ = v;
  finalColor_ = v;
  singleColour_ = true;
  BuildColours();
  Invalidate();
}

void TQProgressBar::SetStartColor(Color v) {
  startColor_ = v;
  singleColour_ = v == finalColor_;
  BuildColours();
  Invalidate();
}

void TQProgressBar::SetFinalColor(Color v) {
  finalColor_ = v;
  singleColour_ = v == startColor_;
  BuildColours();
  Invalidate();
}

void TQProgressBar::SetShowInactivePos(bool v) {
  showInactivePos_ = v;
  BuildColours();
  Invalidate();
}

void TQProgressBar::SetInvertInactPos(bool v) {
  invertInactPos_ = v;
  BuildColours();
  Invalidate();
}

void TQProgressBar::SetInactivePosColor(Color v) {
  inactivePosColor_ = v;
  BuildColours();
  Invalidate();
}

void TQProgressBar::SetShaped(bool v) {
  shaped_ = v;
  Invalidate();
}

void TQProgressBar::SetShapeColor(Color v) {
  shapeColor_ = v;
  Invalidate();
}

void TQProgressBar::SetBlockDimension(int32_t& field, int32_t v) {
  // Judged by magnitude, so that a negative size wider than the track is
  // refused like a positive one (and the most negative value cannot overflow).
  const int64_t magnitude = std::llabs(int64_t{v});
  const int32_t limit = Horizontal() ? Width() - 2 * inset_ : Height() - 2 * inset_;
  if (magnitude > limit) return;
  field = static_cast<int32_t>(magnitude);
  blocksOn_ = blockSize_ > 0 && spaceSize_ > 0;
  if (blocksOn_) BuildBlockMap();
  BuildColours();
  Invalidate();
}

void TQProgressBar::SetBlockSize(int32_t v) { SetBlockDimension(blockSize_, v); }

void TQProgressBar::SetSpaceSize(int32_t v) { SetBlockDimension(spaceSize_, v); }

void TQProgressBar::SetShowFullBlock(bool v) {
  showFullBlock_ = v;
  if (v) BuildBlockMap();
  BuildColours();
  Invalidate();
}

void TQProgressBar::SetMaximum(int32_t v) {
  maximum_ = std::max(v, 0);
  Invalidate();
}

void TQProgressBar::SetPosition(int32_t v) {
  // What the image shows of the position: the filled length and, with an
  // automatic caption, its text. A new position that changes neither (the
  // usual refresh tick) repaints nothing.
  const int32_t filledBefore = filledLength_;
  const std::string captionBefore = autoCaption_ ? PositionText("%") : std::string();
  position_ = v;
  if (maximum_ == 0) return;
  int32_t effective = v;
  if (v <= 0) {
    filledLength_ = 0;
  } else {
    effective = std::min(v, maximum_);
    percent_ = (effective * 100.0) / maximum_;
    const double length = barLength_ * percent_ / 100.0;
    if (length > 0 && length < minFilled_) {
      filledLength_ = minFilled_;
    } else if (length > barLength_) {
      filledLength_ = barLength_;
    } else {
      filledLength_ = RoundHalfEvenToInt32(length);
    }
    if (autoHint_) SetHint(PositionText(" %"));
  }
  if (filledLength_ != filledBefore || (autoCaption_ && PositionText("%") != captionBefore)) Invalidate();
  if (hideOnTerminate_ && maximum_ == effective) {
    if (pause) pause(kHidePauseMs);
    Hide();
  }
}

std::string TQProgressBar::PositionText(const char* pctSuffix) const {
  return showPosAsPct_ ? FormatGeneral(percent_) + pctSuffix : std::to_string(position_);
}

void TQProgressBar::SetCaption(const std::string& text) {
  Control::SetCaption(text);
  captionShown_ = !text.empty();
  if (!captionShown_) return;
  const TextRenderer& renderer = Application::TextRendererFor(*this);
  captionTop_ = (Height() - renderer.Measure(GetFont(), "Pg").height) / 2;
  const int32_t textWidth = renderer.Measure(GetFont(), text).width;
  switch (captionAlign_) {
    case TAlignment::taLeftJustify:
      captionLeft_ = 0;
      break;
    case TAlignment::taCenter:
      captionLeft_ = (Width() - textWidth) / 2;
      break;
    case TAlignment::taRightJustify:
      captionLeft_ = Width() - textWidth - 1;
      break;
  }
}

void TQProgressBar::SetCaptionAlign(TAlignment v) {
  captionAlign_ = v;
  SetCaption(Caption());
}

void TQProgressBar::SetAutoCaption(bool v) {
  autoCaption_ = v;
  Invalidate();
}

// --- painting --------------------------------------------------------------------

void TQProgressBar::PaintColumn(Canvas& canvas, int32_t s, bool filled) {
  // The tables always match the geometry after a rebuild; the checks only
  // matter for the repaint that happens in the middle of a reorientation.
  const std::vector<Color>* colours = &inactiveColours_;
  if (filled) {
    if (s < 0 || static_cast<std::size_t>(s) >= columnColours_.size()) return;
    colours = &columnColours_[static_cast<std::size_t>(s)];
  }
  const int32_t last = std::min<int32_t>((Horizontal() ? Height() : Width()) - inset2_,
                                         static_cast<int32_t>(colours->size()) - 1);
  Bitmap& target = canvas.Target();
  for (int32_t r = inset2_ - 1; r <= last; ++r) {
    const Color c = (*colours)[static_cast<std::size_t>(r)];
    if (Horizontal()) {
      target.SetPixel(s, r, c);
    } else {
      target.SetPixel(r, s, c);
    }
  }
}

void TQProgressBar::Paint(Canvas& canvas) {
  const int32_t w = Width();
  const int32_t h = Height();
  canvas.brush = Brush{GetColor(), BrushStyle::Solid};
  canvas.FillRect(Rect{0, 0, w, h});
  if (shaped_) {
    canvas.pen = Pen{shapeColor_, PenStyle::Solid};
    canvas.brush = Brush{backgroundColor_, BrushStyle::Solid};
    canvas.RoundRect(Rect{0, 0, w, h}, cornerRadius_, cornerRadius_);
  }

  auto blockAt = [this](int32_t s) {
    return s >= 0 && static_cast<std::size_t>(s) < blockMap_.size() ? blockMap_[static_cast<std::size_t>(s)]
                                                                    : BlockEntry{};
  };
  // A filled position: inside a block only, and with showFullBlock only once
  // its whole block is filled (else it shows as inactive, if at all).
  auto paintFilled = [&](int32_t s, auto blockComplete) {
    if (!blocksOn_) {
      PaintColumn(canvas, s, true);
      return;
    }
    const BlockEntry e = blockAt(s);
    if (!e.on) return;
    if (!showFullBlock_ || blockComplete(e.blockEnd)) {
      PaintColumn(canvas, s, true);
    } else if (showInactivePos_) {
      PaintColumn(canvas, s, false);
    }
  };
  auto paintInactive = [&](int32_t s) {
    if (!blocksOn_ || blockAt(s).on) PaintColumn(canvas, s, false);
  };

  if (Horizontal()) {
    for (int32_t s = inset2_ - 1; s <= filledLength_; ++s) {
      paintFilled(s, [this](int32_t blockEnd) { return blockEnd <= filledLength_; });
    }
    if (showInactivePos_) {
      for (int32_t s = filledLength_ >= 3 ? filledLength_ + 1 : 3; s <= barLength_; ++s) paintInactive(s);
    }
  } else {
    const int32_t top = h - filledLength_;
    for (int32_t s = barLength_ - 1; s >= top; --s) {
      paintFilled(s, [top](int32_t blockEnd) { return blockEnd >= top; });
    }
    if (showInactivePos_) {
      for (int32_t s = filledLength_ >= 3 ? top - 1 : barLength_; s >= inset2_; --s) paintInactive(s);
    }
  }

  if (autoCaption_) SetCaption(PositionText("%"));
  if (captionShown_) canvas.TextOut(captionLeft_, captionTop_, Caption());
}

// --- the widget's bars ----------------------------------------------------------------

void ApplyWidgetBarDesign(TQProgressBar& bar, Color background, Color barColour) {
  constexpr Color kGrey = 0x808080;
  bar.SetBounds(bar.Left(), bar.Top(), 138, 3);
  bar.SetOrientation(TQBarOrientation::boHorizontal);
  bar.SetBarKind(TQBarKind::bkFlat);
  bar.SetBarLook(TQBarLook::blMetal);
  bar.SetRoundCorner(false);
  bar.SetBackgroundColor(background);
  bar.SetBarColor(barColour);
  bar.SetStartColor(barColour);
  bar.SetFinalColor(barColour);
  bar.SetShowInactivePos(false);
  bar.SetInvertInactPos(false);
  bar.SetInactivePosColor(kGrey);
  bar.SetShaped(true);
  bar.SetShapeColor(background);
  bar.SetBlockSize(0);
  bar.SetSpaceSize(0);
  bar.SetShowFullBlock(false);
  bar.SetMaximum(100);
  bar.SetPosition(0);
  bar.SetCaptionAlign(TAlignment::taLeftJustify);
  bar.SetAutoCaption(false);
  bar.SetAutoHint(false);
  bar.SetShowPosAsPct(false);
}

}  // namespace welmor
