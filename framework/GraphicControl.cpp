#include "framework/GraphicControl.h"

TGraphicControl::TGraphicControl(TComponent* AOwner) : TControl(AOwner) {
  SetControlStyle({TControlStyleFlag::csClickEvents});
}

void TGraphicControl::Paint() {}

void TGraphicControl::WndProc(TMessage& Message) {
  if (Message.Msg == WM_PAINT && Message.WParam) {
    FCanvas.SetHandle(reinterpret_cast<HDC>(Message.WParam));
    FCanvas.Font().Assign(Font());
    FCanvas.Brush().SetColor(Color());
    FCanvas.Brush().SetStyle(TBrushStyle::bsSolid);
    struct TRelease {
      TCanvas& Canvas;
      ~TRelease() { Canvas.SetHandle(nullptr); }
    } Release{FCanvas};
    Paint();
    return;
  }
  TControl::WndProc(Message);
}
