// TsMemo: the multi-line output pane. It owns its skin data, with its scroll bars' sizes
// (kind 7, section "EDIT"). Its text is always painted by the native control; while a skin
// is active its window is taken over by a TacEditWnd (ListSW), which paints the frame from
// the skin and keeps the control's colours those of the section. Removing the skin gives the
// native window back, with its text, read-only flag and unlimited length.
#pragma once

#include <memory>

#include "framework/Memo.h"
#include "framework/MessageHookChain.h"
#include "skin/controls/SkinnedControl.h"
#include "skin/controls/acEditWnd.h"
#include "skin/controls/sBoundLabel.h"
#include "skin/render/DisabledLook.h"

class TsMemo : public TsSkinnedControl<TMemo, TsScrollWndData> {
 public:
  explicit TsMemo(TComponent* AOwner);
  ~TsMemo() override;

  // Raised after each vertical scroll message and each scroll-caret request.
  TNotifyEvent OnVScroll;
  TNotifyEvent OnScrollCaret;

  TsBoundLabel& BoundLabel() { return FBoundLabel; }
  TsDisabledKind DisabledKind() const { return FDisabledKind; }
  void SetDisabledKind(TsDisabledKind Value);
  // The subclass over the window while a skin is active; null otherwise.
  TacEditWnd* ListSW() const { return FListSW.get(); }

  void Loaded() override;
  bool ReadProperty(const std::wstring& PropertyName, const TDescriptionValue& Value) override;

 protected:
  void CreateWnd() override;

 private:
  TsBoundLabel FBoundLabel{this};
  TsDisabledKind FDisabledKind{dkBlended};
  TMessageHook FMemoHandling;
  // Let go of at the skin's removal, freed once that message has returned.
  std::unique_ptr<TacEditWnd> FRetiredSW;
  std::unique_ptr<TacEditWnd> FListSW;

  // True: handled here (the chain was called where needed).
  bool SkinnedMessage(TMessage& Message, const TMessageHookChain::TNext& Next);
  bool SkinCommand(TMessage& Message, const TMessageHookChain::TNext& Next);
  void AfterChain(const TMessage& Message);
  void FollowSectionColors();
  void SelectAll();
  void SkinRemoved();
  void Attach();
};
