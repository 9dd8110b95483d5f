// TsButton: the command button. Skinned painting comes with the engine; until then it is the
// platform's button carrying its stored skin options.
#pragma once

#include "framework/Button.h"

class TsButton : public TButton {
 public:
  explicit TsButton(TComponent* AOwner);

  // The caption is drawn with a mirrored reflection below it.
  bool Reflected = false;

  bool ReadProperty(const std::wstring& PropertyName, const TDescriptionValue& Value) override;
};
