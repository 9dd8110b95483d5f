// TCustomLabel / TLabel: text drawn on the parent's surface (no window of its own). With
// AutoSize the label takes the size of its text, keeping the edge its alignment holds, once
// its description has been read and whenever its caption, font or wrapping changes (the
// fonts of the system that shows it may measure differently from the stored size).
#pragma once

#include "framework/GraphicControl.h"
#include "framework/core/TextAlignment.h"

class TCustomLabel : public TGraphicControl {
 public:
  explicit TCustomLabel(TComponent* AOwner);

  bool AutoSize() const { return FAutoSize; }
  void SetAutoSize(bool Value);
  bool WordWrap() const { return FWordWrap; }
  void SetWordWrap(bool Value);
  TAlignment Alignment() const { return FAlignment; }
  void SetAlignment(TAlignment Value);
  TTextLayout Layout() const { return FLayout; }
  void SetLayout(TTextLayout Value);
  // A transparent label leaves the parent's pixels around its text.
  bool Transparent() const { return FTransparent; }
  void SetTransparent(bool Value);
  // "&" marks the next character as an accelerator (underlined) instead of showing itself.
  bool ShowAccelChar() const { return FShowAccelChar; }
  void SetShowAccelChar(bool Value);

  bool ReadProperty(const std::wstring& PropertyName, const TDescriptionValue& Value) override;
  void Loaded() override;

 protected:
  void Paint() override;
  void WndProc(TMessage& Message) override;
  // Draws the caption into Rect on Canvas with DrawTextW Flags; with DT_CALCRECT only
  // measures it (Rect gets the text's extent).
  virtual void DoDrawText(RECT& Rect, UINT Flags);
  // Draws the caption inside the client area with the label's alignment and layout.
  void DrawCaption();
  // The DrawTextW flags of the label's settings (alignment, word wrap, accelerators).
  UINT TextFlags() const;
  // Resizes the label to its text when AutoSize.
  virtual void AdjustBounds();

 private:
  bool FAutoSize = true;
  bool FWordWrap = false;
  TAlignment FAlignment = TAlignment::taLeftJustify;
  TTextLayout FLayout = TTextLayout::tlTop;
  bool FTransparent = false;
  bool FShowAccelChar = true;
};

class TLabel : public TCustomLabel {
 public:
  using TCustomLabel::TCustomLabel;
};
