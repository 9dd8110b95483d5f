#include "skin/render/PixelLoops.h"

#include "gfx/ColorOps.h"

void MakeGrey(TBitmapView Bitmap) {
  ForEachPixel(
      Bitmap,
      [](TPixel32 P) {
        const TPixel32 Grey = GreyLevel(static_cast<std::uint8_t>(P >> 16), static_cast<std::uint8_t>(P >> 8),
                                        static_cast<std::uint8_t>(P));
        return (P & 0xFF000000u) | Grey << 16 | Grey << 8 | Grey;
      },
      clNone);
}
