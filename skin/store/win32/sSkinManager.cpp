#include "skin/store/win32/sSkinManager.h"

#include <string_view>

#include "framework/core/DescriptionValues.h"

namespace {

TsStoredSkin ReadStoredSkin(const std::vector<TDescriptionProperty>& Item) {
  TsStoredSkin Skin;
  for (const TDescriptionProperty& Property : Item) {
    if (Property.Name == L"Name") Skin.Name = AsString(Property.Value);
    else if (Property.Name == L"Shadow1Color") Skin.Shadow1Color = AsColor(Property.Value);
    else if (Property.Name == L"Shadow1Offset") Skin.Shadow1Offset = AsInteger(Property.Value);
    else if (Property.Name == L"Shadow1Transparency") Skin.Shadow1Transparency = AsInteger(Property.Value);
    else if (Property.Name == L"Data") {
      RequireKind(Property.Value, TDescriptionValue::TKind::Binary);
      Skin.PackedData = Property.Value.Bytes;
    } else {
      throw EPropertyError("unknown property of an internal skin");
    }
  }
  return Skin;
}

}  // namespace

TsSkinManager::TsSkinManager(TComponent* AOwner) : TComponent(AOwner) {
  // Built-in defaults of the foreign-control lists: a single blank, buttons "TButton".
  ThirdParty.fill(L" ");
  ThirdParty[1] = L"TButton";
}

bool TsSkinManager::ReadProperty(const std::wstring& PropertyName, const TDescriptionValue& Value) {
  if (PropertyName == L"InternalSkins") {
    RequireKind(Value, TDescriptionValue::TKind::Collection);
    InternalSkins.clear();
    for (const auto& Item : Value.CollectionItems) InternalSkins.push_back(ReadStoredSkin(Item));
    return true;
  }
  if (PropertyName == L"SkinDirectory") return SkinDirectory = AsString(Value), true;
  if (PropertyName == L"SkinName") return SkinName = AsString(Value), true;
  if (PropertyName == L"SkinInfo") return SkinInfo = AsString(Value), true;
  constexpr std::wstring_view Prefix = L"ThirdParty.";
  if (PropertyName.starts_with(Prefix)) {
    const std::wstring_view List = std::wstring_view(PropertyName).substr(Prefix.size());
    for (std::size_t I = 0; I < ThirdPartyListNames.size(); ++I)
      if (List == ThirdPartyListNames[I]) return ThirdParty[I] = AsString(Value), true;
  }
  return TComponent::ReadProperty(PropertyName, Value);
}
