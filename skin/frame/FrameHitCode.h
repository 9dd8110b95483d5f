// Which part of the frame a point is over (CalcHitCode), as the system's hit-test codes.
// Bands are half-open: a border band is exactly BorderWidth (or BorderHeight) pixels, the
// title band ends at FHeaderHeight, a button's right column and bottom row belong to what
// lies beyond. Portable.
#pragma once

#include "gfx/Geometry.h"
#include "skin/frame/FrameItems.h"

// The values of the system's HT codes (named apart from the macros of <windows.h>).
enum TFrameHitCode : int {
  hcNowhere = 0,
  hcClient = 1,
  hcCaption = 2,
  hcSysMenu = 3,
  hcLeft = 10,
  hcRight = 11,
  hcTop = 12,
  hcTopLeft = 13,
  hcTopRight = 14,
  hcBottom = 15,
  hcBottomLeft = 16,
  hcBottomRight = 17,
  hcClose = 20,
};

// The code of Point (window coordinates) on a form laid out as Items. A disabled close
// button answers as caption; a point outside the window is nowhere.
TFrameHitCode CalcHitCode(const TFrameForm& Form, const TFrameItems& Items, TPoint Point, bool CloseEnabled);
