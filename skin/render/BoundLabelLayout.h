// Where a bound caption label (TsBoundLabel) sits next to its owner control, with which text
// alignment, and how wide it may grow before its text wraps. Portable, so the placement is
// tested without windows; the Win32 binding measures the label and moves it.
#pragma once

#include "framework/core/TextAlignment.h"
#include "gfx/Geometry.h"

enum TsCaptionLayout : int {
  sclLeft, sclTopLeft, sclTopCenter, sclTopRight, sclLeftTop, sclBottomLeft, sclBottomCenter, sclBottomRight,
  sclRight, sclRightTop
};

// The label's text alignment for Layout: towards the owner beside it, centred above or below.
TAlignment BoundLabelAlignment(TsCaptionLayout Layout);

// The top-left corner of a LabelWidth x LabelHeight label placed by Layout at Owner (its
// bounds in the common parent). Offset shifts the label along the owner's edge, Indent away
// from it; beside the owner the label keeps 4 more pixels, and centred on the owner's height
// it sits one pixel higher than exact centring. A value outside the layouts counts as sclLeft.
TPoint BoundLabelPosition(TsCaptionLayout Layout, const TRect& Owner, int LabelWidth, int LabelHeight, int Offset,
                          int Indent);

// The width the label is given before its text wraps: MaxWidth, or 9999 when that is 0 or less.
int BoundLabelWidth(int MaxWidth);

// MaxWidth, given at ScalePercent, at NewPercent (UpdateScale).
int ScaledMaxWidth(int MaxWidth, int NewPercent, int ScalePercent);
