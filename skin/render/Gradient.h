// Multi-stop colour gradients of skin sections (their text: skin/store/GradientText.h) painted into
// a 32-bit bitmap (top to bottom, left to right, or from four corners to the centre),
// optionally mixed with a tiled texture. Portable: the smooth bands and the path gradient
// are our own smooth fills, so both builds paint the same pixels.
#pragma once

#include <cstdint>

#include "gfx/Bitmap32.h"
#include "gfx/Color.h"
#include "gfx/Geometry.h"
#include "skin/store/GradientText.h"

// Paints Points over Rect (clipped to the bitmap), alpha 255. Offset shifts the start of a
// top-to-bottom gradient down and lengthens it by as much.
void PaintGradient(TBitmapView Bitmap, const TRect& Rect, const TsGradArray& Points, int Offset);

// A top-to-bottom or left-to-right gradient mixed with TextureRect of Texture (all of it when
// TextureRect is empty), tiled from the bitmap's (0, 0): (TextureWeight * (t - g) + g * 256)
// >> 8 per channel, alpha Alpha. Other kinds paint nothing.
void PaintGradientTextured(TBitmapView Bitmap, const TRect& Rect, const TsGradArray& Points, std::uint8_t Alpha,
                           int TextureWeight, const TRect& TextureRect, TConstBitmapView Texture);
