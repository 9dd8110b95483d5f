#include "framework/Brush.h"

#include "framework/Colors.h"

void TBrush::SetColor(TColor Value) {
  if (Value == FColor) return;
  FColor = Value;
  Changed();
}

void TBrush::SetStyle(TBrushStyle Value) {
  if (Value == FStyle) return;
  FStyle = Value;
  Changed();
}

void TBrush::Changed() {
  FHandleStale = true;
  if (OnChange) OnChange(this);
}

HBRUSH TBrush::Handle() {
  if (FStyle == TBrushStyle::bsClear) return static_cast<HBRUSH>(GetStockObject(NULL_BRUSH));
  if (!FHandle || FHandleStale) {
    FHandle.Reset(CreateSolidBrush(ColorToRGB(FColor)));
    FHandleStale = false;
  }
  return FHandle.Get();
}
