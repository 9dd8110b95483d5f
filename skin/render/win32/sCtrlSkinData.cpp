#include "skin/render/win32/sCtrlSkinData.h"

void TsCtrlSkinData::EffectsChanged() {
  Loaded(true);
  Invalidate(false);
}

void TsCtrlSkinData::SetHUEOffset(int Value) {
  if (Value == FHUEOffset) return;
  FHUEOffset = Value;
  EffectsChanged();
}

void TsCtrlSkinData::SetSaturation(int Value) {
  if (Value == FSaturation) return;
  FSaturation = Value;
  EffectsChanged();
}

void TsCtrlSkinData::SetColorTone(TColor Value) {
  if (Value == FColorTone) return;
  FColorTone = Value;
  EffectsChanged();
}

void TacScrollData::SetScrollWidth(int Value) {
  if (Value == FScrollWidth) return;
  FScrollWidth = Value;
  FOwner.ReframeWindow();
}

void TacScrollData::SetButtonsSize(int Value) {
  if (Value == FButtonsSize) return;
  FButtonsSize = Value;
  FOwner.ReframeWindow();
}
