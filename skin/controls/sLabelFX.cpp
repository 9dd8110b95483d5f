// Sections: kind and shadow settings; colours; drawing the text and its shadow; size and
// position; messages.
#include "skin/controls/sLabelFX.h"

#include <algorithm>
#include <utility>

#include "framework/Colors.h"
#include "framework/Handles.h"
#include "framework/core/DescriptionValues.h"
#include "skin/controls/core/LabelFXLayout.h"
#include "skin/render/win32/SkinText.h"
#include "skin/render/win32/TextOnPicture.h"
#include "skin/store/sSkinStore.h"
#include "skin/store/win32/SkinCommands.h"

// ---- Kind and shadow settings ----

void TsKind::SetColor(TColor Value) {
  if (Value == FColor) return;
  FColor = Value;
  FOwner.Invalidate();
}

void TsKind::SetKindType(TsKindType Value) {
  if (Value == FKindType) return;
  FKindType = Value;
  FOwner.Invalidate();
}

void TsShadow::SetDistance(int Value) {
  if (Value == FDistance) return;
  FDistance = Value;
  FOwner.UpdatePosition();
  FOwner.Invalidate();
}

void TsShadow::SetBlurCount(int Value) {
  if (Value == FBlurCount) return;
  FBlurCount = Value;
  FOwner.UpdatePosition();
  FOwner.Invalidate();
}

void TsShadow::SetColor(TColor Value) {
  if (Value == FColor) return;
  FColor = Value;
  FOwner.Invalidate();
}

void TsShadow::SetMode(TsShadowMode Value) {
  if (Value == FMode) return;
  FMode = Value;
  FOwner.UpdatePosition();
  FOwner.Invalidate();
}

void TsShadow::SetAlphaValue(int Value) {
  const auto Clamped = static_cast<std::uint8_t>(std::clamp(Value, 0, 255));
  if (Clamped == FAlphaValue) return;
  FAlphaValue = Clamped;
  FOwner.Invalidate();
}

TsLabelFX::TsLabelFX(TComponent* AOwner) : TsCustomLabel(AOwner) {}

TShadowData TsLabelFX::CurrentShadowData() const {
  const TShadowData Own{FShadow.Color(), FShadow.BlurCount(), FShadow.Distance(), FShadow.AlphaValue()};
  const TsSkinStore* Store = ActiveStore();
  return ::CurrentShadowData(FShadow.Mode(), Own, Store ? &Store->CommonSkinData() : nullptr);
}

// ---- Colours ----

TColor TsLabelFX::CurrentFontColor() {
  switch (FKind.KindType()) {
    case ktStandard:
      return Color();
    case ktCustom:
      return FKind.Color();
    case ktSkin:
      break;
  }
  const TsSkinStore* Store = ActiveStore();
  if (!Store) return FKind.Color();
  if (!SkinSection().empty()) ResolveSection();
  if (!ShadowExists()) return SkinStateFontColor();
  if (Store->IsValidSkinIndex(FSkinIndex)) return Store->gd()[static_cast<std::size_t>(FSkinIndex)].Props[0].FontColor.Color;
  const int Global = Store->ConstData().IndexGLobalInfo;
  if (Store->IsValidSkinIndex(Global)) {
    const TColor Contour = Store->gd()[static_cast<std::size_t>(Global)].Props[0].FontColor.Left;
    if (Contour != -1) return Contour;
  }
  return FKind.Color();
}

TColor TsLabelFX::PlainFontColor() const {
  switch (FKind.KindType()) {
    case ktStandard:
      return clWindowText;
    case ktCustom:
      return FKind.Color();
    case ktSkin:
      break;
  }
  const TsSkinStore* Store = ActiveStore();
  return Store ? Store->GetGlobalFontColor() : Font().Color();
}

// ---- Drawing the text and its shadow ----

std::optional<TUniqueFont> TsLabelFX::RotatedFont() {
  if (FAngle == 0) return std::nullopt;
  LOGFONTW Log{};
  if (!GetObjectW(Canvas().Font().Handle(), sizeof(Log), &Log)) return std::nullopt;
  Log.lfEscapement = Log.lfOrientation = FAngle * 10;
  TUniqueFont Font(CreateFontIndirectW(&Log));
  if (!Font) return std::nullopt;
  return Font;
}

void TsLabelFX::DrawTextAt(HDC DC, HFONT Font, const std::wstring& Text, RECT T, UINT Flags, TColor Color) {
  const TSavedDCState Saved(DC);
  const TSelectObjectGuard Selected(DC, Font);
  SetBkMode(DC, TRANSPARENT);
  SetTextColor(DC, ColorToRGB(Color));
  DrawTextKeepingAlpha(DC, Text, T, Flags);
}

bool TsLabelFX::BuildShadowPicture(HDC Canvas, HFONT Font, const std::wstring& Text, RECT T, UINT Flags,
                                   const TShadowData& Shadow) {
  if (!FMask || FMask->Width() != Width() || FMask->Height() != Height()) {
    FMask.reset();
    std::optional<TDibSection> Made = TDibSection::Make(Width(), Height());
    if (!Made) return false;
    FMask.emplace(std::move(*Made));
  }
  FMask->Pixels().Fill(0xFF000000u);
  OffsetRect(&T, Shadow.Offset, Shadow.Offset);
  DrawTextAt(FMask->DC(), Font, Text, T, Flags, clWhite);
  BlurShadowMask(FMask->Pixels(), Shadow.Blur, FMaskBits);
  if (Transparent()) {
    BitBlt(FMask->DC(), 0, 0, Width(), Height(), Canvas, 0, 0, SRCCOPY);
  } else {
    FMask->Pixels().Fill(0xFF000000u | ExchangeRedBlue(static_cast<TPixel32>(ColorToRGB(Color()))));
  }
  ComposeShadow(FMask->Pixels(), FMaskBits, ColorToRGB(Shadow.Color), Shadow.Alpha);
  FNeedInvalidate = false;
  return true;
}

void TsLabelFX::DoDrawText(RECT& Rect, UINT Flags) {
  const bool Measuring = (Flags & DT_CALCRECT) != 0;
  const bool Plain = Loading() || (!ShadowExists() && FSkinIndex < 0);
  if (Plain && FAngle == 0) {
    if (!Measuring) Canvas().Font().SetColor(PlainFontColor());
    Canvas().DrawText(DrawnCaption(Flags), Rect, Flags);
    return;
  }
  const TShadowData Shadow = Plain ? TShadowData{} : CurrentShadowData();
  const TacOffsetKeeper Extents = ShadowExtents(Shadow);
  const std::wstring Text = DrawnCaption(Flags);
  UINT Format = (Flags & ~(DT_CALCRECT | DT_WORDBREAK | DT_SINGLELINE)) | DT_NOCLIP;
  Format |= WordWrap() ? DT_WORDBREAK : DT_SINGLELINE;
  if (!ShowAccelChar()) Format |= DT_NOPREFIX;

  RECT Measured{0, 0, Rect.right - Rect.left, 0};
  Canvas().DrawText(Text, Measured, Format | DT_CALCRECT);
  const TRotatedText Box = RotatedTextBox(Measured.right - Measured.left, Measured.bottom - Measured.top, FAngle);
  if (Measuring) {
    const int Grow = Extents.RightBottom - Extents.LeftTop;
    Rect.right = Rect.left + Box.Width + Grow;
    Rect.bottom = Rect.top + Box.Height + Grow;
    return;
  }
  const TRect Placed = ShadowedTextRect({Rect.left, Rect.top, Rect.right, Rect.bottom}, Box.Width, Box.Height,
                                        Alignment(), Layout(), Shadow);
  RECT T{Placed.Left, Placed.Top, Placed.Right, Placed.Bottom};
  const std::optional<TUniqueFont> Rotated = RotatedFont();
  const HFONT Font = Rotated ? Rotated->Get() : Canvas().Font().Handle();
  if (Rotated) {
    // A turned text starts at its origin in the box; alignment inside the box is done.
    OffsetRect(&T, Box.Origin.X, Box.Origin.Y);
    Format &= ~static_cast<UINT>(DT_CENTER | DT_RIGHT);
  }
  const HDC DC = Canvas().Handle();
  if (!Enabled()) {
    RECT Highlight = T;
    OffsetRect(&Highlight, 1, 1);
    DrawTextAt(DC, Font, Text, Highlight, Format, clBtnHighlight);
    DrawTextAt(DC, Font, Text, T, Format, clBtnShadow);
    return;
  }
  const TColor TextColor = CurrentFontColor();
  if (Shadow.Color == clNone || Shadow.Blur == 0) return DrawTextAt(DC, Font, Text, T, Format, TextColor);
  if ((FNeedInvalidate || !FShadow.Buffered() || !FMask) && !BuildShadowPicture(DC, Font, Text, T, Format, Shadow))
    return DrawTextAt(DC, Font, Text, T, Format, TextColor);
  BitBlt(DC, 0, 0, Width(), Height(), FMask->DC(), 0, 0, SRCCOPY);
  if (!Rotated && FSkinIndex >= 0) return DrawSectionText(Canvas(), Text, true, ActiveStore(), 0, FSkinIndex, Format, T);
  DrawTextAt(DC, Font, Text, T, Format, TextColor);
}

// ---- Size and position ----

void TsLabelFX::AdjustBounds() {
  if (Loading()) return;
  const TacOffsetKeeper Extents = ShadowExtents(CurrentShadowData());
  TRotatedText Box;
  if (AutoSize()) {
    const TWindowDC Screen(nullptr);
    const TSelectObjectGuard Selected(Screen.Get(), Font().Handle());
    const std::wstring Text = DrawnCaption(DT_CALCRECT);
    RECT R{0, 0, WordWrap() ? Width() : 0, 0};
    DrawTextW(Screen.Get(), Text.c_str(), static_cast<int>(Text.size()), &R,
              DT_CALCRECT | DT_NOPREFIX | DT_EXPANDTABS | (WordWrap() ? DT_WORDBREAK : DT_SINGLELINE));
    Box = RotatedTextBox(R.right - R.left, R.bottom - R.top, FAngle);
  }
  const TRect Now{Left(), Top(), Left() + Width(), Top() + Height()};
  const TRect New = ShadowedLabelBounds(Now, AutoSize(), Box.Width, Box.Height, Alignment(), Layout(), Extents,
                                        FShadow.OffsetKeeper);
  IntPosChanging = true;
  SetBounds(New.Left, New.Top, New.Width(), New.Height());
  IntPosChanging = false;
  FShadow.OffsetKeeper = Extents;
}

void TsLabelFX::UpdatePosition() {
  if (ShadowExtents(CurrentShadowData()) != FShadow.OffsetKeeper) AdjustBounds();
}

void TsLabelFX::SetBounds(int ALeft, int ATop, int AWidth, int AHeight) {
  TsCustomLabel::SetBounds(ALeft, ATop, AWidth, AHeight);
  FNeedInvalidate = true;
  if (!IntPosChanging && !Loading()) FShadow.OffsetKeeper = ShadowExtents(CurrentShadowData());
}

void TsLabelFX::SetAngle(int Value) {
  if (Value == FAngle) return;
  FAngle = Value;
  if (FAngle != 0) SetWordWrap(false);
  if (AutoSize()) AdjustBounds();
  Invalidate();
}

void TsLabelFX::Invalidate() {
  if (WordWrap() && FAngle != 0) FAngle = 0;
  FNeedInvalidate = true;
  TsCustomLabel::Invalidate();
}

// ---- Messages ----

bool TsLabelFX::SkinCommand(TMessage& Message) {
  switch (SkinCommandCode(Message.WParam)) {
    case SKC_SKIN_LOADED:
      UpdatePosition();
      Invalidate();
      return true;
    case SKC_SKIN_REMOVED: {
      const bool Handled = TsCustomLabel::SkinCommand(Message);
      if (!Loading() && !Destroying()) UpdatePosition();
      return Handled;
    }
    default:
      return TsCustomLabel::SkinCommand(Message);
  }
}

bool TsLabelFX::ReadProperty(const std::wstring& PropertyName, const TDescriptionValue& Value) {
  if (PropertyName == L"Angle") return SetAngle(AsInteger(Value)), true;
  if (PropertyName == L"Kind.KindType") {
    FKind.SetKindType(AsEnum<TsKindType>(
        Value, {{L"ktStandard", ktStandard}, {L"ktCustom", ktCustom}, {L"ktSkin", ktSkin}}));
    return true;
  }
  if (PropertyName == L"Kind.Color") return FKind.SetColor(AsColor(Value)), true;
  if (PropertyName == L"Shadow.Mode") {
    FShadow.SetMode(AsEnum<TsShadowMode>(Value, {{L"smNone", smNone}, {L"smCustom", smCustom}, {L"smSkin1", smSkin1}}));
    return true;
  }
  if (PropertyName == L"Shadow.Color") return FShadow.SetColor(AsColor(Value)), true;
  if (PropertyName == L"Shadow.Distance") return FShadow.SetDistance(AsInteger(Value)), true;
  if (PropertyName == L"Shadow.BlurCount") return FShadow.SetBlurCount(AsInteger(Value)), true;
  if (PropertyName == L"Shadow.AlphaValue") return FShadow.SetAlphaValue(AsInteger(Value)), true;
  if (PropertyName == L"Shadow.Buffered") return FShadow.SetBuffered(AsBoolean(Value)), true;
  if (PropertyName == L"Shadow.OffsetKeeper.LeftTop") return FShadow.OffsetKeeper.LeftTop = AsInteger(Value), true;
  if (PropertyName == L"Shadow.OffsetKeeper.RightBottom")
    return FShadow.OffsetKeeper.RightBottom = AsInteger(Value), true;
  return TsCustomLabel::ReadProperty(PropertyName, Value);
}
