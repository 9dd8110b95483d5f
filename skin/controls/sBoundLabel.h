// TsBoundLabel: a caption label that a control carries beside one of its sides. Switched
// on, it makes the label (a TsEditLabel), places it by its layout and keeps it placed,
// shown and enabled as its owner control is. TsEditLabel: a skinned label that knows the
// bound label it belongs to.
#pragma once

#include <string>

#include "framework/Font.h"
#include "framework/Message.h"
#include "framework/MessageHookChain.h"
#include "skin/controls/sLabel.h"
#include "skin/render/BoundLabelLayout.h"

class TsBoundLabel;

class TsEditLabel : public TsLabel {
 public:
  TsEditLabel(TComponent* AOwner, TsBoundLabel& ABoundLabel);
  ~TsEditLabel() override;
  TsBoundLabel& BoundLabel() const { return FBoundLabel; }
  // The bound label sizes its label to the text again after changing its width.
  using TsLabel::AdjustBounds;
  // The control a click on the label is meant for.
  TControl* FocusControl = nullptr;
  // Markup captions: kept for the label; the caption is drawn as plain text.
  bool UseHTML = false;

 private:
  TsBoundLabel& FBoundLabel;
};

class TsBoundLabel {
 public:
  // Owner: the control the label belongs to; it passes every message it gets on to the
  // bound label (HandleOwnerMsg) through a message hook made here.
  explicit TsBoundLabel(TControl* Owner);
  ~TsBoundLabel();
  TsBoundLabel(const TsBoundLabel&) = delete;
  TsBoundLabel& operator=(const TsBoundLabel&) = delete;

  // The label exists and is shown beside its owner.
  bool Active() const { return FActive; }
  void SetActive(bool Value);
  bool UseHTML() const { return FUseHTML; }
  void SetUseHTML(bool Value);
  // A click on the label clicks the owner.
  bool AllowClick() const { return FAllowClick; }
  void SetAllowClick(bool Value);
  // The label stays enabled when its owner is disabled.
  bool EnabledAlways() const { return FEnabledAlways; }
  void SetEnabledAlways(bool Value);
  bool UseSkinColor() const;
  void SetUseSkinColor(bool Value);
  bool ParentFont() const { return FParentFont; }
  void SetParentFont(bool Value);
  int Indent() const { return FIndent; }
  void SetIndent(int Value);
  int MaxWidth() const { return FMaxWidth; }
  void SetMaxWidth(int Value);
  int Offset() const { return FOffset; }
  void SetOffset(int Value);
  const std::wstring& Caption() const { return FText; }
  void SetCaption(const std::wstring& Value);
  TFont& Font() { return FFont; }
  // Copies Value into the label and turns ParentFont off; nothing without a label.
  void SetFont(const TFont& Value);
  TsCaptionLayout Layout() const { return FLayout; }
  void SetLayout(TsCaptionLayout Value);
  int ScalePercent = 100;

  TsEditLabel* TheLabel() const { return FTheLabel; }

  void UpdateVisibility();
  void AlignLabel();
  void HandleOwnerMsg(const TMessage& Message);
  void UpdateScale(int NewPercent);

  // A "BoundLabel." property of the owner's stored description, without the prefix. Active
  // is only noted: the owner applies it with UpdateVisibility once it is loaded.
  bool ReadProperty(const std::wstring& PropertyName, const TDescriptionValue& Value);

 private:
  friend class TsEditLabel;
  int FOffset = 0;
  int FIndent = 0;
  int FMaxWidth = 0;
  bool FUseHTML = false;
  bool FParentFont = true;
  bool FEnabledAlways = false;
  TFont FFont;
  std::wstring FText;
  TsCaptionLayout FLayout = sclLeft;
  bool FAllowClick = false;
  bool FActive = false;
  TsEditLabel* FTheLabel = nullptr;  // freed here, or by its parent before
  TControl* const FOwnerControl;
  TMessageHook FOwnerHook;

  bool LabelEnabled() const;
  void Replace();
  void ApplyAllowClick();
  void LabelGone() { FTheLabel = nullptr; }
};
