// The effect label's shadow on pictures of a few pixels, every value worked by hand.
#include <gtest/gtest.h>

#include <climits>
#include <cstdint>
#include <vector>

#include "skin/controls/core/LabelShadow.h"
#include "tests/native/PixelTestSupport.h"

namespace {

constexpr TPixel32 Text = 0xFFFFFFFFu;  // the caption drawn in white
constexpr TPixel32 Black = 0xFF000000u;

constexpr TPixel32 Grey(std::uint8_t C) { return MakePixel32(C, C, C, 255); }

// The inner cells of a blur buffer for a Width x Height mask, row by row.
std::vector<int> InnerCells(const std::vector<std::uint8_t>& Bits, int Width, int Height) {
  std::vector<int> Cells;
  for (int Y = 1; Y <= Height; ++Y)
    for (int X = 1; X <= Width; ++X) Cells.push_back(Bits[static_cast<std::size_t>(Y * (Width + 2) + X)]);
  return Cells;
}

TEST(CurrentShadowData, ByMode) {
  const TShadowData Own{0x123456, 4, 2, 200};
  TsSkinData Skin;
  Skin.Shadow1Color = 0;
  Skin.Shadow1Blur = 1;
  Skin.Shadow1Offset = 1;
  const auto Expect = [](const TShadowData& D, TColor Color, int Blur, int Offset, int Alpha) {
    EXPECT_EQ(D.Color, Color);
    EXPECT_EQ(D.Blur, Blur);
    EXPECT_EQ(D.Offset, Offset);
    EXPECT_EQ(D.Alpha, Alpha);
  };
  Expect(CurrentShadowData(smNone, Own, &Skin), 0, 0, 0, 0);
  Expect(CurrentShadowData(smCustom, Own, &Skin), 0x123456, 4, 2, 200);
  Expect(CurrentShadowData(smSkin1, Own, &Skin), 0, 1, 1, 200);  // the skin's shadow, the label's alpha
  Expect(CurrentShadowData(smSkin1, Own, nullptr), 0x123456, 4, 2, 200);
  Skin.Shadow1Blur = -1;
  Expect(CurrentShadowData(smSkin1, Own, &Skin), 0x123456, 4, 2, 200);
}

TEST(ShadowExtents, ReachOfTheShadowAroundTheText) {
  EXPECT_EQ(ShadowExtents({0, 1, 1, 255}), (TacOffsetKeeper{0, 2}));  // the internal skin's shadow
  EXPECT_EQ(ShadowExtents({0, 4, 1, 255}), (TacOffsetKeeper{-3, 5}));
  EXPECT_EQ(ShadowExtents({0, 0, 0, 255}), (TacOffsetKeeper{0, 0}));
  EXPECT_EQ(ShadowExtents({0, 1, -4, 255}), (TacOffsetKeeper{-5, 0}));
}

TEST(ShadowBlurPasses, BlurCountCappedAtTheLargerSidePlusTwo) {
  EXPECT_EQ(ShadowBlurPasses(4, 30, 12), 4);
  EXPECT_EQ(ShadowBlurPasses(32, 30, 12), 32);
  EXPECT_EQ(ShadowBlurPasses(33, 30, 12), 32);
  EXPECT_EQ(ShadowBlurPasses(INT_MAX, 3, 40), 42);
  EXPECT_EQ(ShadowBlurPasses(-1, 30, 12), 0);
}

// One pass over a white centre: each cell takes the quarter of its four neighbours, the
// cells above and to the left already new, so the result leans to the bottom right.
TEST(BlurShadowMask, OnePassInPlaceFromTheTopLeft) {
  const TBitmap32 Mask = BitmapOf(3, 3, {Black, Black, Black, Black, Text, Black, Black, Black, Black});
  std::vector<std::uint8_t> Bits;
  BlurShadowMask(Mask.View(), 1, Bits);
  EXPECT_EQ(InnerCells(Bits, 3, 3), (std::vector<int>{0, 63, 15, 63, 31, 11, 15, 11, 5}));
  EXPECT_EQ(Bits.size(), 2u * 25u);
  for (int I : {0, 1, 2, 3, 4, 5, 9, 10, 14, 15, 19, 20, 21, 22, 23, 24}) EXPECT_EQ(Bits[I], 0) << I;  // the rim
}

// Only the blue byte marks the text; a second pass sets the text cell again first.
TEST(BlurShadowMask, BlueByteMarksTheTextAndEachPassSetsItAgain) {
  const TBitmap32 Mask = BitmapOf(3, 1, {0xFFFFFF00u, 0xFF000001u, 0xFFFFFF00u});
  std::vector<std::uint8_t> Bits;
  BlurShadowMask(Mask.View(), 1, Bits);
  EXPECT_EQ(InnerCells(Bits, 3, 1), (std::vector<int>{63, 15, 3}));
  BlurShadowMask(Mask.View(), 2, Bits);
  EXPECT_EQ(InnerCells(Bits, 3, 1), (std::vector<int>{63, 16, 4}));
  BlurShadowMask(Mask.View(), 0, Bits);
  EXPECT_EQ(InnerCells(Bits, 3, 1), (std::vector<int>{0, 0, 0}));
}

TEST(BlurShadowMask, BlurCountsBeyondTheCapFinishWithTheSameCells) {
  const TBitmap32 Mask = BitmapOf(3, 1, {Black, Text, Black});
  std::vector<std::uint8_t> Bits;
  BlurShadowMask(Mask.View(), INT_MAX, Bits);
  EXPECT_EQ(InnerCells(Bits, 3, 1), (std::vector<int>{63, 16, 4}));
}

TEST(BlurShadowMask, BufferNeverShrinksAndStartsClearedEachTime) {
  std::vector<std::uint8_t> Bits;
  BlurShadowMask(BitmapOf(3, 1, {Black, Text, Black}).View(), 1, Bits);
  ASSERT_EQ(Bits.size(), 30u);
  BlurShadowMask(Filled(1, 1, Black).View(), 1, Bits);
  EXPECT_EQ(Bits.size(), 30u);
  EXPECT_EQ(std::vector<std::uint8_t>(Bits.begin(), Bits.begin() + 9), std::vector<std::uint8_t>(9, 0));
  BlurShadowMask(TBitmap32().View(), 3, Bits);  // an empty label: two rows of two cells
  EXPECT_EQ(Bits.size(), 30u);
}

// The blurred centre of OnePassInPlaceFromTheTopLeft, black at full alpha, over white.
TEST(ComposeShadow, DarkensByTheBlurredCellsAndKeepsTheIntensities) {
  const TBitmap32 Mask = BitmapOf(3, 3, {Black, Black, Black, Black, Text, Black, Black, Black, Black});
  std::vector<std::uint8_t> Bits;
  BlurShadowMask(Mask.View(), 1, Bits);
  TBitmap32 Picture = Filled(3, 3, 0xFFFFFFFFu);
  ComposeShadow(Picture.View(), Bits, clBlack, 255);
  // I = cell x 255 shr 8: 63 -> 62, 31 -> 30, 15 -> 14, 11 -> 10, 5 -> 4; c = 255 x (255 - I) shr 8.
  EXPECT_EQ(InnerCells(Bits, 3, 3), (std::vector<int>{0, 62, 14, 62, 30, 10, 14, 10, 4}));
  EXPECT_EQ(Picture, BitmapOf(3, 3, {Grey(254), Grey(192), Grey(240), Grey(192), Grey(224), Grey(244), Grey(240),
                                     Grey(244), Grey(250)}));
}

// A full cell (255) over one pixel.
struct Composed {
  TColor Shadow;
  int Alpha;
  TPixel32 Under;
  TPixel32 Expected;
};

TEST(ComposeShadow, EdgeValues) {
  const Composed Cases[] = {
      {clBlack, 0, 0xFFFFFFFFu, Grey(254)},  // I = 0 still takes 255 to 254
      {clBlack, 255, 0xFFFFFFFFu, Grey(0)},  // I = 254: (255 + 254 x 0) shr 8
      {clWhite, 255, 0xFF000000u, Grey(253)},  // (0 + 254 x 255) shr 8
      {clRed, 255, 0xFF000000u, MakePixel32(253, 0, 0, 255)},  // red is byte 0 of the colour
      {clBlue, 128, 0x80FFFFFFu, MakePixel32(127, 127, 254, 0x80)},  // I = 127; alpha kept
      {clBlack, 300, 0xFFFFFFFFu, Grey(0)},  // alpha above 255 counts as 255
  };
  for (const Composed& C : Cases) {
    std::vector<std::uint8_t> Bits(9, 0);
    Bits[4] = 255;
    TBitmap32 Picture = Filled(1, 1, C.Under);
    ComposeShadow(Picture.View(), Bits, C.Shadow, C.Alpha);
    EXPECT_EQ(Picture.Row(0)[0], C.Expected) << std::hex << C.Shadow << " alpha " << std::dec << C.Alpha;
  }
}

TEST(ComposeShadow, ABufferTooSmallLeavesThePicture) {
  std::vector<std::uint8_t> Bits(8, 255);
  TBitmap32 Picture = Filled(1, 1, 0xFFFFFFFFu);
  ComposeShadow(Picture.View(), Bits, clBlack, 255);
  EXPECT_EQ(Picture.Row(0)[0], 0xFFFFFFFFu);
}

}  // namespace
