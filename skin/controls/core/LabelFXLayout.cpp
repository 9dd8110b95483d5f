#include "skin/controls/core/LabelFXLayout.h"

#include <cmath>
#include <numbers>

TRotatedText RotatedTextBox(int Width, int Height, int Angle) {
  if (Angle == 0) return {Width, Height, {0, 0}};
  const double A = Angle * std::numbers::pi / 180.0;
  const double C = std::cos(A);
  const double S = std::sin(A);
  const double W = Width;
  const double H = Height;
  TRotatedText Box;
  Box.Width = static_cast<int>(std::lround(W * std::abs(C) + H * std::abs(S)));
  Box.Height = static_cast<int>(std::lround(W * std::abs(S) + H * std::abs(C)));
  Box.Origin.X = static_cast<int>(std::lround((W - W * C - H * S) / 2)) + (Box.Width - Width) / 2;
  Box.Origin.Y = static_cast<int>(std::lround((H * (1 - C) + W * S) / 2)) + (Box.Height - Height) / 2;
  return Box;
}

namespace {

// One axis: the text's start from the client's start and end.
int PlaceAlong(int Start, int End, int Size, int Where, const TShadowData& Shadow) {
  const TacOffsetKeeper E = ShadowExtents(Shadow);
  switch (Where) {
    case 0:
      return Start - E.LeftTop;
    case 2:
      return End - Size - E.RightBottom;
    default:
      return (End - Size - E.RightBottom - E.LeftTop) / 2 + Shadow.Offset;
  }
}

int HorizontalCode(TAlignment Alignment) {
  return Alignment == TAlignment::taLeftJustify ? 0 : Alignment == TAlignment::taRightJustify ? 2 : 1;
}
int VerticalCode(TTextLayout Layout) {
  return Layout == TTextLayout::tlTop ? 0 : Layout == TTextLayout::tlBottom ? 2 : 1;
}

// One axis of the new bounds: the start moved so that the text stays put.
int KeepAlong(int Start, int OldSize, int NewSize, int Where, TacOffsetKeeper Extents, TacOffsetKeeper Kept) {
  switch (Where) {
    case 0:
      return Start + Extents.LeftTop - Kept.LeftTop;
    case 2:
      return Start + OldSize - NewSize;
    default:
      return Start + (OldSize - NewSize) / 2;
  }
}

}  // namespace

TRect ShadowedTextRect(const TRect& Client, int TextWidth, int TextHeight, TAlignment Alignment,
                       TTextLayout Layout, const TShadowData& Shadow) {
  const int Left = PlaceAlong(Client.Left, Client.Right, TextWidth, HorizontalCode(Alignment), Shadow);
  const int Top = PlaceAlong(Client.Top, Client.Bottom, TextHeight, VerticalCode(Layout), Shadow);
  return {Left, Top, Left + TextWidth, Top + TextHeight};
}

TRect ShadowedLabelBounds(const TRect& Bounds, bool AutoSize, int TextWidth, int TextHeight, TAlignment Alignment,
                          TTextLayout Layout, TacOffsetKeeper Extents, TacOffsetKeeper Kept) {
  const int Grow = Extents.RightBottom - Extents.LeftTop;
  const int Had = Kept.RightBottom - Kept.LeftTop;
  const int Width = AutoSize ? TextWidth + Grow : Bounds.Width() + Grow - Had;
  const int Height = AutoSize ? TextHeight + Grow : Bounds.Height() + Grow - Had;
  const int Left = KeepAlong(Bounds.Left, Bounds.Width(), Width, HorizontalCode(Alignment), Extents, Kept);
  const int Top = KeepAlong(Bounds.Top, Bounds.Height(), Height, VerticalCode(Layout), Extents, Kept);
  return {Left, Top, Left + Width, Top + Height};
}
