#include "framework/core/DescriptionValues.h"

#include <limits>
#include <string>

namespace {

const char* KindName(TDescriptionValue::TKind Kind) {
  switch (Kind) {
    case TDescriptionValue::TKind::Integer:
      return "an integer";
    case TDescriptionValue::TKind::String:
      return "a string";
    case TDescriptionValue::TKind::Identifier:
      return "an identifier";
    case TDescriptionValue::TKind::Set:
      return "a set";
    case TDescriptionValue::TKind::Binary:
      return "binary data";
    case TDescriptionValue::TKind::List:
      return "a list";
    case TDescriptionValue::TKind::Collection:
      return "a collection";
  }
  return "an unknown value";
}

std::string Narrow(std::wstring_view Text) {
  std::string Result;
  for (const wchar_t C : Text) Result += (C >= 0x20 && C < 0x7F) ? static_cast<char>(C) : '?';
  return Result;
}

struct TColorName {
  std::wstring_view Name;
  TColor Color;
};

constexpr TColorName ColorNames[] = {
    {L"clNone", clNone},
    {L"clDefault", clDefault},
    {L"clBlack", clBlack},
    {L"clMaroon", clMaroon},
    {L"clGreen", clGreen},
    {L"clOlive", clOlive},
    {L"clNavy", clNavy},
    {L"clPurple", clPurple},
    {L"clTeal", clTeal},
    {L"clGray", clGray},
    {L"clSilver", clSilver},
    {L"clRed", clRed},
    {L"clLime", clLime},
    {L"clYellow", clYellow},
    {L"clBlue", clBlue},
    {L"clFuchsia", clFuchsia},
    {L"clAqua", clAqua},
    {L"clWhite", clWhite},
    {L"clMoneyGreen", clMoneyGreen},
    {L"clSkyBlue", clSkyBlue},
    {L"clCream", clCream},
    {L"clMedGray", clMedGray},
    {L"clScrollBar", clScrollBar},
    {L"clBackground", clBackground},
    {L"clActiveCaption", clActiveCaption},
    {L"clInactiveCaption", clInactiveCaption},
    {L"clMenu", clMenu},
    {L"clWindow", clWindow},
    {L"clWindowFrame", clWindowFrame},
    {L"clMenuText", clMenuText},
    {L"clWindowText", clWindowText},
    {L"clCaptionText", clCaptionText},
    {L"clActiveBorder", clActiveBorder},
    {L"clInactiveBorder", clInactiveBorder},
    {L"clAppWorkSpace", clAppWorkSpace},
    {L"clHighlight", clHighlight},
    {L"clHighlightText", clHighlightText},
    {L"clBtnFace", clBtnFace},
    {L"clBtnShadow", clBtnShadow},
    {L"clGrayText", clGrayText},
    {L"clBtnText", clBtnText},
    {L"clInactiveCaptionText", clInactiveCaptionText},
    {L"clBtnHighlight", clBtnHighlight},
    {L"cl3DDkShadow", cl3DDkShadow},
    {L"cl3DLight", cl3DLight},
    {L"clInfoText", clInfoText},
    {L"clInfoBk", clInfoBk},
    {L"clHotLight", clHotLight},
    {L"clGradientActiveCaption", clGradientActiveCaption},
    {L"clGradientInactiveCaption", clGradientInactiveCaption},
    {L"clMenuHighlight", clMenuHighlight},
    {L"clMenuBar", clMenuBar},
};

}  // namespace

void RequireKind(const TDescriptionValue& Value, TDescriptionValue::TKind Expected) {
  if (Value.Kind != Expected) {
    throw EPropertyError(std::string("expected ") + KindName(Expected) + ", found " + KindName(Value.Kind));
  }
}

void ThrowUnknownIdentifier(std::wstring_view Identifier) {
  throw EPropertyError("unknown value '" + Narrow(Identifier) + "'");
}

int AsInteger(const TDescriptionValue& Value) {
  RequireKind(Value, TDescriptionValue::TKind::Integer);
  // Stored colours and flags use the full 32 bits, e.g. $FF00000F for clBtnFace.
  if (Value.Integer < std::numeric_limits<std::int32_t>::min() || Value.Integer > 0xFFFFFFFFLL) {
    throw EPropertyError("integer out of range: " + std::to_string(Value.Integer));
  }
  return static_cast<int>(static_cast<std::int32_t>(static_cast<std::uint32_t>(Value.Integer)));
}

std::wstring AsString(const TDescriptionValue& Value) {
  RequireKind(Value, TDescriptionValue::TKind::String);
  return Value.Text;
}

std::wstring AsIdentifier(const TDescriptionValue& Value) {
  RequireKind(Value, TDescriptionValue::TKind::Identifier);
  return Value.Text;
}

bool AsBoolean(const TDescriptionValue& Value) {
  const std::wstring Identifier = AsIdentifier(Value);
  if (Identifier == L"True") return true;
  if (Identifier == L"False") return false;
  ThrowUnknownIdentifier(Identifier);
}

TColor AsColor(const TDescriptionValue& Value) {
  if (Value.Kind == TDescriptionValue::TKind::Integer) return static_cast<TColor>(AsInteger(Value));
  const std::wstring Identifier = AsIdentifier(Value);
  for (const TColorName& Entry : ColorNames) {
    if (Entry.Name == Identifier) return Entry.Color;
  }
  ThrowUnknownIdentifier(Identifier);
}
