#include <gtest/gtest.h>

#include <climits>

#include "skin/render/TextGlow.h"
#include "tests/native/PixelTestSupport.h"

namespace {

TEST(GlowKernel, SizeFourGivesSevenEqualTaps) {
  // Nine taps of weight 1 before trimming; the trim drops the outer pair.
  const std::vector<double> Kernel = GlowKernel(4);
  ASSERT_EQ(Kernel.size(), 7u);
  for (const double W : Kernel) EXPECT_DOUBLE_EQ(W, 1.0 / 7);
}

TEST(GlowKernel, SizesAndTheirTapCounts) {
  const struct {
    int Size;
    std::size_t Taps;
  } Cases[] = {{1, 3}, {2, 3}, {3, 5}, {8, 17}, {20, 31}, {0, 0}, {-3, 0}};
  for (const auto& C : Cases) EXPECT_EQ(GlowKernel(C.Size).size(), C.Taps) << C.Size;
}

TGlowMask MaskOf(int W, int H, std::uint8_t Value) {
  TGlowMask M;
  M.Width = W;
  M.Height = H;
  M.Pixels.assign(static_cast<std::size_t>(W * H), Value);
  return M;
}

TEST(GlowMask, BlurSpreadsOneDarkPixel) {
  TGlowMask M = MaskOf(9, 9, 255);
  M.Row(4)[4] = 0;
  BlurGlowMask(M, GlowKernel(4));
  // Across: 255 * 6 / 7 = 218.57 -> 219 near the pixel; down: (219 + 6 * 255) / 7 = 249.86.
  EXPECT_EQ(M.Row(4)[4], 250);
  EXPECT_EQ(M.Row(1)[1], 250);  // (219 + 6 * 255) / 7 as well
  EXPECT_EQ(M.Row(0)[4], 255);  // beyond the kernel's reach
  EXPECT_EQ(M.Row(4)[8], 255);
}

TEST(GlowMask, EdgesRepeatBeyondTheMask) {
  TGlowMask M = MaskOf(3, 1, 255);
  M.Row(0)[0] = 0;
  BlurGlowMask(M, GlowKernel(1));
  // Taps of 1/3: the left edge sees 0, 0, 255.
  EXPECT_EQ(M.Row(0)[0], 85);
  EXPECT_EQ(M.Row(0)[1], 170);
  EXPECT_EQ(M.Row(0)[2], 255);
}

TEST(GlowComposite, MixesTheGlowColourAndRaisesAlpha) {
  TBitmap32 Picture = Filled(3, 1, 0x40646464u);
  TGlowMask M = MaskOf(2, 1, 55);
  M.Row(0)[1] = 255;
  CompositeGlow(Picture.View(), M, {1, 0}, 0x0000FF);  // red
  // w = 200: red (200 * 255 + 100 * 55) >> 8 = 220, others (100 * 55) >> 8 = 21;
  // alpha 64 + (191 * 200 >> 8) = 213.
  EXPECT_EQ(Picture.Row(0)[1], 0xD5DC1515u);
  EXPECT_EQ(Picture.Row(0)[0], 0x40646464u);
  EXPECT_EQ(Picture.Row(0)[2], 0x40646464u);
}

TEST(GlowComposite, MaskPartlyOutsideThePictureIsCut) {
  TStridedMemory Memory(2, 2, 3, true);
  Memory.View.Fill(0);
  const TGlowMask M = MaskOf(5, 5, 0);
  CompositeGlow(Memory.View, M, {-2, -1}, 0xFFFFFF);
  EXPECT_EQ(Memory.View.Row(0)[0], 0xFEFEFEFEu);
  EXPECT_EQ(Memory.View.Row(1)[1], 0xFEFEFEFEu);
  EXPECT_EQ(Memory.Guards(), Memory.PaddingPixels());
}

TEST(TextGlow, MaskIsDrawnOnceAndKept) {
  TBitmap32 Picture = Filled(40, 30, 0xFF000000u);
  TGlowMask Mask;
  int Drawn = 0;
  TRect Inner;
  const TGlowTextDrawer Draw = [&](TGlowMask& M, const TRect& TextRect) {
    ++Drawn;
    Inner = TextRect;
    for (int Y = TextRect.Top; Y < TextRect.Bottom; ++Y)
      for (int X = TextRect.Left; X < TextRect.Right; ++X) M.Row(Y)[X] = 0;
  };
  const TRect Text{10, 10, 14, 12};
  PaintTextGlow(Picture.View(), Text, Mask, 0xFFFFFF, 2, Draw);
  EXPECT_EQ(GlowArea(Text, 2), (TRect{5, 5, 21, 19}));
  EXPECT_EQ(Mask.Width, 16);
  EXPECT_EQ(Mask.Height, 14);
  EXPECT_EQ(Inner, (TRect{6, 6, 10, 8}));
  // The text's own place (moved by one pixel) glows; far away nothing changes.
  EXPECT_NE(Picture.Row(11)[12], 0xFF000000u);
  EXPECT_EQ(Picture.Row(0)[0], 0xFF000000u);
  const TBitmap32 Once = Picture;
  PaintTextGlow(Picture.View(), Text, Mask, 0xFFFFFF, 2, Draw);
  EXPECT_EQ(Drawn, 1);
  EXPECT_NE(Picture, Once);  // composited again from the kept mask
  PaintTextGlow(Picture.View(), Text, Mask, 0xFFFFFF, 0, Draw);
  EXPECT_EQ(Drawn, 1);  // no glow size, nothing drawn
}

// A glow area beyond the int range or larger than any bitmap is never made: nothing is
// drawn or painted, and the kept mask stays as it was.
TEST(TextGlow, AreaBeyondAnyBitmapPaintsNothing) {
  const struct {
    TRect Text;
    int Size;
  } Cases[] = {{{INT_MIN, INT_MIN, INT_MAX, INT_MAX}, 2},
               {{INT_MAX - 10, 0, INT_MAX - 5, 5}, 2},
               {{0, INT_MIN, 5, INT_MIN + 3}, 2},
               {{0, 0, 70000, 4}, 2},
               {{10, 10, 14, 12}, INT_MAX}};
  for (const auto& C : Cases) {
    TBitmap32 Picture = Filled(20, 20, 0xFF000000u);
    TGlowMask Mask;
    int Drawn = 0;
    PaintTextGlow(Picture.View(), C.Text, Mask, 0xFFFFFF, C.Size, [&](TGlowMask&, const TRect&) { ++Drawn; });
    EXPECT_EQ(Drawn, 0) << C.Text.Left << ", " << C.Size;
    EXPECT_EQ(Mask.Width, 0);
    EXPECT_EQ(Picture, Filled(20, 20, 0xFF000000u));
  }
}

}  // namespace
