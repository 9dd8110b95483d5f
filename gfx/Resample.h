// Smooth resizing of 32-bit bitmaps with one of seven filters, in two separable passes
// with 16.16 fixed-point weights. Portable: no <windows.h>.
#pragma once

#include <cstdint>
#include <span>

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

// The part of a resize (or stretch) that is worked out: Width x Height pixels from (Left,
// Top) of the whole NewWidth x NewHeight result. The whole result may be far larger than
// any bitmap; the work and Dst follow the part's size.
struct TResizePart {
  std::int64_t Left = 0, Top = 0;
  int Width = 0, Height = 0;
};

// Dst becomes Part of Src resized to NewWidth x NewHeight, pixel for pixel what
// ResampleBitmap gives there. A part not inside the result, or a size ResampleBitmap leaves
// alone, leaves Dst untouched.
void ResampleBitmapPart(TConstBitmapView Src, TBitmap32& Dst, std::int64_t NewWidth, std::int64_t NewHeight,
                        TResampleFilter Filter, const TResizePart& Part);

// ResampleBitmapPart of each of Sources into the Results entry of the same index (an image
// and its mask, say); the weights are worked out once for the pictures of the first one's size.
void ResampleBitmapParts(std::span<const TConstBitmapView> Sources, std::span<TBitmap32> Results, std::int64_t NewWidth,
                         std::int64_t NewHeight, TResampleFilter Filter, const TResizePart& Part);

// Nearest-neighbour stretch of all four bytes, as the window system's colour-on-colour
// stretch mode does it: target pixel (x, y) is source (x * Src.Width div W, y * Src.Height
// div H). Dst becomes W x H; nothing happens for an empty source or size.
void StretchNearest(TConstBitmapView Src, TBitmap32& Dst, int W, int H);

// Dst becomes Part of Src stretched to W x H as StretchNearest does it; nothing happens for
// an empty source or a part not inside the result.
void StretchNearestPart(TConstBitmapView Src, TBitmap32& Dst, std::int64_t W, std::int64_t H, const TResizePart& Part);
