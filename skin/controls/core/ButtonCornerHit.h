// Which points of a skinned button let a click through to the window behind: the key-colour
// pixels in the corners of a border picture of its own whose corners hold the key colour
// (CornerType 1). A border cut from the master bitmap takes every click. Portable.
#pragma once

#include "gfx/Geometry.h"
#include "skin/store/sSkinData.h"

// Point in the button's client coordinates (ButtonWidth x ButtonHeight): true when the hit
// test answers transparent. A corner pixel is read at the point's offset from the matching
// corner of the first state picture; pixels outside the picture are not transparent.
bool ButtonCornerLetsClickThrough(const TsMaskData& Border, int ButtonWidth, int ButtonHeight, TPoint Point);
