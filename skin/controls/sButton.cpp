#include "skin/controls/sButton.h"

#include "framework/DescriptionValues.h"

bool TsButton::ReadProperty(const std::wstring& PropertyName, const TDescriptionValue& Value) {
  if (PropertyName == L"Reflected") return Reflected = AsBoolean(Value), true;
  return TButton::ReadProperty(PropertyName, Value);
}
