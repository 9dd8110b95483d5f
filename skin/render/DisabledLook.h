// The look of a disabled control's picture: desaturated and/or mixed with what lies
// behind it. Portable: the caller resolves the control's background colour.
#pragma once

#include "gfx/Set.h"
#include "gfx/Bitmap32.h"
#include "skin/render/CacheInfo.h"
#include "gfx/Color.h"
#include "gfx/Geometry.h"

enum TsDisabledKindItem { dkGrayed, dkBlended };
using TsDisabledKind = TSet<TsDisabledKindItem>;

// Process-wide settings read here and by the skinned controls.
// Saturation change of dkGrayed in percent; -100 makes the picture fully grey.
inline int DisabledGreyPercent = -90;
// Weight the picture keeps under dkBlended; the background gets 255 minus it.
inline int DisabledFadeWeight = 100;

// Offset is the picture's position in the control behind it; Parent is that control's
// TCacheInfo. ControlColor (RGB) is used when Parent is not ready and has no fill colour
// (clFuchsia): the caller passes the control's answer to SKC_QUERY_BG_COLOR, or its own
// colour, or clFuchsia when there is no control.
void ApplyDisabledLook(TBitmapView Bitmap, TsDisabledKind Kind, TColor ControlColor, TPoint Offset,
                       const TCacheInfo& Parent);
