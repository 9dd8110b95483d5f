// TsImage: a picture that can take a skin section's look. Skinned painting comes with the
// engine; until then it is the platform's image carrying its stored skin options.
#pragma once

#include <string>

#include "framework/Image.h"

class TsImage : public TImage {
 public:
  using TImage::TImage;

  std::wstring SkinSection;  // stored as SkinData.SkinSection
  bool UseFullSize = false;

  bool ReadProperty(const std::wstring& PropertyName, const TDescriptionValue& Value) override;
};
