// The picture a glow window shows: the glow image's nine pieces around the whole picture,
// corners kept and sides stretched or tiled as the image's draw mode says (the centre only
// when the draw mode asks for it), in the glowing control's colours. Portable.
#pragma once

#include "gfx/Bitmap32.h"
#include "skin/render/SectionPaint.h"
#include "skin/store/sSkinData.h"

// A Width x Height picture (CreateAlphaBmp): transparent black, then Glow (when given)
// painted over it from Master or its own picture, then Look's tone, hue and saturation.
// Throws std::length_error for a size out of range, like NewBitmap32.
TBitmap32 GlowPicture(int Width, int Height, const TsMaskData* Glow, TConstBitmapView Master,
                      const TsSectionLook& Look);
