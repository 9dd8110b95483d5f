// TPicture: the picture of an image control, a 32-bit bitmap with straight alpha.
//
// Stored form (the "Picture.Data" property): the graphic class name as a byte-length-prefixed
// string ("TBitmap", or "TPNGGraphic" for the skin's picture class), a 32-bit little-endian
// length, then that many bytes of a Windows bitmap file. Portable.
#pragma once

#include <cstdint>
#include <span>
#include <string>

#include "framework/core/Object.h"
#include "gfx/Bitmap32.h"

class TPicture : public TObject {
 public:
  int Width() const { return FBitmap.Width(); }
  int Height() const { return FBitmap.Height(); }
  bool Empty() const { return FBitmap.Empty(); }
  const TBitmap32& Bitmap() const { return FBitmap; }
  // The class name the picture was stored with; empty for an empty picture.
  const std::string& GraphicClassName() const { return FGraphicClassName; }
  // Bits per pixel of the stored bitmap (below 32: no alpha channel, alpha 255).
  int BitCount() const { return FBitCount; }

  // Replaces the picture; throws EPropertyError (or EBmpError for the bitmap file inside)
  // and keeps the old picture when the data is not a stored picture.
  void LoadFromStoredData(std::span<const std::uint8_t> Data);
  void Assign(TBitmap32 Bitmap);

  TNotifyEvent OnChange;

 private:
  TBitmap32 FBitmap;
  std::string FGraphicClassName;
  int FBitCount = 0;

  void Changed();
};
