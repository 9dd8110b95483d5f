// TsCustomLabel and TsLabel: labels without a window that draw their text onto their
// parent's picture (the picture lent to the parent's non-windowed children). TsCustomLabel
// adds an optional skin section painted behind the text and follows the skin's changes;
// TsLabel takes its text colour from the section it sits on.
#pragma once

#include <string>

#include "framework/Label.h"

class TsSkinManager;
class TsSkinStore;

class TsCustomLabel : public TLabel {
 public:
  explicit TsCustomLabel(TComponent* AOwner);

  // The label's manager; none: the default manager.
  TsSkinManager* SkinManager() const;
  void SetSkinManager(TsSkinManager* Value) { FSkinManager = Value; }
  // A section painted behind the text; empty: none.
  const std::string& SkinSection() const { return FSkinSection; }
  void SetSkinSection(const std::string& Value);

  bool ReadProperty(const std::wstring& PropertyName, const TDescriptionValue& Value) override;

 protected:
  // The resolved SkinSection; -1 when unresolved (it lives for one paint).
  int FSkinIndex = -1;

  void Paint() override;
  void WndProc(TMessage& Message) override;
  // The plain path: the caption in CurrentFontColor.
  void DoDrawText(RECT& Rect, UINT Flags) override;
  // The colour the text is drawn in.
  virtual TColor CurrentFontColor();
  // Handles the skin commands; true when handled.
  virtual bool SkinCommand(TMessage& Message);

  // The store of the label's skin while the manager is active with a skin, else null.
  const TsSkinStore* ActiveStore() const;
  // FSkinIndex from SkinSection in the active skin.
  void ResolveSection();
  // The normal-state text colour of the section that shows under the label, found by
  // asking the label itself with SKC_QUERY_STATE_SECTION (which goes to the parent).
  TColor SkinStateFontColor();
  // Color as a disabled label shows it: mixed with what lies behind.
  TColor Faded(TColor Color, TColor Behind) const;
  // The colour seen through the label from its parent.
  TColor ParentBackColor() const;
  // The caption to draw, a space when measuring one that would show nothing.
  std::wstring DrawnCaption(UINT Flags) const;

 private:
  std::string FSkinSection;
  TsSkinManager* FSkinManager = nullptr;
  // The label used its parent's font when the skin came.
  bool FSavedParentFont = false;
};

class TsLabel : public TsCustomLabel {
 public:
  using TsCustomLabel::TsCustomLabel;

  // The text colour comes from the skin (default) or from the font.
  bool UseSkinColor() const { return FUseSkinColor; }
  void SetUseSkinColor(bool Value);

  bool ReadProperty(const std::wstring& PropertyName, const TDescriptionValue& Value) override;

 protected:
  TColor CurrentFontColor() override;

 private:
  bool FUseSkinColor = true;
};
