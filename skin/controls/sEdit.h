// TsEdit: a single-line field. It owns its skin data (kind 3, section "EDIT") and can carry
// a caption label bound to one of its sides (BoundLabel). Skinned, it renders its whole
// window — frame, background and text, or its hint — into its cached picture and shows that
// whenever it does not have the focus; while focused, the native edit draws its own text and
// caret inside the skinned frame.
#pragma once

#include <windows.h>

#include "framework/Edit.h"
#include "framework/MessageHookChain.h"
#include "skin/controls/SkinnedControl.h"
#include "skin/controls/core/EditLook.h"
#include "skin/controls/sBoundLabel.h"
#include "skin/render/DisabledLook.h"

class TsEdit : public TsSkinnedControl<TEdit> {
 public:
  explicit TsEdit(TComponent* AOwner);

  TsBoundLabel& BoundLabel() { return FBoundLabel; }
  TsDisabledKind DisabledKind() const { return FDisabledKind; }
  void SetDisabledKind(TsDisabledKind Value);

  void Loaded() override;
  bool ReadProperty(const std::wstring& PropertyName, const TDescriptionValue& Value) override;

  // Renders the whole window for the current state into the cached picture; false when the
  // parent's picture is not ready yet.
  virtual bool PrepareCache();
  // The text, or the hint of an empty field, into the cached picture.
  virtual void PaintText();
  // Keeps the picture off the child controls' rectangles on DC (window coordinates).
  virtual void ExcludeChildControls(HDC DC);

 private:
  TsDisabledKind FDisabledKind{dkBlended};
  TsBoundLabel FBoundLabel{this};
  TMessageHook FSkinnedPainting;

  TEditBorder Border();
  // State 1 while focused (or hovered where hover counts), else 0.
  int ActiveState() const;
  bool SkinnedMessage(TMessage& Message, const TMessageHookChain::TNext& Next);
  bool SkinCommand(TMessage& Message, const TMessageHookChain::TNext& Next);
  void Paint(TMessage& Message);
  // Renders when the picture is out of date and refreshes its corners; false when there is
  // no picture to show.
  bool PictureReady();
  void CopyPicture(HDC DC);
  void PaintFrame();
  void PrintClient(HDC DC, LPARAM Flags);
  // After a change of text, font, visibility or enablement: the picture and frame again.
  void ContentChanged();
  void RedrawFrame();
  bool OnlyPartlyInsideParent() const;
};
