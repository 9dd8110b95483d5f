// TsLabel, and TsLabelFX: a label whose text is drawn in its colour with effects (shadow,
// outline). The effects come with the engine; until then TsLabelFX draws its text in its
// colour over what lies behind it and keeps its stored effect settings.
#pragma once

#include "framework/Label.h"

class TsLabel : public TLabel {
 public:
  using TLabel::TLabel;
};

enum class TacLabelKindType { ktStandard, ktCustom };

class TsLabelFX : public TsLabel {
 public:
  explicit TsLabelFX(TComponent* AOwner);

  int Angle = 0;
  TacLabelKindType KindType = TacLabelKindType::ktStandard;  // stored as Kind.KindType
  TColor KindColor = clYellow;                               // stored as Kind.Color
  int ShadowOffsetLeftTop = 0;      // stored as Shadow.OffsetKeeper.LeftTop
  int ShadowOffsetRightBottom = 2;  // stored as Shadow.OffsetKeeper.RightBottom

  bool ReadProperty(const std::wstring& PropertyName, const TDescriptionValue& Value) override;

 protected:
  void Paint() override;
};
