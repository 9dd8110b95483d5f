// TsButton: the command button. It owns its skin data (kind 93, section "BUTTON"); its own
// skinned painting comes with the engine's buttons.
#pragma once

#include "framework/Button.h"
#include "skin/controls/SkinnedControl.h"

class TsButton : public TsSkinnedControl<TButton> {
 public:
  explicit TsButton(TComponent* AOwner);

  // The caption is drawn with a mirrored reflection below it.
  bool Reflected = false;

  bool ReadProperty(const std::wstring& PropertyName, const TDescriptionValue& Value) override;
};
