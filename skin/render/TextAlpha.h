// GDI text writes colour bytes and clears the alpha byte of what it draws. After text is
// drawn into a 32-bit picture, the pixels it did not touch get their alpha back and those it
// drew become opaque. Portable.
#pragma once
#include "gfx/Bitmap32.h"

// Before is the picture as it was before the text, of After's size. A pixel whose colour
// bytes are unchanged takes Before's alpha; any other pixel gets alpha 255.
void RestoreAlphaAroundText(TBitmapView After, TConstBitmapView Before);
