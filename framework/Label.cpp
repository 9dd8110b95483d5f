#include "framework/Label.h"

#include "framework/Colors.h"
#include "framework/PrivateMessages.h"
#include "framework/core/DescriptionValues.h"

TCustomLabel::TCustomLabel(TComponent* AOwner) : TGraphicControl(AOwner) {
  SetBounds(0, 0, 65, 17);
  SetControlStyle({TControlStyleFlag::csClickEvents, TControlStyleFlag::csOpaque});
  SetParentColor(true);
}

void TCustomLabel::SetAutoSize(bool Value) {
  if (Value == FAutoSize) return;
  FAutoSize = Value;
  AdjustBounds();
}

void TCustomLabel::SetWordWrap(bool Value) {
  if (Value == FWordWrap) return;
  FWordWrap = Value;
  AdjustBounds();
  Invalidate();
}

void TCustomLabel::SetAlignment(TAlignment Value) {
  if (Value == FAlignment) return;
  FAlignment = Value;
  Invalidate();
}

void TCustomLabel::SetLayout(TTextLayout Value) {
  if (Value == FLayout) return;
  FLayout = Value;
  Invalidate();
}

void TCustomLabel::SetTransparent(bool Value) {
  if (Value == FTransparent) return;
  FTransparent = Value;
  TControlStyle Style = ControlStyle();
  if (Value) {
    Style.Exclude(TControlStyleFlag::csOpaque);
  } else {
    Style.Include(TControlStyleFlag::csOpaque);
  }
  SetControlStyle(Style);
  Invalidate();
}

void TCustomLabel::SetShowAccelChar(bool Value) {
  if (Value == FShowAccelChar) return;
  FShowAccelChar = Value;
  AdjustBounds();
  Invalidate();
}

UINT TCustomLabel::TextFlags() const {
  UINT Flags = DT_EXPANDTABS | (FWordWrap ? DT_WORDBREAK : DT_SINGLELINE);
  if (FAlignment == TAlignment::taCenter) Flags |= DT_CENTER;
  if (FAlignment == TAlignment::taRightJustify) Flags |= DT_RIGHT;
  if (!FShowAccelChar) Flags |= DT_NOPREFIX;
  return Flags;
}

void TCustomLabel::DoDrawText(RECT& Rect, UINT Flags) {
  std::wstring Text = Caption();
  // An empty caption still measures one line high.
  if ((Flags & DT_CALCRECT) && (Text.empty() || (FShowAccelChar && Text == L"&"))) Text = L" ";
  if (Enabled() || (Flags & DT_CALCRECT)) {
    Canvas().DrawText(Text, Rect, Flags);
    return;
  }
  // Disabled: the embossed look, a highlight copy one pixel down and right under a shadow one.
  const TColor TextColor = Canvas().Font().Color();
  RECT Offset = Rect;
  OffsetRect(&Offset, 1, 1);
  Canvas().Font().SetColor(clBtnHighlight);
  Canvas().DrawText(Text, Offset, Flags);
  Canvas().Font().SetColor(clBtnShadow);
  Canvas().DrawText(Text, Rect, Flags);
  Canvas().Font().SetColor(TextColor);
}

void TCustomLabel::DrawCaption() {
  RECT Rect = ClientRect();
  const UINT Flags = TextFlags();
  if (FLayout != TTextLayout::tlTop) {
    RECT Measured = Rect;
    DoDrawText(Measured, Flags | DT_CALCRECT);
    const int TextHeight = Measured.bottom - Measured.top;
    const int Free = (Rect.bottom - Rect.top) - TextHeight;
    Rect.top += FLayout == TTextLayout::tlCenter ? Free / 2 : Free;
    Rect.bottom = Rect.top + TextHeight;
  }
  Canvas().Brush().SetStyle(TBrushStyle::bsClear);
  DoDrawText(Rect, Flags);
}

void TCustomLabel::Paint() {
  if (!FTransparent) {
    Canvas().Brush().SetColor(Color());
    Canvas().FillRect(ClientRect());
  }
  DrawCaption();
}

void TCustomLabel::Loaded() {
  TGraphicControl::Loaded();
  AdjustBounds();
}

void TCustomLabel::AdjustBounds() {
  if (!FAutoSize || Loading()) return;
  const TWindowDC Screen(nullptr);
  Canvas().SetHandle(Screen.Get());
  Canvas().Font().Assign(Font());
  RECT Rect{0, 0, FWordWrap ? Width() : 0, 0};
  DoDrawText(Rect, TextFlags() | DT_CALCRECT);
  Canvas().SetHandle(nullptr);
  // Wrapped, the text's widest line within the label's width.
  const int NewWidth = Rect.right - Rect.left;
  const int NewHeight = Rect.bottom - Rect.top;
  int NewLeft = Left();
  if (FAlignment == TAlignment::taRightJustify) NewLeft = Left() + Width() - NewWidth;
  if (FAlignment == TAlignment::taCenter) NewLeft = Left() + (Width() - NewWidth) / 2;
  SetBounds(NewLeft, Top(), NewWidth, NewHeight);
}

void TCustomLabel::WndProc(TMessage& Message) {
  TGraphicControl::WndProc(Message);
  if (Message.Msg == CM_TEXTCHANGED || Message.Msg == CM_FONTCHANGED) AdjustBounds();
}

bool TCustomLabel::ReadProperty(const std::wstring& PropertyName, const TDescriptionValue& Value) {
  if (PropertyName == L"AutoSize") {
    SetAutoSize(AsBoolean(Value));
  } else if (PropertyName == L"WordWrap") {
    SetWordWrap(AsBoolean(Value));
  } else if (PropertyName == L"Alignment") {
    SetAlignment(AsEnum<TAlignment>(Value, {{L"taLeftJustify", TAlignment::taLeftJustify},
                                            {L"taRightJustify", TAlignment::taRightJustify},
                                            {L"taCenter", TAlignment::taCenter}}));
  } else if (PropertyName == L"Layout") {
    SetLayout(AsEnum<TTextLayout>(Value, {{L"tlTop", TTextLayout::tlTop},
                                          {L"tlCenter", TTextLayout::tlCenter},
                                          {L"tlBottom", TTextLayout::tlBottom}}));
  } else if (PropertyName == L"Transparent") {
    SetTransparent(AsBoolean(Value));
  } else if (PropertyName == L"ShowAccelChar") {
    SetShowAccelChar(AsBoolean(Value));
  } else {
    return TGraphicControl::ReadProperty(PropertyName, Value);
  }
  return true;
}
