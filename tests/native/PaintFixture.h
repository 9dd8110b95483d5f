// Small skins assembled in code for the painting tests: a store whose master bitmap and
// picture items the test sets up pixel by pixel.
#pragma once

#include <cstdint>

#include "gfx/Bitmap32.h"
#include "skin/store/sSkinStore.h"

// A pixel that names where it came from: red = column, green = row, blue = Tag, opaque.
constexpr TPixel32 At(int X, int Y, int Tag = 7) {
  return MakePixel32(static_cast<std::uint8_t>(X), static_cast<std::uint8_t>(Y), static_cast<std::uint8_t>(Tag), 255);
}

// A W x H picture where every pixel is At(x, y, Tag).
inline TBitmap32 NamedPixels(int W, int H, int Tag = 7) {
  TBitmap32 Bitmap(W, H);
  for (int Y = 0; Y < H; ++Y)
    for (int X = 0; X < W; ++X) Bitmap.Row(Y)[X] = At(X, Y, Tag);
  return Bitmap;
}

// A picture item of the master bitmap with its state size worked out as the loader does.
inline TsMaskData Item(TRect R, int ImageCount, int MaskType, int DrawMode = 0,
                       int WL = 0, int WT = 0, int WR = 0, int WB = 0) {
  TsMaskData M;
  M.R = R;
  M.ImageCount = static_cast<std::int16_t>(ImageCount);
  M.MaskType = static_cast<std::int16_t>(MaskType);
  M.DrawMode = static_cast<std::int16_t>(DrawMode);
  M.WL = static_cast<std::int16_t>(WL);
  M.WT = static_cast<std::int16_t>(WT);
  M.WR = static_cast<std::int16_t>(WR);
  M.WB = static_cast<std::int16_t>(WB);
  M.Width = R.Width() / ImageCount;
  M.Height = MaskType == 0 ? R.Height() : R.Height() / (MaskType + 1);
  return M;
}
