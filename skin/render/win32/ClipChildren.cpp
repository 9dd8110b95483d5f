#include "skin/render/win32/ClipChildren.h"

#include "framework/WinControl.h"

void ClipOutChildren(HDC DC, const TWinControl& Container, int DX, int DY, bool IncludeGraphicChildren) {
  for (const TControl* Child : Container.Controls()) {
    if (!Child->Visible()) continue;
    if (!IncludeGraphicChildren && dynamic_cast<const TWinControl*>(Child) == nullptr) continue;
    const RECT R = Child->BoundsRect();
    ExcludeClipRect(DC, R.left + DX, R.top + DY, R.right + DX, R.bottom + DY);
  }
}
