#include "skin/render/TextAlpha.h"

void RestoreAlphaAroundText(TBitmapView After, TConstBitmapView Before) {
  if (After.Width != Before.Width || After.Height != Before.Height) return;
  constexpr TPixel32 ColourBytes = 0x00FFFFFFu;
  for (int Y = 0; Y < After.Height; ++Y) {
    TPixel32* const Line = After.Row(Y);
    const TPixel32* const Old = Before.Row(Y);
    for (int X = 0; X < After.Width; ++X) {
      const bool Untouched = (Line[X] & ColourBytes) == (Old[X] & ColourBytes);
      Line[X] = (Line[X] & ColourBytes) | (Untouched ? Old[X] & ~ColourBytes : ~ColourBytes);
    }
  }
}
