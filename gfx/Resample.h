// Smooth resizing of 32-bit bitmaps with one of seven filters, in two separable passes
// with 16.16 fixed-point weights. Portable: no <windows.h>.
#pragma once

#include "gfx/Bitmap32.h"

enum TResampleFilter : int {
  rfBox = 0,        // support 0.51
  rfTriangle = 1,   // 1
  rfHermite = 2,    // 1
  rfBell = 3,       // 1.5
  rfBSpline = 4,    // 2
  rfLanczos3 = 5,   // 3
  rfMitchell = 6,   // 2, B = C = 1/3; the one the skin engine uses
};

// Dst becomes Src resized to NewWidth x NewHeight (rows first, then columns). A size of 1 or
// less (source or target, either direction) leaves Dst untouched; equal sizes copy Src.
void ResampleBitmap(TConstBitmapView Src, TBitmap32& Dst, int NewWidth, TResampleFilter Filter, int NewHeight);

// Nearest-neighbour stretch of all four bytes, as the window system's colour-on-colour
// stretch mode does it: target pixel (x, y) is source (x * Src.Width div W, y * Src.Height
// div H). Dst becomes W x H; nothing happens for an empty source or size.
void StretchNearest(TConstBitmapView Src, TBitmap32& Dst, int W, int H);
