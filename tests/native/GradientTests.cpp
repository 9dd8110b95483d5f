#include <gtest/gtest.h>

#include <cstdlib>

#include "skin/store/ConvertError.h"
#include "skin/render/Gradient.h"
#include "tests/native/PixelTestSupport.h"

namespace {

std::uint32_t Opaque(std::uint32_t Color) { return Color | 0xFF000000u; }

// The pixel of a TColor, opaque.
TPixel32 PixelOf(TColor Color) { return ExchangeRedBlue(static_cast<TPixel32>(Color)) | 0xFF000000u; }

bool Near(TPixel32 A, TPixel32 B, int Tolerance) {
  for (int Shift = 0; Shift < 32; Shift += 8)
    if (std::abs(static_cast<int>((A >> Shift) & 0xFF) - static_cast<int>((B >> Shift) & 0xFF)) > Tolerance)
      return false;
  return true;
}

TEST(ParseGradient, CurrentFormatTwoGroups) {
  const TsGradArray Points = ParseGradient("5197647;3618615;97;0;0;3618615;3618615;0;0;0");
  ASSERT_EQ(Points.size(), 2u);
  EXPECT_EQ(Points[0], (TsGradPoint{0, 0, TsColor::FromC(Opaque(5197647)), 0}));
  EXPECT_EQ(Points[1], (TsGradPoint{1, 0, TsColor::FromC(Opaque(3618615)), 100}));
}

TEST(ParseGradient, CurrentFormatPositionsAccumulate) {
  const TsGradArray Points =
      ParseGradient("4210752;4210752;30;0;0;4210752;3158064;67;0;0;3158064;3158064;0;0;0");
  ASSERT_EQ(Points.size(), 3u);
  EXPECT_EQ(Points[0].Percent, 0);
  EXPECT_EQ(Points[1].Percent, 30);
  EXPECT_EQ(Points[2].Percent, 100);
  EXPECT_EQ(Points[2].Color.C(), Opaque(3158064));
}

TEST(ParseGradient, ShortTextsGiveNoPoints) {
  for (const char* Text : {"", "N/A", "1;20", ";;;;"}) EXPECT_TRUE(ParseGradient(Text).empty()) << Text;
}

TEST(ParseGradient, FourCornerKindIsPaddedToFivePoints) {
  const TsGradArray Points = ParseGradient("255;0;50;2;0;65280;0;25;2;0;16711680;0;0;2;0");
  ASSERT_EQ(Points.size(), 5u);
  const int Percents[5] = {0, 50, 75, 75, 100};
  for (int I = 0; I < 5; ++I) EXPECT_EQ(Points[I].Percent, Percents[I]) << I;
  for (int I = 3; I < 5; ++I) {
    EXPECT_EQ(Points[I].Index, 2);
    EXPECT_EQ(Points[I].Mode, 2);
    EXPECT_EQ(Points[I].Color.C(), Opaque(16711680));
  }
}

TEST(ParseGradient, CurrentFormatDetails) {
  // Separators run together, the smooth bit is cleared, lengths are clamped to 0..100 and
  // their sum to 100, colours keep the low 32 bits; end colours and the fifth field are
  // never read, so they need not be numbers.
  const TsGradArray Points = ParseGradient("4294967551;x;;150;17;y;;;2;z;-5;16;r;3;3;0;0;0");
  ASSERT_EQ(Points.size(), 3u);
  EXPECT_EQ(Points[0].Color.C(), 0xFF0000FFu);
  EXPECT_EQ(Points[0].Mode, 1);
  EXPECT_EQ(Points[1].Percent, 100);
  EXPECT_EQ(Points[1].Mode, 0);
  EXPECT_EQ(Points[2].Percent, 100);
}

TEST(ParseGradient, OlderFormatCountsPointsByLetter) {
  const TsGradArray Points = ParseGradient("255;150;0;65280;-5;16;16711680;40;0;C");
  ASSERT_EQ(Points.size(), 3u);
  EXPECT_EQ(Points[0].Percent, 100);
  EXPECT_EQ(Points[1].Percent, 0);
  EXPECT_EQ(Points[2].Percent, 100);  // the last is always at 100
  EXPECT_EQ(Points[0].Mode, GradientPathCorners);  // a later point has the smooth bit
  EXPECT_EQ(Points[1].Mode, GradientSmoothBand);
  EXPECT_EQ(Points[0].Color.C(), 255u);  // this format leaves byte 3 as written
  EXPECT_EQ(Points[2].Index, 2);
}

TEST(ParseGradient, FieldsThatAreNotIntegersThrow) {
  for (const char* Text : {"1;2;x;0;0;5;5;0;0;0",     // a length
                           "1;2;3;1.5;0;5;5;0;0;0",   // a mode
                           "0x10;2;3;0;0;5;5;0;0;0",  // a colour
                           "1;2;3;B",                 // too few fields for two points
                           "1;2;99999999999;C;1;2;3;4;5;C"})
    EXPECT_THROW(ParseGradient(Text), EConvertError) << Text;
}

TEST(ParseGradient, ErrorTextNamesTheField) {
  try {
    ParseGradient("1;2;abc;0;0;5;5;0;0;0");
    FAIL() << "no error";
  } catch (const EConvertError& Error) {
    EXPECT_STREQ(Error.what(), "'abc' is not a valid integer value");
  }
}

TsGradArray TwoPoints(TColor First, TColor Second, int Kind) {
  return {{0, Kind, TsColor::FromC(Opaque(First)), 0}, {1, Kind, TsColor::FromC(Opaque(Second)), 100}};
}

TEST(PaintGradient, TopToBottomRunsFromFirstToSecondColour) {
  TBitmap32 Bitmap = Filled(3, 10, 0x01010101u);
  PaintGradient(Bitmap.View(), {1, 0, 2, 10}, TwoPoints(0x000000, 0xC8643C, 0), 0);
  EXPECT_EQ(Bitmap.Row(0)[1], 0xFF000000u);
  EXPECT_TRUE(Near(Bitmap.Row(9)[1], PixelOf(0xC8643C), 1)) << std::hex << Bitmap.Row(9)[1];
  for (int Y = 1; Y < 10; ++Y) EXPECT_GT(Bitmap.Row(Y)[1] & 0xFF, Bitmap.Row(Y - 1)[1] & 0xFF) << Y;
  for (int Y = 0; Y < 10; ++Y) {
    EXPECT_EQ(Bitmap.Row(Y)[0], 0x01010101u);
    EXPECT_EQ(Bitmap.Row(Y)[2], 0x01010101u);
  }
}

TEST(PaintGradient, FlatBandThenGradient) {
  TBitmap32 Bitmap = Filled(1, 10, 0);
  PaintGradient(Bitmap.View(), {0, 0, 1, 10},
                ParseGradient("4210752;4210752;30;0;0;4210752;3158064;67;0;0;3158064;3158064;0;0;0"), 0);
  // 30 % of 10 rows: the flat band covers rows 0..3, the second band starts on row 3.
  for (int Y = 0; Y <= 3; ++Y) EXPECT_EQ(Bitmap.Row(Y)[0], 0xFF404040u) << Y;
  EXPECT_LT(Bitmap.Row(4)[0] & 0xFF, 0x40u);
  EXPECT_TRUE(Near(Bitmap.Row(9)[0], 0xFF303030u, 1));
}

TEST(PaintGradient, BandOfLengthZeroPaintsNothing) {
  // Red at 0, green at 50, blue at 50, blue at 100 over 10 rows: the green-to-blue band
  // has no length, so no row mixes green and blue.
  TBitmap32 Bitmap = Filled(1, 10, 0);
  PaintGradient(Bitmap.View(), {0, 0, 1, 10}, ParseGradient("255;0;0;65280;50;0;16711680;50;0;16711680;100;0;D"),
                0);
  EXPECT_EQ(Bitmap.Row(0)[0], 0xFFFF0000u);
  EXPECT_EQ(Bitmap.Row(4)[0] & 0xFF, 0u);  // still between red and green
  EXPECT_NE(Bitmap.Row(4)[0] & 0xFF00, 0u);
  for (int Y = 5; Y < 10; ++Y) EXPECT_EQ(Bitmap.Row(Y)[0], 0xFF0000FFu) << Y;
}

TEST(PaintGradient, OffsetStartsLower) {
  TBitmap32 Bitmap = Filled(1, 10, 7);
  PaintGradient(Bitmap.View(), {0, 0, 1, 10}, TwoPoints(0x0000FF, 0xFF0000, 0), 5);
  for (int Y = 0; Y < 5; ++Y) EXPECT_EQ(Bitmap.Row(Y)[0], 7u) << Y;
  EXPECT_EQ(Bitmap.Row(5)[0], 0xFFFF0000u);
  EXPECT_TRUE(Near(Bitmap.Row(9)[0], 0xFF0000FFu, 1));
}

TEST(PaintGradient, ClippedRectangleKeepsTheFullGradientsScale) {
  // A rectangle from row -10 to 10: row 0 of the bitmap is step 10 of 19.
  TBitmap32 Bitmap = Filled(1, 10, 0);
  PaintGradient(Bitmap.View(), {0, -10, 1, 10}, TwoPoints(0x000000, 0xFFFFFF, 0), 0);
  EXPECT_TRUE(Near(Bitmap.Row(0)[0], 0xFF868686u, 1)) << std::hex << Bitmap.Row(0)[0];  // 255 * 10 / 19 = 134.2
  EXPECT_TRUE(Near(Bitmap.Row(9)[0], 0xFFFFFFFFu, 1));
}

TEST(PaintGradient, LeftToRightCopiesTheFirstRow) {
  TBitmap32 Bitmap = Filled(5, 3, 0);
  PaintGradient(Bitmap.View(), {0, 0, 5, 3}, TwoPoints(0x0000FF, 0x00FF00, 1), 0);
  EXPECT_EQ(Bitmap.Row(0)[0], 0xFFFF0000u);
  EXPECT_TRUE(Near(Bitmap.Row(0)[4], 0xFF00FF00u, 1));
  for (int Y = 1; Y < 3; ++Y)
    for (int X = 0; X < 5; ++X) EXPECT_EQ(Bitmap.Row(Y)[X], Bitmap.Row(0)[X]);
  EXPECT_GT(Bitmap.Row(0)[2] & 0xFF00, Bitmap.Row(0)[1] & 0xFF00);
}

TEST(PaintGradient, FourCornersAndCentre) {
  for (const int PathBit : {0, GradientPathCorners}) {
    TsGradArray Points = ParseGradient("255;0;0;2;0;16777215;0;0;2;0;65280;0;0;2;0;16711680;0;0;2;0;0;0;0;2;0");
    ASSERT_EQ(Points.size(), 5u);
    Points[0].Mode |= PathBit;
    TBitmap32 Bitmap = Filled(5, 5, 0);
    PaintGradient(Bitmap.View(), {0, 0, 5, 5}, Points, 0);
    EXPECT_EQ(Bitmap.Row(0)[0], PixelOf(255));       // top left: point 0
    EXPECT_EQ(Bitmap.Row(2)[2], PixelOf(16777215));  // centre: point 1
    EXPECT_EQ(Bitmap.Row(0)[4], PixelOf(65280));     // top right: point 2
    EXPECT_EQ(Bitmap.Row(4)[4], PixelOf(16711680));  // bottom right: point 3
    EXPECT_EQ(Bitmap.Row(4)[0], PixelOf(0));         // bottom left: point 4
    EXPECT_TRUE(Near(Bitmap.Row(0)[2], 0xFF808000u, 1)) << std::hex << Bitmap.Row(0)[2];  // mid top edge
  }
}

TEST(PaintGradient, NothingForKindThreeEmptyArraysAndEmptyRectangles) {
  struct TCase {
    TsGradArray Points;
    TRect Rect;
  } const Cases[] = {
      {TwoPoints(0xFFFFFF, 0xFFFFFF, 3), {0, 0, 3, 3}},
      {{}, {0, 0, 3, 3}},
      {TwoPoints(0xFFFFFF, 0xFFFFFF, 0), {2, 2, 1, 1}},
      {TwoPoints(0xFFFFFF, 0xFFFFFF, 1), {3, 0, 9, 3}},
      {TwoPoints(0xFFFFFF, 0xFFFFFF, 0), {0, -9, 3, 0}},
  };
  for (const TCase& C : Cases) {
    TStridedMemory M(3, 3, 4, true);
    PaintGradient(M.View, C.Rect, C.Points, 0);
    EXPECT_EQ(M.Guards(), static_cast<int>(M.Memory.size()));
  }
}

TEST(PaintGradientTextured, MixesATiledTextureInto) {
  // Flat grey 64 with a texture of black and white columns, texture weight 255:
  // black (255 * -64 + 64 * 256) >> 8 = 0; white (255 * 191 + 64 * 256) >> 8 = 254.
  const TBitmap32 Texture = BitmapOf(3, 1, {0xFF000000u, 0xFFFFFFFFu, 0xFF00FF00u});
  for (const int Kind : {0, 1}) {
    TBitmap32 Bitmap = Filled(5, 4, 0);
    PaintGradientTextured(Bitmap.View(), {0, 0, 5, 4}, TwoPoints(0x404040, 0x404040, Kind), 200, 255, {0, 0, 2, 1},
                          Texture.View());
    for (int Y = 0; Y < 4; ++Y)
      for (int X = 0; X < 5; ++X)
        EXPECT_EQ(Bitmap.Row(Y)[X], X % 2 == 0 ? 0xC8000000u : 0xC8FEFEFEu) << Kind << ": " << X << "," << Y;
  }
}

TEST(PaintGradientTextured, TextureRowsRepeatDownwards) {
  const TBitmap32 Texture = BitmapOf(1, 2, {0xFF000000u, 0xFFFFFFFFu});
  TBitmap32 Bitmap = Filled(3, 5, 0);
  PaintGradientTextured(Bitmap.View(), {0, 0, 3, 5}, TwoPoints(0x000000, 0xFFFFFF, 1), 255, 127, {}, Texture.View());
  for (int Y = 2; Y < 5; ++Y)
    for (int X = 0; X < 3; ++X) EXPECT_EQ(Bitmap.Row(Y)[X], Bitmap.Row(Y - 2)[X]) << X << "," << Y;
  EXPECT_NE(Bitmap.Row(0)[0], Bitmap.Row(1)[0]);
}

TEST(PaintGradientTextured, OtherKindsPaintNothing) {
  const TBitmap32 Texture = Filled(1, 1, 0xFFFFFFFFu);
  TBitmap32 Bitmap = Filled(3, 3, 5);
  TsGradArray Corners = ParseGradient("255;0;0;2;0;255;0;0;2;0");
  PaintGradientTextured(Bitmap.View(), {0, 0, 3, 3}, Corners, 255, 100, {}, Texture.View());
  EXPECT_EQ(Bitmap, Filled(3, 3, 5));
}

}  // namespace
