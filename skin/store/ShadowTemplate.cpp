#include "skin/store/ShadowTemplate.h"

#include <utility>

#include "gfx/codec/ImageDecode.h"

TBitmap32 DecodeShadowTemplate(std::span<const std::uint8_t> Png) {
  auto Decoded = DecodeSkinImage(Png, TSkinImageKind::Png);
  if (!Decoded) return {};
  TBitmap32& Pixels = Decoded->Pixels;
  for (int Y = 0; Y < Pixels.Height(); ++Y) {
    TPixel32* const Row = Pixels.Row(Y);
    for (int X = 0; X < Pixels.Width(); ++X)
      if (Row[X] == 0x00FFFFFF) Row[X] = 0;
  }
  return std::move(Pixels);
}
