// The skin manager's scale: the system's font scale read from its applied DPI, and sizes
// scaled by it. Scales are numbered 0 (100 %), 1 (125 %), 2 (150 %) and 3 (200 %). Portable.
#pragma once

#include "skin/store/ManagerOptions.h"

// The scale of a system running at AppliedDpi dots per inch (96 is 100 %).
int SysFontScaleFromDpi(int AppliedDpi);

// Value at Scale: 125 % adds a quarter, 150 % a half, 200 % doubles (results beyond the int
// range are cut to it). The old mode never scales; a scale outside 0..3 leaves Value as it is.
int ScaleInt(int Value, TacScaleMode Mode, int Scale);
