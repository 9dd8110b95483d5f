#include "skin/controls/acImage.h"

#include "framework/core/DescriptionValues.h"

bool TsImage::ReadProperty(const std::wstring& PropertyName, const TDescriptionValue& Value) {
  if (PropertyName == L"SkinData.SkinSection") {
    // Section names are ASCII.
    const std::wstring Name = AsString(Value);
    FCommonData.SetSkinSection(std::string(Name.begin(), Name.end()));
    return true;
  }
  if (PropertyName == L"UseFullSize") return UseFullSize = AsBoolean(Value), true;
  return TsSkinnedControl::ReadProperty(PropertyName, Value);
}
