#include "skin/controls/acImage.h"

#include "framework/core/DescriptionValues.h"

bool TsImage::ReadProperty(const std::wstring& PropertyName, const TDescriptionValue& Value) {
  if (PropertyName == L"SkinData.SkinSection") return SkinSection = AsString(Value), true;
  if (PropertyName == L"UseFullSize") return UseFullSize = AsBoolean(Value), true;
  return TImage::ReadProperty(PropertyName, Value);
}
