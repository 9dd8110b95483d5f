// A soft glow around text: the text's shape in an 8-bit mask, blurred by a small box-like
// kernel and composited into the picture in the glow colour. The mask's text is drawn by
// the window side; everything else is here. Portable.
#pragma once

#include <cstdint>
#include <functional>
#include <vector>

#include "gfx/Bitmap32.h"
#include "gfx/Color.h"
#include "gfx/Geometry.h"

// An 8-bit grey picture: 255 is no glow, 0 full glow.
struct TGlowMask {
  int Width = 0;
  int Height = 0;
  std::vector<std::uint8_t> Pixels;  // rows top-down, Width bytes each

  std::uint8_t* Row(int Y) { return Pixels.data() + static_cast<std::size_t>(Y) * static_cast<std::size_t>(Width); }
  const std::uint8_t* Row(int Y) const {
    return Pixels.data() + static_cast<std::size_t>(Y) * static_cast<std::size_t>(Width);
  }
};

// The area a glow of Size covers around text drawn at Rect.
constexpr TRect GlowArea(const TRect& Rect, int Size) {
  const int Grow = Size + 4;
  return {Rect.Left + 1 - Grow, Rect.Top + 1 - Grow, Rect.Right + 1 + Grow, Rect.Bottom + 1 + Grow};
}

// The blur's taps, symmetric around the centre (odd count), summing to 1. Empty for a size
// of 0 or less.
std::vector<double> GlowKernel(int Size);

// Blurs the mask with Kernel across, then down; the edge pixels repeat beyond the edge.
void BlurGlowMask(TGlowMask& Mask, const std::vector<double>& Kernel);

// Mixes Color into Picture wherever the mask (its top-left at Origin of Picture) is below
// 255; the picture's alpha grows with the glow.
void CompositeGlow(TBitmapView Picture, const TGlowMask& Mask, TPoint Origin, TColor Color);

// Draws the text into a fresh mask (all 255): black text at TextRect, given in the mask's
// coordinates, plus the direction copies the caller asked for.
using TGlowTextDrawer = std::function<void(TGlowMask& Mask, const TRect& TextRect)>;

// The glow of text at Rect into Picture. Mask is the caller's, kept between calls: when it
// already has the glow area's size it is used as it is (drawn and blurred before).
void PaintTextGlow(TBitmapView Picture, const TRect& Rect, TGlowMask& Mask, TColor Color, int Size,
                   const TGlowTextDrawer& DrawText);
