#include "framework/Control.h"

#include <stdexcept>

#include "framework/ControlMessages.h"
#include "framework/core/DescriptionValues.h"
#include "framework/WinControl.h"

TControl::TControl(TComponent* AOwner)
    : TComponent(AOwner), FMessageHooks([this](TMessage& Message) { WndProc(Message); }) {
  FFont.OnChange = [this](TObject*) {
    if (!FTakingParentFont) FParentFont = false;
    Perform(CM_FONTCHANGED);
  };
}

TControl::~TControl() {
  MarkDestroying();
  if (FParent) FParent->RemoveControl(this);
}

LRESULT TControl::Perform(UINT Msg, WPARAM WParam, LPARAM LParam) {
  TMessage Message{Msg, WParam, LParam, 0};
  WindowProc(Message);
  return Message.Result;
}

void TControl::SetParent(TWinControl* Value) {
  if (Value == FParent) return;
  for (const TWinControl* P = Value; P; P = P->Parent()) {
    if (P == this) throw std::invalid_argument("a control cannot be its own parent");
  }
  if (FParent) FParent->RemoveControl(this);
  if (Value) Value->InsertControl(this);
}

void TControl::SetBounds(int ALeft, int ATop, int AWidth, int AHeight) {
  if (ALeft == FLeft && ATop == FTop && AWidth == FWidth && AHeight == FHeight) return;
  Invalidate();
  UpdateBounds(ALeft, ATop, AWidth, AHeight);
  Invalidate();
}

void TControl::UpdateBounds(int ALeft, int ATop, int AWidth, int AHeight) {
  if (ALeft == FLeft && ATop == FTop && AWidth == FWidth && AHeight == FHeight) return;
  FLeft = ALeft;
  FTop = ATop;
  FWidth = AWidth;
  FHeight = AHeight;
  RequestAlign();
}

void TControl::RequestAlign() {
  if (FParent && FAlign != TAlign::alNone && FParent->FAligning == 0) FParent->Realign();
}

RECT TControl::ClientRect() const { return {0, 0, FWidth, FHeight}; }

int TControl::ClientWidth() const {
  const RECT R = ClientRect();
  return R.right - R.left;
}

int TControl::ClientHeight() const {
  const RECT R = ClientRect();
  return R.bottom - R.top;
}

void TControl::SetAlign(TAlign Value) {
  if (Value == FAlign) return;
  FAlign = Value;
  if (FParent && FParent->FAligning == 0) FParent->Realign();
}

void TControl::SetVisible(bool Value) {
  if (Value == FVisible) return;
  FVisible = Value;
  Invalidate();
  Perform(CM_VISIBLECHANGED, Value ? 1 : 0);
  if (FParent && FAlign != TAlign::alNone && FParent->FAligning == 0) FParent->Realign();
}

void TControl::SetEnabled(bool Value) {
  if (Value == FEnabled) return;
  FEnabled = Value;
  Perform(CM_ENABLEDCHANGED);
}

void TControl::SetColor(TColor Value) {
  FParentColor = false;
  if (Value == FColor) return;
  FColor = Value;
  Perform(CM_COLORCHANGED);
}

void TControl::SetParentColor(bool Value) {
  FParentColor = Value;
  if (Value) TakeParentColor();
}

void TControl::TakeParentColor() {
  if (!FParent || FParent->Color() == FColor) return;
  FColor = FParent->Color();
  Perform(CM_COLORCHANGED);
}

void TControl::SetParentFont(bool Value) {
  FParentFont = Value;
  if (Value) TakeParentFont();
}

void TControl::TakeParentFont() {
  if (!FParent) return;
  FTakingParentFont = true;
  FFont.Assign(FParent->Font());
  FTakingParentFont = false;
}

std::wstring TControl::Text() const { return FText; }

void TControl::SetText(const std::wstring& Value) {
  if (Value == FText) return;
  FText = Value;
  Perform(CM_TEXTCHANGED);
}

void TControl::Invalidate() {
  if (!FParent || !FParent->HandleAllocated() || FWidth <= 0 || FHeight <= 0) return;
  const RECT Bounds = BoundsRect();
  // A control that does not paint all of its pixels needs the parent's background under it.
  InvalidateRect(FParent->Handle(), &Bounds, !FControlStyle.Contains(TControlStyleFlag::csOpaque));
}

void TControl::Click() {
  if (OnClick) OnClick(this);
}

void TControl::WndProc(TMessage& Message) {
  switch (Message.Msg) {
    case CM_MOUSEENTER:
      if (OnMouseEnter) OnMouseEnter(this);
      return;
    case CM_MOUSELEAVE:
      if (OnMouseLeave) OnMouseLeave(this);
      return;
    case CM_ENABLEDCHANGED:
    case CM_TEXTCHANGED:
    case CM_FONTCHANGED:
    case CM_COLORCHANGED:
      Invalidate();
      return;
    case CM_VISIBLECHANGED:
      return;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
    case WM_LBUTTONUP:
      DefaultHandler(Message);
      // Last: a click handler may free the control.
      if (FControlStyle.Contains(TControlStyleFlag::csClickEvents)) HandleClickMessages(Message);
      return;
    default:
      DefaultHandler(Message);
  }
}

void TControl::HandleClickMessages(const TMessage& Message) {
  if (Message.Msg != WM_LBUTTONUP) {
    FClicking = true;
    return;
  }
  if (!FClicking) return;
  FClicking = false;
  const POINT Point{static_cast<short>(LOWORD(Message.LParam)), static_cast<short>(HIWORD(Message.LParam))};
  const RECT Client = ClientRect();
  if (PtInRect(&Client, Point)) Click();
}

void TControl::DefaultHandler(TMessage&) {}

void TControl::Loaded() { TComponent::Loaded(); }

bool TControl::ReadProperty(const std::wstring& PropertyName, const TDescriptionValue& Value) {
  if (PropertyName.starts_with(L"Font.")) return FFont.ReadProperty(PropertyName.substr(5), Value);
  if (PropertyName == L"Left") {
    SetLeft(AsInteger(Value));
  } else if (PropertyName == L"Top") {
    SetTop(AsInteger(Value));
  } else if (PropertyName == L"Width") {
    SetWidth(AsInteger(Value));
  } else if (PropertyName == L"Height") {
    SetHeight(AsInteger(Value));
  } else if (PropertyName == L"Align") {
    SetAlign(AsEnum<TAlign>(Value, {{L"alNone", TAlign::alNone},
                                    {L"alTop", TAlign::alTop},
                                    {L"alBottom", TAlign::alBottom},
                                    {L"alLeft", TAlign::alLeft},
                                    {L"alRight", TAlign::alRight},
                                    {L"alClient", TAlign::alClient}}));
  } else if (PropertyName == L"Visible") {
    SetVisible(AsBoolean(Value));
  } else if (PropertyName == L"Enabled") {
    SetEnabled(AsBoolean(Value));
  } else if (PropertyName == L"Color") {
    SetColor(AsColor(Value));
  } else if (PropertyName == L"ParentColor") {
    SetParentColor(AsBoolean(Value));
  } else if (PropertyName == L"ParentFont") {
    SetParentFont(AsBoolean(Value));
  } else if (PropertyName == L"Cursor" || PropertyName == L"DragCursor") {
    const TCursor Cursor = Value.Kind == TDescriptionValue::TKind::Integer
                               ? AsInteger(Value)
                               : CursorFromIdentifier(AsIdentifier(Value));
    if (PropertyName == L"Cursor") {
      SetCursor(Cursor);
    } else {
      SetDragCursor(Cursor);
    }
  } else if (PropertyName == L"Caption" || PropertyName == L"Text") {
    SetText(AsString(Value));
  } else if (PropertyName == L"Hint") {
    SetHint(AsString(Value));
  } else if (PropertyName == L"OnClick") {
    OnClick = ReadEvent(Value);
  } else if (PropertyName == L"OnMouseEnter") {
    OnMouseEnter = ReadEvent(Value);
  } else if (PropertyName == L"OnMouseLeave") {
    OnMouseLeave = ReadEvent(Value);
  } else {
    return TComponent::ReadProperty(PropertyName, Value);
  }
  return true;
}
