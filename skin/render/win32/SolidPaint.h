// Solid fills and frame copies on device contexts (Win32, over the portable strip geometry).
#pragma once

#include <windows.h>

#include "gfx/Color.h"

// Fills Rect with Color (system colours resolved); the DC's brush and state come back.
void PaintSolidRect(HDC DC, const RECT& Rect, TColor Color);
// Fills only a frame of Rect with the widths WL, WT, WR, WB (see SolidFrameStrips).
void PaintSolidFrame(HDC DC, const RECT& Rect, int WL, int WT, int WR, int WB, TColor Color);
// Copies the frame of width BW of a W x H area from (SrcX, SrcY) of SrcDC to (X, Y) of DstDC.
void CopyFrameStrips(HDC DstDC, int X, int Y, int W, int H, HDC SrcDC, int SrcX, int SrcY, int BW);
