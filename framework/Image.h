// TCustomImage / TImage: shows a Picture on the parent's surface, blended through its
// per-pixel alpha. A picture stored without alpha (24 bits) is opaque; with Transparent, the
// colour of its bottom-left pixel becomes transparent.
#pragma once

#include "framework/GraphicControl.h"
#include "framework/core/Picture.h"

class TCustomImage : public TGraphicControl {
 public:
  explicit TCustomImage(TComponent* AOwner);

  TPicture& Picture() { return FPicture; }
  const TPicture& Picture() const { return FPicture; }
  bool Center() const { return FCenter; }
  void SetCenter(bool Value);
  bool Stretch() const { return FStretch; }
  void SetStretch(bool Value);
  bool Proportional() const { return FProportional; }
  void SetProportional(bool Value);
  bool Transparent() const { return FTransparent; }
  void SetTransparent(bool Value);

  bool ReadProperty(const std::wstring& PropertyName, const TDescriptionValue& Value) override;

 protected:
  void Paint() override;

 private:
  TPicture FPicture;
  bool FCenter = false;
  bool FStretch = false;
  bool FProportional = false;
  bool FTransparent = false;

  void SetFlag(bool& Flag, bool Value);
};

class TImage : public TCustomImage {
 public:
  using TCustomImage::TCustomImage;
};
