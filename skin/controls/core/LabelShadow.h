// The blurred drop shadow of an effect label (TsLabelFX): which shadow applies, how far it
// reaches past the text, and its picture. The caption is drawn in white on black into a
// mask the size of the label; the mask is blurred into a byte buffer one cell larger on
// every side; the buffer then darkens the picture under the label towards the shadow
// colour. Integer arithmetic only. Portable: the Win32 label draws the text and calls these.
#pragma once

#include <cstdint>
#include <vector>

#include "gfx/Bitmap32.h"
#include "gfx/Color.h"
#include "skin/store/sSkinData.h"

enum TsShadowMode : int { smNone, smCustom, smSkin1 };

struct TShadowData {
  TColor Color = 0;
  int Blur = 0;
  int Offset = 0;
  int Alpha = 0;
};

// The shadow extents around the text: LeftTop = min(0, Offset - Blur), RightBottom =
// max(0, Offset + Blur).
struct TacOffsetKeeper {
  int LeftTop = 0;
  int RightBottom = 0;
  bool operator==(const TacOffsetKeeper&) const = default;
};

// The shadow a label draws: none, its own settings (Custom: Color, BlurCount, Distance,
// AlphaValue), or the skin's first shadow with the label's AlphaValue. ActiveSkin is null
// while no skin is active; a skin without a shadow (blur below 0) leaves the label's own.
TShadowData CurrentShadowData(TsShadowMode Mode, const TShadowData& Custom, const TsSkinData* ActiveSkin);

TacOffsetKeeper ShadowExtents(const TShadowData& Shadow);

// Blur passes over a Width x Height mask: Blur, but never more than max(Width, Height) + 2
// (by then the blur has reached every cell; more passes only cost time).
int ShadowBlurPasses(int Blur, int Width, int Height);

// Bits becomes the blurred mask: (Mask.Width + 2) x (Mask.Height + 2) cells, zero at first
// (the allocation grows to twice what is needed and never shrinks). Each pass sets the cell
// of every mask pixel with a non-zero blue byte to 255 (pixel (x, y) is cell (x + 1, y + 1)),
// then replaces each inner cell, row by row from the top and left to right, by
// (up + down + left + right) shr 2 of its neighbours in place.
void BlurShadowMask(TConstBitmapView Mask, int Blur, std::vector<std::uint8_t>& Bits);

// Every pixel of Picture (the mask's size, holding what lies under the label) moves towards
// Color by I = cell x Alpha shr 8, which is stored back into its cell: each colour channel c
// becomes (c x (255 - I) + shadow channel x I) shr 8. Alpha is clamped to 0..255; Bits
// smaller than Picture needs leaves Picture as it is.
void ComposeShadow(TBitmapView Picture, std::vector<std::uint8_t>& Bits, TColor Color, int Alpha);
