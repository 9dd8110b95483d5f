// Colour resolution against the running system.
#pragma once

#include <windows.h>

#include "gfx/Color.h"

// System colours through GetSysColor; clNone and clDefault become black; others as they are.
COLORREF ColorToRGB(TColor Color);
