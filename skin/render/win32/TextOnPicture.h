// Drawing text with GDI onto a device context that may hold a 32-bit picture, without
// losing that picture's alpha, and drawing the text of a glow into its mask. Win32.
#pragma once
#include <windows.h>

#include <string_view>

#include "skin/render/TextGlow.h"

// DrawTextW on DC in its current font, text colour and background mode. When DC has a 32-bit
// DIB section selected, the pixels the text leaves alone keep their alpha and the drawn ones
// become opaque.
void DrawTextKeepingAlpha(HDC DC, std::wstring_view Text, RECT Rect, UINT Format);

// Draws Text in black, in Font, into a fresh glow mask at TextRect and once more moved one
// pixel in each direction of Directions (1 left, 2 up, 4 right, 8 down).
TGlowTextDrawer GlowMaskTextDrawer(std::wstring_view Text, HFONT Font, UINT Format, int Directions);
