// The row loops of BlendBitmaps, CompositeAlpha and DrawImage32 on a chosen vector code
// (gfx/PixelLanes.h): each gives the same bytes on every path; the rows' ends take plain
// loops. Portable.
#pragma once

#include <cstdint>

#include "gfx/Bitmap32.h"
#include "gfx/PixelLanes.h"

// N bytes: d = (K * (d - s) + s * 256) >> 8 with 0 <= K <= 255.
void BlendRow(TPixelLanes Lanes, std::uint8_t* D, const std::uint8_t* S, std::int64_t N, int K);

// N pixels: colour bytes d = ((s - d) * a + d * 256) >> 8; alpha dA + ((255 - dA) * a >> 8).
void CompositeRow(TPixelLanes Lanes, TPixel32* D, const TPixel32* S, int N);

// N pixels composited with weight w = Factor * a div 100 (0 <= Factor <= 100) of each pixel
// whose alpha a is above 16 (0 for the others); KeepAlpha false makes the destination alpha
// the larger of its own and w.
void DrawImageRow(TPixelLanes Lanes, TPixel32* D, const TPixel32* S, int N, int Factor, bool KeepAlpha);

// Alpha above this counts; alpha up to it is transparent.
constexpr int VisibleAlphaAbove = 16;
