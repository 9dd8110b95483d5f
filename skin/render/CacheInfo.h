// TCacheInfo: what a painter knows about the picture behind the one it paints — either the
// parent's finished picture (Ready) or a fill colour. Portable: no <windows.h>.
#pragma once

#include "skin/render/Bitmap32.h"
#include "skin/render/Color.h"
#include "skin/render/Geometry.h"

struct TCacheInfo {
  // The parent's picture, borrowed; empty when there is none.
  TConstBitmapView Bmp;
  // Where the child's origin lies in Bmp.
  int X = 0;
  int Y = 0;
  // RGB fill colour when the parent answered with a colour; clFuchsia for none.
  TColor FillColor = clFuchsia;
  // Widths (left, top, right, bottom) of a frame of the parent that comes from Bmp even
  // though the parent answered with a colour.
  TRect FillRect;
  bool Ready = false;
};
