#include "framework/Button.h"

#include "framework/PrivateMessages.h"
#include "framework/core/DescriptionValues.h"

TButton::TButton(TComponent* AOwner) : TWinControl(AOwner) {
  SetTabStop(true);
  SetBounds(0, 0, 75, 25);
}

void TButton::CreateParams(TCreateParams& Params) {
  TWinControl::CreateParams(Params);
  Params.WinClassName = L"QvButton";
  Params.SystemClassName = L"BUTTON";
  Params.Style |= FDefault ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON;
  if (FWordWrap) Params.Style |= BS_MULTILINE;
}

void TButton::SetDefault(bool Value) {
  if (Value == FDefault) return;
  FDefault = Value;
  if (HandleAllocated()) SetButtonStyle(Value);
}

void TButton::SetButtonStyle(bool ADefault) {
  // BM_SETSTYLE takes the whole low word of the style, so keep BS_MULTILINE and friends.
  const auto Style = static_cast<WPARAM>(GetWindowLongPtrW(Handle(), GWL_STYLE) & 0xFFFF & ~BS_TYPEMASK);
  SendMessageW(Handle(), BM_SETSTYLE, Style | (ADefault ? BS_DEFPUSHBUTTON : BS_PUSHBUTTON), TRUE);
}

void TButton::SetWordWrap(bool Value) {
  if (Value == FWordWrap) return;
  FWordWrap = Value;
  RecreateWnd();
}

void TButton::WndProc(TMessage& Message) {
  if (Message.Msg == CN_COMMAND) {
    if (HIWORD(Message.WParam) == BN_CLICKED) Click();
    return;
  }
  TWinControl::WndProc(Message);
}

bool TButton::ReadProperty(const std::wstring& PropertyName, const TDescriptionValue& Value) {
  if (PropertyName == L"Default") {
    SetDefault(AsBoolean(Value));
  } else if (PropertyName == L"Cancel") {
    SetCancel(AsBoolean(Value));
  } else if (PropertyName == L"WordWrap") {
    SetWordWrap(AsBoolean(Value));
  } else {
    return TWinControl::ReadProperty(PropertyName, Value);
  }
  return true;
}
