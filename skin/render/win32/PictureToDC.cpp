#include "skin/render/win32/PictureToDC.h"

#include <algorithm>
#include <optional>

#include "framework/DibSection.h"

void CopyPictureToDC(HDC DC, int X, int Y, TConstBitmapView Picture, const TRect& Source) {
  const int Left = std::max(Source.Left, 0);
  const int Top = std::max(Source.Top, 0);
  const int Right = std::min(Source.Right, Picture.Width);
  const int Bottom = std::min(Source.Bottom, Picture.Height);
  if (Right <= Left || Bottom <= Top) return;
  const std::optional<TDibSection> Scratch = TDibSection::Make(Right - Left, Bottom - Top);
  if (!Scratch) return;
  const TBitmapView Pixels = Scratch->Pixels();
  for (int Row = Top; Row < Bottom; ++Row)
    std::copy(Picture.Row(Row) + Left, Picture.Row(Row) + Right, Pixels.Row(Row - Top));
  BitBlt(DC, X + Left - Source.Left, Y + Top - Source.Top, Right - Left, Bottom - Top, Scratch->DC(), 0, 0, SRCCOPY);
}
