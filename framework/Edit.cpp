#include "framework/Edit.h"

#include <algorithm>

#include "framework/Colors.h"
#include "framework/PrivateMessages.h"
#include "framework/core/DescriptionValues.h"

TCustomEdit::TCustomEdit(TComponent* AOwner) : TWinControl(AOwner) {
  SetTabStop(true);
  SetColor(clWindow);
  SetBounds(0, 0, 121, 21);
}

void TCustomEdit::CreateParams(TCreateParams& Params) {
  TWinControl::CreateParams(Params);
  Params.WinClassName = L"QvEdit";
  Params.SystemClassName = L"EDIT";
  Params.Style |= ES_AUTOHSCROLL;
  if (FReadOnly) Params.Style |= ES_READONLY;
  if (FPasswordChar) Params.Style |= ES_PASSWORD;
  Params.ExStyle |= WS_EX_CLIENTEDGE;
}

void TCustomEdit::CreateWnd() {
  TWinControl::CreateWnd();
  if (FPasswordChar) SendMessageW(Handle(), EM_SETPASSWORDCHAR, FPasswordChar, 0);
  if (FMaxLength > 0) SendMessageW(Handle(), EM_SETLIMITTEXT, static_cast<WPARAM>(FMaxLength), 0);
}

void TCustomEdit::SetMaxLength(int Value) {
  Value = std::max(Value, 0);
  if (Value == FMaxLength) return;
  FMaxLength = Value;
  if (HandleAllocated()) SendMessageW(Handle(), EM_SETLIMITTEXT, static_cast<WPARAM>(Value), 0);
}

void TCustomEdit::SetPasswordChar(wchar_t Value) {
  if (Value == FPasswordChar) return;
  FPasswordChar = Value;
  if (!HandleAllocated()) return;
  SendMessageW(Handle(), EM_SETPASSWORDCHAR, Value, 0);
  Invalidate();
}

void TCustomEdit::SetReadOnly(bool Value) {
  if (Value == FReadOnly) return;
  FReadOnly = Value;
  if (HandleAllocated()) SendMessageW(Handle(), EM_SETREADONLY, Value, 0);
}

void TCustomEdit::SetTextHint(const std::wstring& Value) {
  if (Value == FTextHint) return;
  FTextHint = Value;
  Invalidate();
}

LRESULT TCustomEdit::ControlColors(HDC DC) {
  const TColor Background = Color();
  if (!FBrush || FBrushColor != Background) {
    FBrush.Reset(CreateSolidBrush(ColorToRGB(Background)));
    FBrushColor = Background;
  }
  SetTextColor(DC, ColorToRGB(Font().Color()));
  SetBkColor(DC, ColorToRGB(Background));
  return reinterpret_cast<LRESULT>(FBrush.Get());
}

bool TCustomEdit::HintShown() const {
  return !FTextHint.empty() && !Focused() &&
         GetWindowTextLengthW(const_cast<TCustomEdit*>(this)->Handle()) == 0;
}

void TCustomEdit::DrawHint(HDC DC) {
  RECT Rect{};
  SendMessageW(Handle(), EM_GETRECT, 0, reinterpret_cast<LPARAM>(&Rect));
  const TSavedDCState Saved(DC);
  SelectObject(DC, Font().Handle());
  SetTextColor(DC, GetSysColor(COLOR_GRAYTEXT));
  SetBkMode(DC, TRANSPARENT);
  const UINT Lines = (GetWindowLongPtrW(Handle(), GWL_STYLE) & ES_MULTILINE) ? DT_WORDBREAK : DT_SINGLELINE;
  DrawTextW(DC, FTextHint.c_str(), static_cast<int>(FTextHint.size()), &Rect,
            Lines | DT_NOPREFIX | DT_END_ELLIPSIS);
}

void TCustomEdit::PaintWithHint(TMessage& Message) {
  // The native control paints into the DC we give it; the hint goes on top.
  if (Message.WParam) {
    DefaultHandler(Message);
    DrawHint(reinterpret_cast<HDC>(Message.WParam));
    return;
  }
  const TPaintDC Paint(Handle());
  TMessage Native{WM_PAINT, reinterpret_cast<WPARAM>(Paint.Get()), 0, 0};
  DefaultHandler(Native);
  DrawHint(Paint.Get());
}

void TCustomEdit::WndProc(TMessage& Message) {
  switch (Message.Msg) {
    case CN_CTLCOLOREDIT:
    case CN_CTLCOLORSTATIC:
      Message.Result = ControlColors(reinterpret_cast<HDC>(Message.WParam));
      return;
    case CN_COMMAND:
      // The hint goes with the first character typed and comes back with the last deleted.
      if (HIWORD(Message.WParam) == EN_CHANGE && !FTextHint.empty()) Invalidate();
      return;
    case WM_PAINT:
    case WM_PRINTCLIENT:
      if (HintShown()) {
        PaintWithHint(Message);
        return;
      }
      break;
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
      TWinControl::WndProc(Message);
      if (!FTextHint.empty()) Invalidate();
      return;
    default:
      break;
  }
  TWinControl::WndProc(Message);
}

bool TCustomEdit::ReadProperty(const std::wstring& PropertyName, const TDescriptionValue& Value) {
  if (PropertyName == L"ReadOnly") {
    SetReadOnly(AsBoolean(Value));
  } else if (PropertyName == L"MaxLength") {
    SetMaxLength(AsInteger(Value));
  } else if (PropertyName == L"PasswordChar") {
    const std::wstring Char = AsString(Value);
    SetPasswordChar(Char.empty() ? 0 : Char[0]);
  } else if (PropertyName == L"TextHint") {
    SetTextHint(AsString(Value));
  } else {
    return TWinControl::ReadProperty(PropertyName, Value);
  }
  return true;
}
