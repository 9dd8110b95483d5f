#include <gtest/gtest.h>

#include "gfx/ColorOps.h"
#include "skin/render/PixelLoops.h"
#include "tests/native/PixelTestSupport.h"

namespace {

TEST(ColorOps, ExchangeRedBlueSwapsBytesZeroAndTwo) {
  EXPECT_EQ(ExchangeRedBlue(TColor{0x123456}), TColor{0x563412});
  EXPECT_EQ(ExchangeRedBlue(TPixel32{0xAA123456u}), 0xAA563412u);
  EXPECT_EQ(ExchangeRedBlue(ExchangeRedBlue(TPixel32{0x80FF0102u})), 0x80FF0102u);
  const TsColor C = TsColor::FromC(0x44332211u);
  EXPECT_EQ(C.R, 0x11);
  EXPECT_EQ(C.A, 0x44);
  EXPECT_EQ(C.I(), 0x44332211);
}

TEST(ColorOps, PercentBecomesWeightRoundingDown) {
  EXPECT_EQ(PercentToWeight(50), 127);
  EXPECT_EQ(PercentToWeight(100), 255);
  EXPECT_EQ(PercentToWeight(0), 0);
  EXPECT_EQ(PercentToWeight(1), 2);
}

TEST(ColorOps, BlendTwoColorsDividesBy256) {
  EXPECT_EQ(BlendTwoColors(0x00FFFFFF, 0x00FFFFFF, 255), 0x00FEFEFEu);
  // Weight 0: C2 scaled by 255/256, byte 3 still from C1.
  EXPECT_EQ(BlendTwoColors(0xAA000000, 0x33FF8040, 0), 0xAAFE7F3Fu);
  // 50 % is 127: (200 * 127 + 100 * 128) >> 8 = 149.
  EXPECT_EQ(BlendTwoColors(0x000000C8, 0x00000064, PercentToWeight(50)), 0x00000095u);
}

TEST(ColorOps, TintPixelScalesToneByLargestChannel) {
  // Largest channel 200; tone red 255, green 128, blue 0.
  EXPECT_EQ(TintPixel(MakePixel32(100, 200, 50, 77), TColor{0x0080FF}), MakePixel32(199, 100, 0, 77));
}

TEST(ColorOps, ShiftSaturationCases) {
  const TPixel32 P = MakePixel32(200, 100, 50, 0x42);  // grey level round(124.2) = 124
  struct TCase {
    int K;
    TPixel32 Expected;
  } const Cases[] = {
      {-255, MakePixel32(123, 123, 123, 0x42)},  // grey times 255/256
      {100, MakePixel32(228, 90, 20, 0x42)},     // (355 c - 100 * 124) >> 8
      {255, MakePixel32(255, 75, 0, 0x42)},      // clamped to 0..65535 before the shift
  };
  for (const TCase& C : Cases) EXPECT_EQ(ShiftSaturation(C.K, P), C.Expected) << C.K;
  // Amount 0 is no change at all, not the 255/256 loss.
  EXPECT_EQ(ShiftSaturation(0, 0xFFFFFFFFu), 0xFFFFFFFFu);
  EXPECT_EQ(ShiftSaturation(-1, 0xFFFFFFFFu), 0xFFFEFEFEu);
}

TEST(ColorOps, GreyLevelUsesLumaWeightsRounded) {
  EXPECT_EQ(GreyLevel(255, 0, 0), 76);   // 76.245
  EXPECT_EQ(GreyLevel(0, 255, 0), 150);  // 149.685
  EXPECT_EQ(GreyLevel(0, 0, 255), 29);   // 29.07
  EXPECT_EQ(GreyLevel(255, 255, 255), 255);
}

TEST(ColorOps, ScaleBrightnessBothWays) {
  const std::uint32_t C = 0x7FC86432;  // bytes 50, 100, 200
  EXPECT_EQ(ScaleBrightness(C, 128), 0x7FFF964Bu);
  EXPECT_EQ(ScaleBrightness(C, -128), 0x7F643219u);
  EXPECT_EQ(ScaleBrightness(C, 0), C);
  EXPECT_EQ(ScaleBrightness(C, -256), 0x7F000000u);
}

TEST(ColorOps, RotateHue) {
  struct TCase {
    int Degrees;
    TPixel32 In, Expected;
  } const Cases[] = {
      {120, MakePixel32(255, 0, 0, 9), MakePixel32(0, 255, 0, 9)},
      {-120, MakePixel32(255, 0, 0, 9), MakePixel32(0, 0, 255, 9)},
      {480, MakePixel32(255, 0, 0, 9), MakePixel32(0, 255, 0, 9)},
      {30, MakePixel32(255, 0, 0, 9), MakePixel32(255, 127, 0, 9)},  // 127.5 truncated
      {90, MakePixel32(128, 128, 128, 9), MakePixel32(128, 128, 128, 9)},
      {0, MakePixel32(1, 2, 3, 4), MakePixel32(1, 2, 3, 4)},
  };
  for (const TCase& C : Cases) EXPECT_EQ(RotateHue(C.Degrees, C.In), C.Expected) << C.Degrees;
}

TEST(PixelLoops, ForEachPixelSkipsOnlyTheTransparentKey) {
  TBitmap32 Bitmap = BitmapOf(3, 1, {0x00FF00FFu, 0xFFFF00FFu, 0x10203040u});
  ForEachPixel(Bitmap.View(), [](TPixel32 P) { return P ^ 0x00FFFFFFu; }, clFuchsia);
  EXPECT_EQ(Bitmap.Row(0)[0], 0x00FF00FFu);
  EXPECT_EQ(Bitmap.Row(0)[1], 0xFF00FF00u);
  EXPECT_EQ(Bitmap.Row(0)[2], 0x10DFCFBFu);

  ForEachPixel(Bitmap.View(), [](TPixel32) { return TPixel32{7}; }, clNone);
  EXPECT_EQ(Bitmap.Row(0)[0], 7u);
}

TEST(PixelLoops, WorkOnNegativeAndPaddedStrides) {
  for (const bool BottomUp : {false, true}) {
    TStridedMemory M(2, 3, 4, BottomUp);
    M.View.Fill(MakePixel32(255, 0, 0, 200));
    MakeGrey(M.View);
    for (int Y = 0; Y < 3; ++Y)
      for (int X = 0; X < 2; ++X) EXPECT_EQ(M.View.Row(Y)[X], MakePixel32(76, 76, 76, 200));
    EXPECT_EQ(M.GuardsLeft(), M.PaddingPixels());
  }
}

}  // namespace
