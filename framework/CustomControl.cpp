#include "framework/CustomControl.h"

TCustomControl::TCustomControl(TComponent* AOwner) : TWinControl(AOwner) {}

void TCustomControl::Paint() {}

void TCustomControl::PaintWindow(HDC DC) {
  FCanvas.SetHandle(DC);
  FCanvas.Font().Assign(Font());
  FCanvas.Brush().SetColor(Color());
  FCanvas.Brush().SetStyle(TBrushStyle::bsSolid);
  struct TRelease {
    TCanvas& Canvas;
    ~TRelease() { Canvas.SetHandle(nullptr); }
  } Release{FCanvas};
  Paint();
}
