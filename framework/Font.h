// TFont: a font description with a lazily created HFONT. Changing the name, height, style or
// character set makes Handle() create a new HFONT on its next call (the old one is deleted
// then, so a DC that still has it selected must deselect it on OnChange first). Colour is not
// part of the HFONT.
#pragma once

#include <windows.h>

#include <string>

#include "framework/core/Description.h"
#include "framework/Handles.h"
#include "framework/core/Object.h"
#include "gfx/Set.h"
#include "gfx/Color.h"

enum class TFontStyle { fsBold, fsItalic, fsUnderline, fsStrikeOut };
using TFontStyles = TSet<TFontStyle>;

class TFont : public TObject {
 public:
  TFont() = default;

  const std::wstring& Name() const { return FName; }
  void SetName(const std::wstring& Value);
  // Pixels; negative: the character height, positive: the cell height.
  int Height() const { return FHeight; }
  void SetHeight(int Value);
  TColor Color() const { return FColor; }
  void SetColor(TColor Value);
  TFontStyles Style() const { return FStyle; }
  void SetStyle(TFontStyles Value);
  int Charset() const { return FCharset; }
  void SetCharset(int Value);

  // Takes every setting of Source; one OnChange when anything differs.
  void Assign(const TFont& Source);
  bool SameAs(const TFont& Other) const;

  // A stored font property without the "Font." prefix: Name, Height, Color, Style, Charset.
  bool ReadProperty(const std::wstring& PropertyName, const TDescriptionValue& Value);

  HFONT Handle();

  TNotifyEvent OnChange;

 private:
  std::wstring FName = L"Tahoma";
  int FHeight = -11;
  TColor FColor = clWindowText;
  TFontStyles FStyle;
  int FCharset = DEFAULT_CHARSET;
  TUniqueFont FHandle;
  bool FHandleStale = false;

  void Changed(bool HandleChanged);
};
