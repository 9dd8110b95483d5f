// The skin data most controls own: TsCommonData with the colour effects the application
// chooses (hue, saturation, tone); and, for memos and other scrolling controls, with the
// sizes of their skinned scroll bars as well.
#pragma once

#include "skin/render/win32/sCommonData.h"

class TsCtrlSkinData : public TsCommonData {
 public:
  using TsCommonData::TsCommonData;

  // Each setter re-applies the section's colours and repaints, unless the value is unchanged.
  int HUEOffset() const { return FHUEOffset; }
  void SetHUEOffset(int Value);
  int Saturation() const { return FSaturation; }
  void SetSaturation(int Value);
  TColor ColorTone() const { return FColorTone; }
  void SetColorTone(TColor Value);

 private:
  void EffectsChanged();
};

class TsScrollWndData;

// One scroll bar's sizes; -1 is the system's. A change re-frames the control's window.
class TacScrollData {
 public:
  explicit TacScrollData(TsScrollWndData& AOwner) : FOwner(AOwner) {}
  int ScrollWidth() const { return FScrollWidth; }
  void SetScrollWidth(int Value);
  int ButtonsSize() const { return FButtonsSize; }
  void SetButtonsSize(int Value);

 private:
  TsScrollWndData& FOwner;
  int FScrollWidth = -1;
  int FButtonsSize = -1;
};

class TsScrollWndData : public TsCtrlSkinData {
 public:
  using TsCtrlSkinData::TsCtrlSkinData;

  TacScrollData& VertScrollData() { return FVertScrollData; }
  TacScrollData& HorzScrollData() { return FHorzScrollData; }

 private:
  TacScrollData FVertScrollData{*this};
  TacScrollData FHorzScrollData{*this};
};
