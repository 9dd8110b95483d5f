// TCustomEdit / TEdit: the system edit control, coloured by the control's Color and font
// colour (reflected WM_CTLCOLOREDIT / WM_CTLCOLORSTATIC, answered with a brush the control
// owns). While the text is empty and the control has no focus it shows TextHint in the
// system's grey text colour; the control draws the hint itself after the native painting,
// because the system edit class shows a cue banner only with version 6 common controls
// (Wine's built-in edit class of user32 has none).
#pragma once

#include <string>

#include "framework/Handles.h"
#include "framework/WinControl.h"

class TCustomEdit : public TWinControl {
 public:
  explicit TCustomEdit(TComponent* AOwner);

  bool ReadOnly() const { return FReadOnly; }
  void SetReadOnly(bool Value);
  const std::wstring& TextHint() const { return FTextHint; }
  void SetTextHint(const std::wstring& Value);
  // The most characters the user can type in; 0: as many as the system allows.
  int MaxLength() const { return FMaxLength; }
  void SetMaxLength(int Value);
  // Shown once for each character of the text instead of it; 0 shows the text.
  wchar_t PasswordChar() const { return FPasswordChar; }
  void SetPasswordChar(wchar_t Value);
  void Clear() { SetText(L""); }

  bool ReadProperty(const std::wstring& PropertyName, const TDescriptionValue& Value) override;

 protected:
  void CreateParams(TCreateParams& Params) override;
  void CreateWnd() override;
  void WndProc(TMessage& Message) override;

 private:
  bool FReadOnly = false;
  wchar_t FPasswordChar = 0;
  int FMaxLength = 0;
  std::wstring FTextHint;
  TUniqueBrush FBrush;
  TColor FBrushColor = clNone;

  LRESULT ControlColors(HDC DC);
  bool HintShown() const;
  void PaintWithHint(TMessage& Message);
  void DrawHint(HDC DC);
};

class TEdit : public TCustomEdit {
 public:
  using TCustomEdit::TCustomEdit;
};
