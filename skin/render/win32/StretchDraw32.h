// Drawing a 32-bit picture with alpha onto a device context (Win32 over DrawImage32).
#pragma once

#include <windows.h>

#include "gfx/Bitmap32.h"

// Composites Bitmap onto DC at Rect: the DC's pixels under Rect (and, with Reflected, half
// Rect's height more below it for the mirror image) are read into a scratch bitmap, the
// picture is drawn into it with DrawImage32 and the result copied back. A picture of another
// size than Rect is first stretched, colour and alpha alike, by nearest neighbour.
void StretchDrawImage32(HDC DC, TConstBitmapView Bitmap, const RECT& Rect, bool Reflected);
