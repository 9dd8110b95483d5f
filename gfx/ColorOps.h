// Arithmetic on one colour or pixel: mixing, tone, saturation, brightness, hue, grey.
// Every mix divides by 256 with a shift (so weight 255 loses one unit); grey, hue and
// saturation use floating point. Unless a function says otherwise byte 3 is kept.
// Portable: no <windows.h>.
#pragma once

#include <cstdint>

#include "gfx/Bitmap32.h"
#include "gfx/Color.h"

// A percent from the skin as a byte weight: 50 % is 127, 100 % is 255.
constexpr int PercentToWeight(int Percent) { return Percent * 255 / 100; }

// Bytes 0..2: (c1 * K + c2 * (255 - K)) >> 8; byte 3 from C1. Works on TColor values and on
// pixels alike (the same byte positions are mixed).
constexpr std::uint32_t BlendTwoColors(std::uint32_t C1, std::uint32_t C2, int K) {
  std::uint32_t Result = C1 & 0xFF000000u;
  for (int Shift = 0; Shift < 24; Shift += 8) {
    const int A = static_cast<int>((C1 >> Shift) & 0xFF);
    const int B = static_cast<int>((C2 >> Shift) & 0xFF);
    Result |= static_cast<std::uint32_t>((A * K + B * (255 - K)) >> 8) << Shift;
  }
  return Result;
}

// The pixel as a shade of Tone: each channel is (largest channel) * Tone's channel >> 8.
TPixel32 TintPixel(TPixel32 Pixel, TColor Tone);

// K in -255..255: positive saturates, negative moves towards grey (-255 is grey * 255/256);
// K = 0 returns the pixel as it is.
TPixel32 ShiftSaturation(int K, TPixel32 Pixel);

// K in 1/256: K > 0 brightens each of bytes 0..2 by K * c >> 8 (at most 255), K < 0 darkens.
std::uint32_t ScaleBrightness(std::uint32_t Color, int K);

// Turns the hue by Degrees (through HSV, truncating); grey pixels stay as they are.
TPixel32 RotateHue(int Degrees, TPixel32 Pixel);

// round(0.299 R + 0.587 G + 0.114 B), ties to even.
std::uint8_t GreyLevel(std::uint8_t R, std::uint8_t G, std::uint8_t B);
