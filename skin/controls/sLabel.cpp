#include "skin/controls/sLabel.h"

#include "framework/core/DescriptionValues.h"

TsLabelFX::TsLabelFX(TComponent* AOwner) : TsLabel(AOwner) { SetTransparent(true); }

bool TsLabelFX::ReadProperty(const std::wstring& PropertyName, const TDescriptionValue& Value) {
  if (PropertyName == L"Angle") return Angle = AsInteger(Value), true;
  if (PropertyName == L"Kind.KindType") {
    KindType = AsEnum<TacLabelKindType>(
        Value, {{L"ktStandard", TacLabelKindType::ktStandard}, {L"ktCustom", TacLabelKindType::ktCustom}});
    return true;
  }
  if (PropertyName == L"Kind.Color") return KindColor = AsColor(Value), true;
  if (PropertyName == L"Shadow.OffsetKeeper.LeftTop") return ShadowOffsetLeftTop = AsInteger(Value), true;
  if (PropertyName == L"Shadow.OffsetKeeper.RightBottom") return ShadowOffsetRightBottom = AsInteger(Value), true;
  return TsLabel::ReadProperty(PropertyName, Value);
}

void TsLabelFX::Paint() {
  // The standard kind draws the text in the label's colour, not the font's.
  Canvas().Font().Assign(Font());
  Canvas().Font().SetColor(Color());
  DrawCaption();
}
