// Painting skin pictures (TsMaskData items) into 32-bit bitmaps: a state image of a glyph at
// a point, a nine-piece border around a rectangle (plain, or producing alpha for outer
// effects), and textures over an area. Every painter takes the item and Master, the skin's
// master bitmap, which items without a picture of their own are cut from. Items without a
// source picture, with one that does not hold their rectangle, or with an empty target
// paint nothing. Portable.
#pragma once

#include <initializer_list>

#include "gfx/Bitmap32.h"
#include "skin/render/CacheInfo.h"
#include "gfx/Geometry.h"
#include "skin/store/sSkinData.h"

// Border draw-mode bits.
constexpr int dmStretch = 1;     // stretch sides and centre instead of tiling them
constexpr int dmNotInState0 = 2;  // paint only in hot, pressed and later states
constexpr int dmCentre = 4;      // paint the centre piece too

// The rectangle PaintTexture and PaintMaskedTexture give back when nothing is left to fill.
constexpr TRect NothingLeft{-1, -1, -1, -1};

// The state image of MaskData with its top-left corner at Point. Mode 1 paints normally,
// any other value paints the glyph faded. Parent gives the pixels behind key pixels.
void PaintStateImage(TBitmapView Bitmap, TPoint Point, int State, const TCacheInfo& Parent, const TsMaskData& MaskData,
                     TConstBitmapView Master, int Mode);

// A nine-piece border around Rect (and inside it with dmCentre). With ParentCorners and a
// CornerType above 0 transparent corner pixels show the parent's picture.
void PaintNinePiece(TBitmapView Bitmap, const TRect& Rect, const TCacheInfo& Parent, bool ParentCorners, int State,
                    const TsMaskData& MaskData, TConstBitmapView Master);

// Fills Rect with an unmasked texture by fill mode (MaskData.DrawMode is not consulted:
// Mode is). On return Rect is the part still to be filled with the section colour, or
// NothingLeft. Modes 8 and 9 stretch the texture along the bottom and along the right.
void PaintTexture(TBitmapView Bitmap, TRect& Rect, const TsMaskData& MaskData, TConstBitmapView Master, int Mode);

// Fills Rect with a masked texture (modes 0 and 10; other modes paint nothing); key pixels
// show the parent. On return Rect is NothingLeft.
void PaintMaskedTexture(TBitmapView Bitmap, TRect& Rect, const TCacheInfo& Parent, int Mode,
                        const TsMaskData& MaskData, TConstBitmapView Master);

// Corner bits of PaintBorderCorners.
constexpr int bcTopLeft = 1;
constexpr int bcBottomLeft = 2;
constexpr int bcTopRight = 4;
constexpr int bcBottomRight = 8;
constexpr int bcAllCorners = bcTopLeft | bcBottomLeft | bcTopRight | bcBottomRight;

// Paints again the corner pieces of a nine-piece border around Rect that Corners names,
// each over the parent's picture as it is now (or its fill colour), so that transparent
// corner pixels show what lies behind: masked corners composited through the mask over the
// parent's pixels, unmasked ones copied with key clFuchsia, key pixels taking the parent.
void PaintBorderCorners(TBitmapView Bitmap, const TRect& Rect, const TCacheInfo& Parent, int State,
                        const TsMaskData& MaskData, TConstBitmapView Master, int Corners);

// The border as corners are refreshed from it: an own picture that counts no images holds
// three states over their mask.
TsMaskData BorderForCornerRefresh(const TsMaskData& Border);

// The widest of a border's four widths; 0 for a border painted only in the states above 0.
constexpr int MaxBorderWidth(const TsMaskData& Border) {
  if ((Border.DrawMode & dmNotInState0) != 0) return 0;
  int Widest = Border.WL;
  for (const int W : {Border.WT, Border.WR, Border.WB}) Widest = W > Widest ? W : Widest;
  return Widest;
}

// A nine-piece border that also writes alpha, at Opacity (0..255), its sides narrowed to
// SideLimits (left, top, right, bottom widths); no centre.
void PaintNinePieceAlpha(TBitmapView Bitmap, const TRect& Rect, const TCacheInfo& Parent, int State,
                         const TsMaskData& MaskData, TConstBitmapView Master, int Opacity, const TRect& SideLimits);
