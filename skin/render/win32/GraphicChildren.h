// Painting a container's non-windowed children onto a device context that already shows the
// container's picture: each child over the container's background as it sees it, through
// one off-screen bitmap, at its position moved by Offset.
#pragma once

#include <windows.h>

#include "gfx/Geometry.h"

class TWinControl;

// CheckVisible: nothing for a hidden container. A call made while one runs (a child
// painting its container's children again) returns at once.
void PaintGraphicChildren(HDC DC, TWinControl* Container, bool CheckVisible, TPoint Offset);
