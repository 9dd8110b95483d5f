#include "skin/render/BoundLabelLayout.h"

#include "gfx/MulDivRound.h"

TAlignment BoundLabelAlignment(TsCaptionLayout Layout) {
  switch (Layout) {
    case sclTopCenter:
    case sclBottomCenter:
      return TAlignment::taCenter;
    case sclTopRight:
    case sclBottomRight:
      return TAlignment::taRightJustify;
    case sclTopLeft:
    case sclLeftTop:
    case sclBottomLeft:
    case sclRight:
    case sclRightTop:
      return TAlignment::taLeftJustify;
    case sclLeft:
      break;
  }
  return TAlignment::taRightJustify;
}

TPoint BoundLabelPosition(TsCaptionLayout Layout, const TRect& Owner, int LabelWidth, int LabelHeight, int Offset,
                          int Indent) {
  const int LeftOf = Owner.Left - LabelWidth - Indent - 4;
  const int RightOf = Owner.Right + Indent + 4;
  const int Above = Owner.Top - LabelHeight - Indent;
  const int Below = Owner.Bottom + Indent;
  const int AlongLeft = Owner.Left + Offset;
  const int AlongCentre = Owner.Left + (Owner.Width() - LabelWidth) / 2 + Offset;
  const int AlongRight = Owner.Right - LabelWidth + Offset;
  const int Centred = Owner.Top + (Owner.Height() - LabelHeight) / 2 - 1 + Offset;
  const int AtTop = Owner.Top + Offset + 3;
  switch (Layout) {
    case sclTopLeft: return {AlongLeft, Above};
    case sclTopCenter: return {AlongCentre, Above};
    case sclTopRight: return {AlongRight, Above};
    case sclLeftTop: return {LeftOf, AtTop};
    case sclBottomLeft: return {AlongLeft, Below};
    case sclBottomCenter: return {AlongCentre, Below};
    case sclBottomRight: return {AlongRight, Below};
    case sclRight: return {RightOf, Centred};
    case sclRightTop: return {RightOf, AtTop};
    case sclLeft: break;
  }
  return {LeftOf, Centred};
}

int BoundLabelWidth(int MaxWidth) { return MaxWidth > 0 ? MaxWidth : 9999; }

int ScaledMaxWidth(int MaxWidth, int NewPercent, int ScalePercent) {
  return MulDivRound(MaxWidth, NewPercent, ScalePercent);
}
