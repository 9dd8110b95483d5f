#include "framework/Memo.h"

#include "framework/core/DescriptionValues.h"

TMemo::TMemo(TComponent* AOwner) : TCustomEdit(AOwner) { SetBounds(0, 0, 185, 89); }

void TMemo::CreateParams(TCreateParams& Params) {
  TCustomEdit::CreateParams(Params);
  Params.Style |= ES_MULTILINE | ES_WANTRETURN | ES_AUTOVSCROLL;
  if (FWordWrap) Params.Style &= ~static_cast<DWORD>(ES_AUTOHSCROLL);
  if (FScrollBars == TScrollStyle::ssVertical || FScrollBars == TScrollStyle::ssBoth)
    Params.Style |= WS_VSCROLL;
  if (FScrollBars == TScrollStyle::ssHorizontal || FScrollBars == TScrollStyle::ssBoth)
    Params.Style |= WS_HSCROLL;
}

void TMemo::CreateWnd() {
  TCustomEdit::CreateWnd();
  // 0 asks for the largest limit the system has.
  SendMessageW(Handle(), EM_SETLIMITTEXT, 0, 0);
}

void TMemo::SetScrollBars(TScrollStyle Value) {
  if (Value == FScrollBars) return;
  FScrollBars = Value;
  RecreateWnd();
}

void TMemo::SetWordWrap(bool Value) {
  if (Value == FWordWrap) return;
  FWordWrap = Value;
  RecreateWnd();
}

void TMemo::AppendText(std::wstring_view Text) {
  if (Text.empty()) return;
  if (!HandleAllocated()) {
    FText += Text;
    return;
  }
  const HWND Window = Handle();
  const int End = GetWindowTextLengthW(Window);
  SendMessageW(Window, EM_SETSEL, static_cast<WPARAM>(End), End);
  const std::wstring Piece(Text);
  SendMessageW(Window, EM_REPLACESEL, FALSE, reinterpret_cast<LPARAM>(Piece.c_str()));
  SendMessageW(Window, EM_SCROLLCARET, 0, 0);
}

bool TMemo::ReadProperty(const std::wstring& PropertyName, const TDescriptionValue& Value) {
  if (PropertyName == L"ScrollBars") {
    SetScrollBars(AsEnum<TScrollStyle>(Value, {{L"ssNone", TScrollStyle::ssNone},
                                               {L"ssHorizontal", TScrollStyle::ssHorizontal},
                                               {L"ssVertical", TScrollStyle::ssVertical},
                                               {L"ssBoth", TScrollStyle::ssBoth}}));
  } else if (PropertyName == L"WordWrap") {
    SetWordWrap(AsBoolean(Value));
  } else if (PropertyName == L"Lines.Strings") {
    RequireKind(Value, TDescriptionValue::TKind::List);
    std::wstring Joined;
    for (std::size_t I = 0; I < Value.Items.size(); ++I) {
      if (I > 0) Joined += L"\r\n";
      Joined += AsString(Value.Items[I]);
    }
    SetText(Joined);
  } else {
    return TCustomEdit::ReadProperty(PropertyName, Value);
  }
  return true;
}
