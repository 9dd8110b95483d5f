// Putting a part of an off-screen picture onto a device context (Win32).
#pragma once
#include <windows.h>

#include "gfx/Bitmap32.h"
#include "gfx/Geometry.h"

// Copies the pixels of Source (clipped to Picture) to (X, Y) of DC, alpha included; the part
// of Source outside Picture is left alone on DC.
void CopyPictureToDC(HDC DC, int X, int Y, TConstBitmapView Picture, const TRect& Source);
