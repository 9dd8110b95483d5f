// TsEdit: a single-line field. It owns its skin data (kind 3, section "EDIT"); its own
// skinned painting comes with the engine's fields.
#pragma once

#include "framework/Edit.h"
#include "skin/controls/SkinnedControl.h"

class TsEdit : public TsSkinnedControl<TEdit> {
 public:
  explicit TsEdit(TComponent* AOwner) : TsSkinnedControl(AOwner, cocEdit, "TsEdit", FixedSection("EDIT")) {}
};
