#include "skin/frame/GlowPicture.h"

#include "skin/render/MaskPaint.h"

TBitmap32 GlowPicture(int Width, int Height, const TsMaskData* Glow, TConstBitmapView Master,
                      const TsSectionLook& Look) {
  TBitmap32 Picture = NewBitmap32(Width, Height);
  if (Glow == nullptr) return Picture;
  // No parent behind a glow: its pixels, alpha included, are the image's own.
  PaintNinePiece(Picture.View(), BitmapRect(Picture.View()), TCacheInfo{}, false, 0, *Glow, Master);
  ApplyColorEffects(Picture.View(), Look);
  return Picture;
}
