#include <gtest/gtest.h>

#include <climits>

#include "skin/render/PixelFill.h"
#include "tests/native/PixelTestSupport.h"

namespace {

TEST(FillPixels, WritesColourInPixelOrderWithAlpha) {
  TBitmap32 Bitmap = Filled(3, 2, 0);
  FillPixels(Bitmap.View(), {1, 0, 3, 1}, TColor{0x123456}, 0xAA);
  EXPECT_EQ(Bitmap.Row(0)[0], 0u);
  EXPECT_EQ(Bitmap.Row(0)[1], 0xAA563412u);
  EXPECT_EQ(Bitmap.Row(0)[2], 0xAA563412u);
  EXPECT_EQ(Bitmap.Row(1)[1], 0u);  // bottom row of the rectangle is excluded
}

TEST(FillPixels, RectangleLargerThanBitmapFillsExactlyTheBitmap) {
  for (const bool BottomUp : {false, true}) {
    TStridedMemory M(3, 2, 5, BottomUp);
    FillPixels(M.View, {-4, -4, 100, 100}, clWhite, 255);
    for (int Y = 0; Y < 2; ++Y)
      for (int X = 0; X < 3; ++X) EXPECT_EQ(M.View.Row(Y)[X], 0xFFFFFFFFu);
    EXPECT_EQ(M.GuardsLeft(), M.PaddingPixels());
  }
}

TEST(FillPixels, EmptyInvertedAndOutsideRectanglesPaintNothing) {
  const TRect Rects[] = {{1, 1, 1, 2}, {2, 1, 1, 2}, {0, 2, 3, 1}, {3, 0, 9, 2}, {-5, -5, 0, 0},
                         {0, 2, 3, 9}, {INT_MIN, INT_MIN, INT_MIN + 1, 0}, {INT_MAX - 1, 0, INT_MAX, 2}};
  for (const TRect& R : Rects) {
    TStridedMemory M(3, 2, 4, true);
    FillPixels(M.View, R, clBlack, 255);
    EXPECT_EQ(M.Guards(), static_cast<int>(M.Memory.size()));
  }
}

TEST(FillPixels, EmptyBitmapIsLeftAlone) {
  TBitmap32 Empty(0, 4);
  FillPixels(Empty.View(), {0, 0, 10, 10}, clWhite, 255);
  EXPECT_TRUE(Empty.Empty());
}

TEST(SetPixelAlpha, SkipsKeyPixels) {
  TBitmap32 Bitmap = BitmapOf(3, 1, {0x00FF00FFu, 0x00123456u, 0x80FF00FFu});
  SetPixelAlpha(Bitmap.View(), {0, 0, 3, 1}, 0xFF, clFuchsia);
  EXPECT_EQ(Bitmap.Row(0)[0], 0x00FF00FFu);
  EXPECT_EQ(Bitmap.Row(0)[1], 0xFF123456u);
  EXPECT_EQ(Bitmap.Row(0)[2], 0xFFFF00FFu);
  SetPixelAlpha(Bitmap.View(), {0, 0, 1, 1}, 0x40, clNone);
  EXPECT_EQ(Bitmap.Row(0)[0], 0x40FF00FFu);
}

TEST(FadeToColor, BitmapKeepsWeightKAndAlpha) {
  // Pixel red 200, green 100, blue 0; colour TColor 0x0000FF (red 255) with K = 100:
  // red (200 * 100 + 255 * 155) >> 8 = 232, green 100 * 100 >> 8 = 39.
  TBitmap32 Bitmap = BitmapOf(2, 1, {MakePixel32(200, 100, 0, 0x33), 0x00FF00FFu});
  FadeRectToColor(Bitmap.View(), {0, 0, 1, 1}, 100, TColor{0x0000FF});
  EXPECT_EQ(Bitmap.Row(0)[0], MakePixel32(232, 39, 0, 0x33));
  EXPECT_EQ(Bitmap.Row(0)[1], 0x00FF00FFu);

  // The whole-bitmap form skips the key and fades the rest.
  TBitmap32 Whole = BitmapOf(2, 1, {MakePixel32(200, 100, 0, 0x33), 0x00FF00FFu});
  FadeBitmapToColor(Whole.View(), 100, TColor{0x0000FF});
  EXPECT_EQ(Whole.Row(0)[0], MakePixel32(232, 39, 0, 0x33));
  EXPECT_EQ(Whole.Row(0)[1], 0x00FF00FFu);
  // But FadeRectToColor does not skip it.
  FadeRectToColor(Whole.View(), {0, 0, 2, 1}, 255, TColor{0});
  EXPECT_EQ(Whole.Row(0)[1], 0x00FE00FEu);
}

TEST(DrawDotFrame, AlternatesTheTwoColoursFromTheCorner) {
  constexpr TPixel32 O = 0xFF000000u;
  constexpr TPixel32 A = 0xFFFF0000u;  // clRed in pixel order
  constexpr TPixel32 B = 0xFF00FF00u;  // clLime
  TBitmap32 Bitmap = Filled(7, 5, O);
  DrawDotFrame(Bitmap.View(), {0, 0, 6, 4}, clRed, clLime);
  // Width 6: offsets 1, 3, 5 get Color1, 2, 4 get Color2, offset 6 lies past the frame.
  const TPixel32 Expected[5][7] = {
      {O, A, B, A, B, A, B},
      {A, O, O, O, O, A, O},
      {B, O, O, O, O, B, O},
      {A, A, B, A, B, A, B},
      {B, O, O, O, O, B, O},
  };
  // Rows 0 and 3 are the frame's top and bottom; columns 0 and 5 its sides.
  for (int Y = 0; Y < 5; ++Y)
    for (int X = 0; X < 7; ++X) EXPECT_EQ(Bitmap.Row(Y)[X], Expected[Y][X]) << X << "," << Y;
}

TEST(DrawDotFrame, NoneColourIsNotDrawn) {
  TBitmap32 Bitmap = Filled(4, 4, 0);
  DrawDotFrame(Bitmap.View(), {0, 0, 4, 4}, clNone, clWhite);
  EXPECT_EQ(Bitmap.Row(0)[1], 0u);
  EXPECT_EQ(Bitmap.Row(0)[2], 0x00FFFFFFu);
}

// A frame reaching the ends of the int range: only the dots inside the bitmap are drawn,
// counted from the frame's corner as for any frame.
TEST(DrawDotFrame, AnyRectangleDrawsTheDotsThatFit) {
  constexpr TPixel32 O = 0xFF000000u;
  constexpr TPixel32 A = 0xFFFF0000u;  // clRed in pixel order
  constexpr TPixel32 B = 0xFF00FF00u;  // clLime
  TBitmap32 Bitmap = Filled(5, 3, O);
  DrawDotFrame(Bitmap.View(), {INT_MIN, INT_MIN, INT_MAX, INT_MAX}, clRed, clLime);
  EXPECT_EQ(Bitmap, Filled(5, 3, O));
  // Top and bottom rows 0 and 2: offsets 1, 3 Color1, 2, 4 Color2; the left side: row 1
  // Color1, row 2 Color2 (drawn after the bottom row).
  DrawDotFrame(Bitmap.View(), {0, 0, INT_MAX, 3}, clRed, clLime);
  const TPixel32 Expected[3][5] = {{O, A, B, A, B}, {A, O, O, O, O}, {B, A, B, A, B}};
  for (int Y = 0; Y < 3; ++Y)
    for (int X = 0; X < 5; ++X) EXPECT_EQ(Bitmap.Row(Y)[X], Expected[Y][X]) << X << "," << Y;
  // From INT_MIN + 1, x 0 lies an odd distance (2^31 - 1) in: Color1 there.
  TBitmap32 Odd = Filled(4, 1, O);
  DrawDotFrame(Odd.View(), {INT_MIN + 1, 0, INT_MAX, INT_MAX}, clRed, clLime);
  EXPECT_EQ(Odd, BitmapOf(4, 1, {A, B, A, B}));
}

}  // namespace
