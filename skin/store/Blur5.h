// BLUR5: the 19 x 19 mask from which the outer effects' pictures are generated: a soft
// blurred square, opaque (0) in the middle and fading to see-through (255) at the edges,
// grey in all three colour bytes, alpha 255. Computed, so it needs no resource file.
// Portable.
#pragma once

#include "gfx/Bitmap32.h"

inline constexpr int Blur5Size = 19;

TBitmap32 MakeBlur5();
