#include "framework/GraphicControl.h"

TGraphicControl::TGraphicControl(TComponent* AOwner) : TControl(AOwner) {
  SetControlStyle({TControlStyleFlag::csClickEvents});
}

void TGraphicControl::Paint() {}

void TGraphicControl::WndProc(TMessage& Message) {
  if (Message.Msg == WM_PAINT && Message.WParam) {
    const TCanvasPaintScope Scope(FCanvas, reinterpret_cast<HDC>(Message.WParam), Font(), Color());
    Paint();
    return;
  }
  TControl::WndProc(Message);
}
