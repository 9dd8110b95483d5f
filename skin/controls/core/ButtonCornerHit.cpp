#include "skin/controls/core/ButtonCornerHit.h"

namespace {

bool IsKeyColor(TPixel32 Pixel) { return (Pixel & 0x00FFFFFFu) == 0xFF00FFu; }

}  // namespace

bool ButtonCornerLetsClickThrough(const TsMaskData& Border, int ButtonWidth, int ButtonHeight, TPoint Point) {
  if (Border.Bmp == nullptr || Border.CornerType != 1) return false;
  if (!TRect{0, 0, ButtonWidth, ButtonHeight}.Contains(Point.X, Point.Y)) return false;
  const bool Left = Point.X < Border.WL;
  const bool Right = !Left && Point.X >= ButtonWidth - Border.WR;
  const bool Top = Point.Y < Border.WT;
  const bool Bottom = !Top && Point.Y >= ButtonHeight - Border.WB;
  if (!(Left || Right) || !(Top || Bottom)) return false;
  const int X = Border.R.Left + (Left ? Point.X : Border.Width - (ButtonWidth - Point.X));
  const int Y = Border.R.Top + (Top ? Point.Y : Border.Height - (ButtonHeight - Point.Y));
  const TConstBitmapView Picture = Border.Bmp->View();
  // The first state picture only: a point past its corner reads nothing.
  if (!TRect{Border.R.Left, Border.R.Top, Border.R.Left + Border.Width, Border.R.Top + Border.Height}.Contains(X, Y) ||
      !BitmapRect(Picture).Contains(X, Y))
    return false;
  return IsKeyColor(Picture.Row(Y)[X]);
}
