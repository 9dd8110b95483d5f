// Excluding child controls from a device context's clip region (Win32).
#pragma once

#include <windows.h>

class TWinControl;

// Excludes the bounds of every visible child of Container, shifted by (DX, DY), from DC's
// clip region. Window-less children count only with IncludeGraphicChildren, which the caller
// sets when a skin manager is active and its StdImgTransparency option is off.
void ClipOutChildren(HDC DC, const TWinControl& Container, int DX, int DY, bool IncludeGraphicChildren);
