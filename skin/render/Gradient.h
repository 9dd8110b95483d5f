// Multi-stop colour gradients of skin sections: parsing their text and painting them into
// a 32-bit bitmap (top to bottom, left to right, or from four corners to the centre),
// optionally mixed with a tiled texture. Portable: the smooth bands and the path gradient
// are our own smooth fills, so both builds paint the same pixels.
#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

#include "skin/render/Bitmap32.h"
#include "skin/render/Color.h"
#include "skin/render/Geometry.h"

struct TsGradPoint {
  std::uint16_t Index = 0;
  // Bits 0-1 (of the first point): 0 top to bottom, 1 left to right, 2 four corners and
  // centre, 3 nothing. Bit 4: the band to the neighbour is a smooth band. Bit 5 (first
  // point): the corners are painted as a path gradient.
  std::int32_t Mode = 0;
  TsColor Color;  // a TColor's bytes: R is byte 0
  std::uint8_t Percent = 0;  // 0..100, the last point at 100
  constexpr bool operator==(const TsGradPoint&) const = default;
};
using TsGradArray = std::vector<TsGradPoint>;

constexpr std::int32_t GradientKindMask = 0x03;
constexpr std::int32_t GradientSmoothBand = 0x10;
constexpr std::int32_t GradientPathCorners = 0x20;

// Both text formats: five fields a point ending in "0", or three fields a point ending in a
// letter that counts the points. Text of 4 characters or fewer gives no points. A field that
// is not an integer throws EConvertError (skin/render/ConvertError.h).
TsGradArray ParseGradient(std::string_view Text);

// Paints Points over Rect (clipped to the bitmap), alpha 255. Offset shifts the start of a
// top-to-bottom gradient down and lengthens it by as much.
void PaintGradient(TBitmapView Bitmap, const TRect& Rect, const TsGradArray& Points, int Offset);

// A top-to-bottom or left-to-right gradient mixed with TextureRect of Texture (all of it when
// TextureRect is empty), tiled from the bitmap's (0, 0): (TextureWeight * (t - g) + g * 256)
// >> 8 per channel, alpha Alpha. Other kinds paint nothing.
void PaintGradientTextured(TBitmapView Bitmap, const TRect& Rect, const TsGradArray& Points, std::uint8_t Alpha,
                           int TextureWeight, const TRect& TextureRect, TConstBitmapView Texture);
