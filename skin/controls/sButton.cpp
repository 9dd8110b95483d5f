#include "skin/controls/sButton.h"

#include "framework/core/DescriptionValues.h"

TsButton::TsButton(TComponent* AOwner)
    : TsSkinnedControl(AOwner, cocButton, "TsButton", FixedSection("BUTTON")) {
  // Captions wrap onto further lines rather than being cut.
  SetWordWrap(true);
}

bool TsButton::ReadProperty(const std::wstring& PropertyName, const TDescriptionValue& Value) {
  if (PropertyName == L"Reflected") return Reflected = AsBoolean(Value), true;
  return TsSkinnedControl::ReadProperty(PropertyName, Value);
}
