// The last step of a picture for a layered window, which takes premultiplied colours.
// Portable: whether the desktop composes windows is asked by the caller (Win32 side).
#pragma once

#include "gfx/Bitmap32.h"
#include "gfx/Geometry.h"

// Every pixel of Rect (clipped to the bitmap, though callers pass a rectangle inside it): 0x00FFFFFF becomes
// 0; any other keeps alpha a and each colour byte becomes c * a >> 8. Without desktop
// composition, pixels whose three colour bytes are all 245 or more are limited to 244
// (the window system would otherwise show them as holes).
void PremultiplyAlpha(TBitmapView Bitmap, const TRect& Rect, bool DesktopComposition);
void PremultiplyAlpha(TBitmapView Bitmap, bool DesktopComposition);
