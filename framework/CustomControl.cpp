#include "framework/CustomControl.h"

TCustomControl::TCustomControl(TComponent* AOwner) : TWinControl(AOwner) {}

void TCustomControl::Paint() {}

void TCustomControl::PaintWindow(HDC DC) {
  const TCanvasPaintScope Scope(FCanvas, DC, Font(), Color());
  Paint();
}
