// Section painting where the window side takes part: a panel painting over its parent's
// answer, and painters without a control painting straight onto a device context. Win32.
#pragma once
#include <windows.h>

#include "gfx/Bitmap32.h"
#include "gfx/Geometry.h"
#include "skin/render/CacheInfo.h"

class TsCommonData;
class TsSkinStore;
class TWinControl;

// Asks ParentControl for its background and paints SkinData's section over it into Rect of
// Bitmap (background, border, corner images; no colour effects). False, with nothing
// painted, when the parent's picture is not ready yet.
bool PaintSectionOverParent(const TsCommonData& SkinData, TWinControl* ParentControl, int HotTexture, int Texture,
                            bool ParentCorners, TBitmapView Bitmap, TPoint Offset, const TRect& Rect, int State);

// The section SkinIndex (Manager's, the default manager's when null) painted into a scratch
// picture of Rect's size and copied to DC at Rect. Offset is where DC's origin lies in the
// parent's picture; BorderIndex -1 means the section's own border.
void PaintSectionToDC(int SkinIndex, const TCacheInfo& Parent, int State, const TsSkinStore* Manager, HDC DC,
                      TPoint Offset, const TRect& Rect, int BorderIndex);
