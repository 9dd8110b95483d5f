#include "framework/Panel.h"

#include "framework/Colors.h"
#include "framework/PrivateMessages.h"
#include "framework/core/DescriptionValues.h"

namespace {

// Draws Width nested one-pixel frames, top-left in TopLeft and bottom-right in BottomRight,
// and shrinks Rect by them.
void Frame3D(HDC DC, RECT& Rect, COLORREF TopLeft, COLORREF BottomRight, int Width) {
  const TUniqueBrush Light(CreateSolidBrush(TopLeft));
  const TUniqueBrush Dark(CreateSolidBrush(BottomRight));
  for (int I = 0; I < Width && Rect.right > Rect.left && Rect.bottom > Rect.top; ++I) {
    const RECT Top{Rect.left, Rect.top, Rect.right - 1, Rect.top + 1};
    const RECT Left{Rect.left, Rect.top, Rect.left + 1, Rect.bottom - 1};
    const RECT Bottom{Rect.left, Rect.bottom - 1, Rect.right, Rect.bottom};
    const RECT Right{Rect.right - 1, Rect.top, Rect.right, Rect.bottom};
    FillRect(DC, &Top, Light.Get());
    FillRect(DC, &Left, Light.Get());
    FillRect(DC, &Bottom, Dark.Get());
    FillRect(DC, &Right, Dark.Get());
    InflateRect(&Rect, -1, -1);
  }
}

void Bevel(HDC DC, RECT& Rect, TBevelCut Cut, int Width) {
  if (Cut == TBevelCut::bvNone) return;
  const COLORREF Highlight = ColorToRGB(clBtnHighlight);
  const COLORREF Shadow = ColorToRGB(clBtnShadow);
  if (Cut == TBevelCut::bvRaised) {
    Frame3D(DC, Rect, Highlight, Shadow, Width);
  } else {
    Frame3D(DC, Rect, Shadow, Highlight, Width);
  }
}

const TEnumNames<TBevelCut> BevelNames = {
    {L"bvNone", TBevelCut::bvNone}, {L"bvLowered", TBevelCut::bvLowered}, {L"bvRaised", TBevelCut::bvRaised}};

}  // namespace

TCustomPanel::TCustomPanel(TComponent* AOwner) : TCustomControl(AOwner) {
  SetColor(clBtnFace);
  SetBounds(0, 0, 185, 41);
}

void TCustomPanel::CreateParams(TCreateParams& Params) {
  TCustomControl::CreateParams(Params);
  Params.WinClassName = L"QvPanel";
  Params.ClassStyle |= CS_HREDRAW | CS_VREDRAW;
  Params.Style |= WS_CLIPCHILDREN;
}

void TCustomPanel::FrameChanged() {
  Perform(CM_BORDERCHANGED);
  Realign();
  Invalidate();
}

void TCustomPanel::SetBevelInner(TBevelCut Value) {
  if (Value == FBevelInner) return;
  FBevelInner = Value;
  FrameChanged();
}

void TCustomPanel::SetBevelOuter(TBevelCut Value) {
  if (Value == FBevelOuter) return;
  FBevelOuter = Value;
  FrameChanged();
}

void TCustomPanel::SetBevelWidth(int Value) {
  if (Value == FBevelWidth) return;
  FBevelWidth = Value;
  FrameChanged();
}

void TCustomPanel::SetBorderWidth(int Value) {
  if (Value == FBorderWidth) return;
  FBorderWidth = Value;
  FrameChanged();
}

void TCustomPanel::SetParentBackground(bool Value) {
  if (Value == FParentBackground) return;
  FParentBackground = Value;
  Invalidate();
}

void TCustomPanel::AdjustClientRect(RECT& Rect) const {
  int Inset = FBorderWidth;
  if (FBevelOuter != TBevelCut::bvNone) Inset += FBevelWidth;
  if (FBevelInner != TBevelCut::bvNone) Inset += FBevelWidth;
  InflateRect(&Rect, -Inset, -Inset);
}

void TCustomPanel::Paint() {
  const HDC DC = Canvas().Handle();
  const TColor Face = FParentBackground && Parent() ? Parent()->Color() : Color();
  RECT Rect = ClientRect();
  Canvas().Brush().SetColor(Face);
  Canvas().FillRect(Rect);
  Bevel(DC, Rect, FBevelOuter, FBevelWidth);
  InflateRect(&Rect, -FBorderWidth, -FBorderWidth);
  Bevel(DC, Rect, FBevelInner, FBevelWidth);
  const std::wstring Text = Caption();
  if (Text.empty()) return;
  Canvas().Brush().SetStyle(TBrushStyle::bsClear);
  Canvas().DrawText(Text, Rect, DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_EXPANDTABS);
}

bool TCustomPanel::ReadProperty(const std::wstring& PropertyName, const TDescriptionValue& Value) {
  if (PropertyName == L"BevelInner") {
    SetBevelInner(AsEnum<TBevelCut>(Value, BevelNames));
  } else if (PropertyName == L"BevelOuter") {
    SetBevelOuter(AsEnum<TBevelCut>(Value, BevelNames));
  } else if (PropertyName == L"BevelWidth") {
    SetBevelWidth(AsInteger(Value));
  } else if (PropertyName == L"BorderWidth") {
    SetBorderWidth(AsInteger(Value));
  } else if (PropertyName == L"ParentBackground") {
    SetParentBackground(AsBoolean(Value));
  } else {
    return TCustomControl::ReadProperty(PropertyName, Value);
  }
  return true;
}
