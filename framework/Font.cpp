#include "framework/Font.h"

#include "framework/core/DescriptionValues.h"

void TFont::SetName(const std::wstring& Value) {
  if (Value == FName) return;
  FName = Value;
  Changed(true);
}

void TFont::SetHeight(int Value) {
  if (Value == FHeight) return;
  FHeight = Value;
  Changed(true);
}

void TFont::SetColor(TColor Value) {
  if (Value == FColor) return;
  FColor = Value;
  Changed(false);
}

void TFont::SetStyle(TFontStyles Value) {
  if (Value == FStyle) return;
  FStyle = Value;
  Changed(true);
}

void TFont::SetCharset(int Value) {
  if (Value == FCharset) return;
  FCharset = Value;
  Changed(true);
}

bool TFont::SameAs(const TFont& Other) const {
  return FName == Other.FName && FHeight == Other.FHeight && FColor == Other.FColor &&
         FStyle == Other.FStyle && FCharset == Other.FCharset;
}

void TFont::Assign(const TFont& Source) {
  if (SameAs(Source)) return;
  const bool HandleChanged = FName != Source.FName || FHeight != Source.FHeight || FStyle != Source.FStyle ||
                             FCharset != Source.FCharset;
  FName = Source.FName;
  FHeight = Source.FHeight;
  FColor = Source.FColor;
  FStyle = Source.FStyle;
  FCharset = Source.FCharset;
  Changed(HandleChanged);
}

void TFont::Changed(bool HandleChanged) {
  if (HandleChanged) FHandleStale = true;
  if (OnChange) OnChange(this);
}

bool TFont::ReadProperty(const std::wstring& PropertyName, const TDescriptionValue& Value) {
  if (PropertyName == L"Name") {
    SetName(AsString(Value));
  } else if (PropertyName == L"Height") {
    SetHeight(AsInteger(Value));
  } else if (PropertyName == L"Color") {
    SetColor(AsColor(Value));
  } else if (PropertyName == L"Style") {
    SetStyle(AsSet<TFontStyle>(Value, {{L"fsBold", TFontStyle::fsBold},
                                       {L"fsItalic", TFontStyle::fsItalic},
                                       {L"fsUnderline", TFontStyle::fsUnderline},
                                       {L"fsStrikeOut", TFontStyle::fsStrikeOut}}));
  } else if (PropertyName == L"Charset") {
    if (Value.Kind == TDescriptionValue::TKind::Integer) {
      SetCharset(AsInteger(Value));
    } else {
      SetCharset(AsEnum<int>(Value, {{L"ANSI_CHARSET", ANSI_CHARSET},
                                     {L"DEFAULT_CHARSET", DEFAULT_CHARSET},
                                     {L"SYMBOL_CHARSET", SYMBOL_CHARSET},
                                     {L"OEM_CHARSET", OEM_CHARSET},
                                     {L"RUSSIAN_CHARSET", RUSSIAN_CHARSET},
                                     {L"EASTEUROPE_CHARSET", EASTEUROPE_CHARSET}}));
    }
  } else {
    return false;
  }
  return true;
}

HFONT TFont::Handle() {
  if (!FHandle || FHandleStale) {
    LOGFONTW Log{};
    Log.lfHeight = FHeight;
    Log.lfWeight = FStyle.Contains(TFontStyle::fsBold) ? FW_BOLD : FW_NORMAL;
    Log.lfItalic = FStyle.Contains(TFontStyle::fsItalic);
    Log.lfUnderline = FStyle.Contains(TFontStyle::fsUnderline);
    Log.lfStrikeOut = FStyle.Contains(TFontStyle::fsStrikeOut);
    Log.lfCharSet = static_cast<BYTE>(FCharset);
    Log.lfOutPrecision = OUT_DEFAULT_PRECIS;
    Log.lfClipPrecision = CLIP_DEFAULT_PRECIS;
    Log.lfQuality = DEFAULT_QUALITY;
    Log.lfPitchAndFamily = DEFAULT_PITCH;
    FName.copy(Log.lfFaceName, LF_FACESIZE - 1);
    FHandle.Reset(CreateFontIndirectW(&Log));
    FHandleStale = false;
  }
  return FHandle.Get();
}
