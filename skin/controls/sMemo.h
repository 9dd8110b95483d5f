// TsMemo: the multi-line output pane. It owns its skin data, with its scroll bars' sizes
// (kind 7, section "EDIT"); its own skinned painting comes with the engine's fields.
#pragma once

#include "framework/Memo.h"
#include "skin/controls/SkinnedControl.h"

class TsMemo : public TsSkinnedControl<TMemo, TsScrollWndData> {
 public:
  explicit TsMemo(TComponent* AOwner) : TsSkinnedControl(AOwner, cocMemo, "TsMemo", FixedSection("EDIT")) {}
};
