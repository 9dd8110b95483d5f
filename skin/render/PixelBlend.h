// Copies and blends between 32-bit bitmaps. Every routine clips the source rectangle to
// the source and the destination area to the destination, and does nothing when nothing
// is left; a source rectangle starting left of or above the source is cut and the
// destination position moves by the same amount. Rectangles are half-open, except the
// source rectangles of CopyKeyed and BlendBitmapsKeyed, which name their last column and
// row (both included). Keys given as TColor are compared with whole pixels after
// ExchangeRedBlue, so only key-coloured pixels with alpha 0 match. Portable.
#pragma once

#include "gfx/Bitmap32.h"
#include "skin/render/CacheInfo.h"
#include "gfx/Color.h"
#include "gfx/Geometry.h"
#include "gfx/PixelLanes.h"

// All four bytes: d = (K * (d - s) + s * 256) >> 8 — the destination keeps weight K, so K is
// the source's transparency (a weight 0..255; others are held to that range). A negative
// DstPoint coordinate moves SrcRect's start instead.
void BlendBitmaps(TBitmapView Dst, TConstBitmapView Src, int K, TPoint DstPoint, const TRect& SrcRect);

// Source pixels equal to Key are skipped; for the others the colour bytes become
// (s * (255 - K) + d * K) >> 8; destination alpha kept. SrcRect includes Right and Bottom.
void BlendBitmapsKeyed(TBitmapView Dst, int DstX, int DstY, TColor Key, int K, const TRect& SrcRect,
                       TConstBitmapView Src);

// Copies the source pixels that are not Key. Key pixels: with UseParent and a ready parent
// picture, the parent's pixel at the same place shifted by (Parent.X, Parent.Y) when that
// lies inside it (when Dst is the parent picture itself key pixels stay and copied pixels
// get alpha 255); without a ready parent, Parent.FillColor with the alpha of Dst's first
// pixel; with a ready parent but not UseParent, left alone. SrcRect includes Right/Bottom.
void CopyKeyed(TBitmapView Dst, TConstBitmapView Src, int DstX, int DstY, bool UseParent,
               const TCacheInfo& Parent, TColor Key, const TRect& SrcRect);

// Alpha compositing of Src's SrcRect onto Dst at DstRect's top-left: colour bytes
// d = ((s - d) * a + d * 256) >> 8; for a != 0 the alpha becomes dA + ((255 - dA) * a >> 8).
// With UseParent and a ready parent, key pixels 0x00FF00FF take the parent's pixel
// (alpha 255) instead. The area drawn is the smaller of the two rectangles.
void CompositeAlpha(const TRect& DstRect, const TRect& SrcRect, TBitmapView Dst, bool UseParent,
                    const TCacheInfo& Parent, TConstBitmapView Src);

// Draws a 32-bit image with alpha; pixels with alpha 16 or less and key pixels are
// transparent. Blend is a percent (0 = as it is); Color, when not clNone, draws the image
// as a brightened shape of that colour. Reflected adds a fading mirror image below
// DstRect. Transparent pixels take the parent's pixel with UseParent and Parent.Ready.
void DrawImage32(const TRect& DstRect, const TRect& SrcRect, TBitmapView Dst, bool Reflected, int Blend,
                 TColor Color, bool UseParent, const TCacheInfo& Parent, TConstBitmapView Src);

// Copies all of Src with its top-left corner at (X, Y), skipping pixels equal to
// ExchangeRedBlue(Key); copied pixels get alpha 255.
void CopyKeyedOpaque(TBitmapView Dst, TConstBitmapView Src, int X, int Y, TColor Key);

// BlendBitmaps, CompositeAlpha and DrawImage32 on the vector code Lanes names (which must be
// able to run here); the forms above take BestPixelLanes(). Every path gives the same bytes.
void BlendBitmaps(TPixelLanes Lanes, TBitmapView Dst, TConstBitmapView Src, int K, TPoint DstPoint,
                  const TRect& SrcRect);
void CompositeAlpha(TPixelLanes Lanes, const TRect& DstRect, const TRect& SrcRect, TBitmapView Dst, bool UseParent,
                    const TCacheInfo& Parent, TConstBitmapView Src);
void DrawImage32(TPixelLanes Lanes, const TRect& DstRect, const TRect& SrcRect, TBitmapView Dst, bool Reflected,
                 int Blend, TColor Color, bool UseParent, const TCacheInfo& Parent, TConstBitmapView Src);
