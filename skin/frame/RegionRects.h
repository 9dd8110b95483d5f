// The window region of a painted frame: the key-colour pixels (0xFF00FF) in the corners of
// the border masks are cut out of the window's rectangle, so a skin can round the corners.
// The cut pixels are kept as one-pixel-high runs (Rects); the region itself is handed to
// the system as disjoint rectangles. Portable.
#pragma once

#include <vector>

#include "gfx/Bitmap32.h"
#include "gfx/Geometry.h"
#include "skin/store/sSkinStore.h"

// The key-colour runs in the corners of Border's first state picture, placed at the corners
// of a Width x Height window (the right corners at its right edge, the bottom ones at its
// bottom) and cut to it. TopOnly scans the two top corners alone. A border whose picture is
// missing or does not hold its rectangle has no runs; corner widths beyond the picture end
// at its edge.
void AddCornerRuns(std::vector<TRect>& Rects, const TsMaskData& Border, TConstBitmapView Master, int Width,
                   int Height, bool TopOnly);

// Rects of the form's border mask (all four corners) and of the title section's border mask
// (its top corners); -1 for a mask the form or its title does not have.
std::vector<TRect> CollectRegionRects(const TsSkinStore& Skin, int FormBorderIndex, int TitleBorderIndex,
                                      int Width, int Height);

// The rectangle (0, 0, Width, Height) without Rects, as disjoint rectangles from top to
// bottom and left to right; rows that keep the same pixels share one rectangle.
std::vector<TRect> WindowRegionRects(int Width, int Height, const std::vector<TRect>& Rects);
