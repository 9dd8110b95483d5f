#include "framework/core/ImageLayout.h"

#include <cstdint>

namespace {

// A * B / C rounded to the nearest integer; C > 0, all values non-negative.
int MulDivRounded(int A, int B, int C) {
  return static_cast<int>((static_cast<std::int64_t>(A) * B + C / 2) / C);
}

}  // namespace

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
        Height = MulDivRounded(PictureHeight, ControlWidth, PictureWidth);
      } else {
        Height = ControlHeight;
        Width = MulDivRounded(PictureWidth, ControlHeight, PictureHeight);
      }
    } else {
      Width = ControlWidth;
      Height = ControlHeight;
    }
  }
  if (!Center) return Bounds(0, 0, Width, Height);
  return Bounds((ControlWidth - Width) / 2, (ControlHeight - Height) / 2, Width, Height);
}
