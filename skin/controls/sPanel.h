// TsPanel: a container panel. It owns its skin data (kind 51); its section follows its
// outer bevel. Skinned, it renders itself into its cached picture over its parent's
// background (section, colour effects, caption), copies that picture to the screen, and
// lends it to its children as their background. Without a skin it paints as the
// framework's panel.
#pragma once

#include <windows.h>

#include "framework/Canvas.h"
#include "framework/MessageHookChain.h"
#include "framework/Panel.h"
#include "skin/controls/SkinnedControl.h"
#include "skin/render/CacheInfo.h"

class TsPanel : public TsSkinnedControl<TPanel> {
 public:
  explicit TsPanel(TComponent* AOwner);
  void Loaded() override;

  // Renders the panel into its cached picture; false when its parent's picture is not
  // ready yet (the panel then waits for SKC_PARENT_UPDATED).
  bool PrepareCache();
  // The picture and the non-windowed children onto DC; with SendUpdated the children
  // waiting for the panel hear that it has been painted.
  void OurPaint(HDC DC, bool SendUpdated);
  // The caption inside R on Canvas, in the section's text colours.
  void WriteText(const RECT& R, TCanvas& Canvas);

 private:
  // The outer bevel the section was last chosen by.
  TBevelCut FOldBevel = TBevelCut::bvRaised;
  TMessageHook FSkinnedPainting;

  // True: handled while skinned.
  bool SkinnedMessage(TMessage& Message, const TMessageHookChain::TNext& Next);
  bool SkinCommand(TMessage& Message, const TMessageHookChain::TNext& Next);
  // The picture onto DC, leaving out the children's rectangles (they paint there).
  void CopyCacheToDC(HDC DC);
  void AnswerBackground(BackgroundInfo& Info);
  bool ParentUpdating();
  // A new outer bevel chooses the section again.
  void BorderChanged();
  void TellChildren(int Code);
};
