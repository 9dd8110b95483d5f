// TsImage: a picture that can take a skin section's look. It owns its skin data (kind 50,
// section "CHECKBOX" unless it names another); its own skinned painting comes with the
// engine's pictures.
#pragma once

#include "framework/Image.h"
#include "skin/controls/SkinnedControl.h"

class TsImage : public TsSkinnedControl<TImage> {
 public:
  explicit TsImage(TComponent* AOwner) : TsSkinnedControl(AOwner, cocImage, "TsImage", nullptr) {}

  bool UseFullSize = false;

  bool ReadProperty(const std::wstring& PropertyName, const TDescriptionValue& Value) override;
};
