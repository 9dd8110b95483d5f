// Whole-bitmap pixel loops for the colour effects. Portable: no <windows.h>.
#pragma once

#include "gfx/Bitmap32.h"
#include "gfx/Color.h"

// Replaces every pixel P of Bitmap with Operation(P), except pixels equal (all 32 bits) to
// ExchangeRedBlue(SkipColor) when SkipColor is not clNone: with clFuchsia, key pixels
// (magenta, alpha 0) keep their key colour through every effect while an opaque magenta
// pixel is still changed. Operation is any TPixel32(TPixel32) callable, for example
// [K](TPixel32 P) { return ShiftSaturation(K, P); }; it is inlined into the loop.
template <class TOperation>
void ForEachPixel(TBitmapView Bitmap, TOperation&& Operation, TColor SkipColor) {
  std::byte* Row0 = nullptr;
  std::ptrdiff_t Stride = 0;
  if (!RowAccess(Bitmap, Row0, Stride)) return;
  const bool Skip = SkipColor != clNone;
  const TPixel32 Key = ExchangeRedBlue(static_cast<TPixel32>(SkipColor));
  for (int Y = 0; Y < Bitmap.Height; ++Y) {
    TPixel32* const Line = reinterpret_cast<TPixel32*>(Row0 + Y * Stride);
    for (int X = 0; X < Bitmap.Width; ++X)
      if (!Skip || Line[X] != Key) Line[X] = Operation(Line[X]);
  }
}

// Every pixel's colour bytes become its grey level (GreyLevel); alpha kept.
void MakeGrey(TBitmapView Bitmap);
