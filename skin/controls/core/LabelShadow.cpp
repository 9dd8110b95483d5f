#include "skin/controls/core/LabelShadow.h"

#include <algorithm>
#include <cstddef>

namespace {

std::size_t CellCount(int Width, int Height) {
  return static_cast<std::size_t>(Width + 2) * static_cast<std::size_t>(Height + 2);
}

}  // namespace

TShadowData CurrentShadowData(TsShadowMode Mode, const TShadowData& Custom, const TsSkinData* ActiveSkin) {
  switch (Mode) {
    case smNone:
      return {};
    case smSkin1:
      if (ActiveSkin != nullptr && ActiveSkin->Shadow1Blur >= 0)
        return {ActiveSkin->Shadow1Color, ActiveSkin->Shadow1Blur, ActiveSkin->Shadow1Offset, Custom.Alpha};
      return Custom;
    case smCustom:
      break;
  }
  return Custom;
}

TacOffsetKeeper ShadowExtents(const TShadowData& Shadow) {
  return {std::min(0, Shadow.Offset - Shadow.Blur), std::max(0, Shadow.Offset + Shadow.Blur)};
}

int ShadowBlurPasses(int Blur, int Width, int Height) {
  return std::clamp(Blur, 0, std::max(Width, Height) + 2);
}

void BlurShadowMask(TConstBitmapView Mask, int Blur, std::vector<std::uint8_t>& Bits) {
  const int W = std::max(Mask.Width, 0);
  const int H = std::max(Mask.Height, 0);
  const std::size_t Need = CellCount(W, H);
  if (Bits.size() < Need) Bits.resize(2 * Need);
  std::fill_n(Bits.begin(), Need, std::uint8_t{0});
  if (W == 0 || H == 0 || Mask.Row0 == nullptr) return;

  const std::size_t Stride = static_cast<std::size_t>(W) + 2;
  std::uint8_t* const Cells = Bits.data();
  for (int Pass = ShadowBlurPasses(Blur, W, H); Pass > 0; --Pass) {
    for (int Y = 0; Y < H; ++Y) {
      const TPixel32* const Line = Mask.Row(Y);
      std::uint8_t* const Row = Cells + (static_cast<std::size_t>(Y) + 1) * Stride + 1;
      for (int X = 0; X < W; ++X)
        if ((Line[X] & 0xFFu) != 0) Row[X] = 255;
    }
    for (int Y = 1; Y <= H; ++Y) {
      std::uint8_t* const Row = Cells + static_cast<std::size_t>(Y) * Stride;
      const std::uint8_t* const Up = Row - Stride;
      const std::uint8_t* const Down = Row + Stride;
      for (int X = 1; X <= W; ++X) Row[X] = static_cast<std::uint8_t>((Up[X] + Down[X] + Row[X - 1] + Row[X + 1]) >> 2);
    }
  }
}

void ComposeShadow(TBitmapView Picture, std::vector<std::uint8_t>& Bits, TColor Color, int Alpha) {
  const int W = Picture.Width;
  const int H = Picture.Height;
  if (W <= 0 || H <= 0 || Picture.Row0 == nullptr || Bits.size() < CellCount(W, H)) return;
  const int A = std::clamp(Alpha, 0, 255);
  const auto Channel = [](TColor C, int Shift) { return static_cast<int>((static_cast<std::uint32_t>(C) >> Shift) & 0xFFu); };
  const int SR = Channel(Color, 0);
  const int SG = Channel(Color, 8);
  const int SB = Channel(Color, 16);
  const auto Mix = [](TPixel32 Pixel, int Shift, int Shadow, int I) {
    const int C = static_cast<int>((Pixel >> Shift) & 0xFFu);
    return static_cast<TPixel32>((C * (255 - I) + Shadow * I) >> 8) << Shift;
  };
  const std::size_t Stride = static_cast<std::size_t>(W) + 2;
  for (int Y = 0; Y < H; ++Y) {
    TPixel32* const Line = Picture.Row(Y);
    std::uint8_t* const Row = Bits.data() + (static_cast<std::size_t>(Y) + 1) * Stride + 1;
    for (int X = 0; X < W; ++X) {
      const int I = (Row[X] * A) >> 8;
      Row[X] = static_cast<std::uint8_t>(I);
      const TPixel32 P = Line[X];
      Line[X] = (P & 0xFF000000u) | Mix(P, 16, SR, I) | Mix(P, 8, SG, I) | Mix(P, 0, SB, I);
    }
  }
}
