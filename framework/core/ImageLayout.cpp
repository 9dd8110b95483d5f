#include "framework/core/ImageLayout.h"

#include <cstdint>

#include "gfx/MulDivRound.h"

TRect ImageDestRect(int ControlWidth, int ControlHeight, int PictureWidth, int PictureHeight, bool Stretch,
                    bool Proportional, bool Center) {
  int Width = PictureWidth;
  int Height = PictureHeight;
  const bool TooBig = PictureWidth > ControlWidth || PictureHeight > ControlHeight;
  if (Stretch || (Proportional && TooBig)) {
    if (Proportional && PictureWidth > 0 && PictureHeight > 0) {
      // Bound by whichever side runs out first.
      if (static_cast<std::int64_t>(PictureWidth) * ControlHeight >
          static_cast<std::int64_t>(PictureHeight) * ControlWidth) {
        Width = ControlWidth;
        Height = MulDivRound(PictureHeight, ControlWidth, PictureWidth);
      } else {
        Height = ControlHeight;
        Width = MulDivRound(PictureWidth, ControlHeight, PictureHeight);
      }
    } else {
      Width = ControlWidth;
      Height = ControlHeight;
    }
  }
  if (!Center) return Bounds(0, 0, Width, Height);
  return Bounds((ControlWidth - Width) / 2, (ControlHeight - Height) / 2, Width, Height);
}
