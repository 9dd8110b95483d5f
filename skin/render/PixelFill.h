// Fills and fades of rectangles of a 32-bit bitmap, and the dotted focus frame.
// Rectangles are clipped to the bitmap; an empty or inverted one paints nothing.
// Colours are TColor values (red in byte 0), written in pixel order. Portable.
#pragma once

#include <cstdint>

#include "gfx/Bitmap32.h"
#include "gfx/Color.h"
#include "gfx/Geometry.h"

// Every pixel of Rect becomes Color with alpha Alpha.
void FillPixels(TBitmapView Bitmap, const TRect& Rect, TColor Color, std::uint8_t Alpha);

// Byte 3 of every pixel of Rect becomes Alpha; when Key is not clNone, pixels equal to
// ExchangeRedBlue(Key) (all 32 bits) are left alone.
void SetPixelAlpha(TBitmapView Bitmap, const TRect& Rect, std::uint8_t Alpha, TColor Key);

// Each colour byte of Rect: (c * K + color * (255 - K)) >> 8; alpha kept.
void FadeRectToColor(TBitmapView Bitmap, const TRect& Rect, int K, TColor Color);

// The same over the whole bitmap, skipping key pixels 0x00FF00FF.
void FadeBitmapToColor(TBitmapView Bitmap, int K, TColor Color);

// A dotted frame on Rect's outer rows and columns: along each edge, pixels at odd offsets
// from the corner get Color1, those at even offsets from 2 up to 2 * (length div 2) get
// Color2 (the corner itself stays; for an even side the last dot lies just past Rect, and
// like every pixel outside the bitmap it is skipped there). A clNone colour is not drawn.
// Pixels keep their alpha.
void DrawDotFrame(TBitmapView Bitmap, const TRect& Rect, TColor Color1, TColor Color2);
