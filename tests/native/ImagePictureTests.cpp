// The skinned image's picture drawn into its cached picture: alpha for pictures stored
// without it, placement, the Mitchell resize, the grey shape and the reflection.
#include <gtest/gtest.h>

#include <cstdlib>

#include "skin/controls/core/ImagePicture.h"
#include "tests/native/PixelTestSupport.h"

namespace {

constexpr TPixel32 Behind = 0xFF203040;
constexpr TPixel32 Red = 0xFFFF0000;
constexpr TPixel32 Key = 0xFF00FF00;

// Each colour byte within Tolerance of the expected one: an opaque pixel composited keeps
// 1/256 of what was behind it, and the Mitchell filter rings a little at the picture's edge.
bool Near(TPixel32 Actual, TPixel32 Expected, int Tolerance = 1) {
  for (int Shift = 0; Shift < 24; Shift += 8)
    if (std::abs(static_cast<int>((Actual >> Shift) & 0xFF) - static_cast<int>((Expected >> Shift) & 0xFF)) > Tolerance)
      return false;
  return true;
}

TEST(PictureWithAlpha, APictureWithoutAlphaIsOpaqueExceptItsKeyColourWithTransparent) {
  // Bottom-left pixel is the key colour.
  const TBitmap32 Picture = BitmapOf(2, 2, {0x00112233, Key, Key, 0x00445566});
  const TBitmap32 Keyed = PictureWithAlpha(Picture.View(), 24, true);
  EXPECT_EQ(Keyed.Row(0)[0], 0xFF112233u);
  EXPECT_EQ(Keyed.Row(0)[1] >> 24, 0u);
  EXPECT_EQ(Keyed.Row(1)[0] >> 24, 0u);
  EXPECT_EQ(Keyed.Row(1)[1], 0xFF445566u);
  const TBitmap32 Opaque = PictureWithAlpha(Picture.View(), 24, false);
  EXPECT_EQ(Opaque.Row(1)[0], Key);
  EXPECT_EQ(Opaque.Row(0)[0], 0xFF112233u);
}

TEST(PictureWithAlpha, APictureWithAlphaKeepsIt) {
  const TBitmap32 Picture = BitmapOf(2, 1, {0x80112233, 0x00445566});
  const TBitmap32 Same = PictureWithAlpha(Picture.View(), 32, true);
  EXPECT_EQ(Same.Row(0)[0], 0x80112233u);
  EXPECT_EQ(Same.Row(0)[1], 0x00445566u);
}

struct TPlacedCase {
  const char* What;
  TImageFitOptions Fit;
  TRect Inside;  // where the picture lands in the 30 x 30 cache, worked by hand
};

TEST(DrawImagePicture, ThePictureLandsWhereItsPlacementSaysAndTheRestShowsWhatIsBehind) {
  // A 10 x 6 red picture (24 bits) in a 30 x 30 control.
  const TPlacedCase Cases[] = {
      {"natural size at the corner", {}, {0, 0, 10, 6}},
      {"natural size centred", {false, false, true}, {10, 12, 20, 18}},
      {"stretched over the control, Center on", {true, false, true}, {0, 0, 30, 30}},
      // 30 x 6 / 10 = 18 high, centred: (30 - 18) / 2 = 6.
      {"stretched keeping the aspect", {true, true, true}, {0, 6, 30, 24}},
      {"stretched, reflection leaves the lower third", {true, false, false, true}, {0, 0, 30, 20}},
  };
  const TBitmap32 Picture = Filled(10, 6, Red & 0xFFFFFF);
  for (const TPlacedCase& C : Cases) {
    SCOPED_TRACE(C.What);
    TBitmap32 Cache = Filled(30, 30, Behind);
    TImagePictureOptions Options;
    Options.Fit = C.Fit;
    DrawImagePicture(Cache.View(), Picture.View(), 24, Options);
    const TRect& R = C.Inside;
    for (const TPoint P : {TPoint{R.Left, R.Top}, TPoint{R.Right - 1, R.Bottom - 1}, TPoint{(R.Left + R.Right) / 2, (R.Top + R.Bottom) / 2}})
      EXPECT_TRUE(Near(Cache.Row(P.Y)[P.X], Red, 6)) << P.X << "," << P.Y << ": " << std::hex << Cache.Row(P.Y)[P.X];
    if (R.Right < 30) {
      EXPECT_EQ(Cache.Row(R.Top)[R.Right], Behind);
    }
    if (R.Left > 0) {
      EXPECT_EQ(Cache.Row(R.Top)[R.Left - 1], Behind);
    }
    if (R.Top > 0) {
      EXPECT_EQ(Cache.Row(R.Top - 1)[R.Left], Behind);
    }
    if (!C.Fit.Reflected && R.Bottom < 30) {
      EXPECT_EQ(Cache.Row(R.Bottom)[R.Left], Behind);
    }
  }
}

TEST(DrawImagePicture, TheKeyColourOfATransparentPictureShowsWhatIsBehind) {
  // Column 0 is the key colour (the bottom-left pixel's), column 1 red.
  const TBitmap32 Picture = BitmapOf(2, 2, {Key, Red, Key, Red});
  TBitmap32 Cache = Filled(4, 4, Behind);
  TImagePictureOptions Options;
  Options.Transparent = true;
  DrawImagePicture(Cache.View(), Picture.View(), 24, Options);
  EXPECT_EQ(Cache.Row(0)[0], Behind);
  EXPECT_EQ(Cache.Row(1)[0], Behind);
  EXPECT_TRUE(Near(Cache.Row(0)[1], Red));
}

TEST(DrawImagePicture, AnEmptyPictureDrawsNothing) {
  TBitmap32 Cache = Filled(8, 8, Behind);
  DrawImagePicture(Cache.View(), TBitmap32().View(), 24, {});
  EXPECT_EQ(Cache, Filled(8, 8, Behind));
}

TEST(DrawImagePicture, GreyedThePictureIsAGreyShape) {
  TBitmap32 Cache = Filled(4, 4, Behind);
  TImagePictureOptions Options;
  Options.Grayed = true;
  DrawImagePicture(Cache.View(), Filled(2, 2, Red).View(), 24, Options);
  const TPixel32 P = Cache.Row(0)[0];
  const int R = static_cast<int>((P >> 16) & 0xFF), G = static_cast<int>((P >> 8) & 0xFF), B = static_cast<int>(P & 0xFF);
  EXPECT_GT(G, 0x30);  // not red: green and blue well above what is behind
  EXPECT_LE(std::abs(R - G), 1);
  EXPECT_LE(std::abs(G - B), 1);
  EXPECT_EQ(Cache.Row(2)[0], Behind);
}

TEST(DrawImagePicture, ReflectedAFadingMirrorOfHalfThePicturesHeightLiesBelowIt) {
  // A 4 x 6 red picture at the corner: rows 6, 7, 8 mirror it with weights 3/3, 2/3, 1/3.
  TBitmap32 Cache = Filled(10, 12, Behind);
  TImagePictureOptions Options;
  Options.Fit.Reflected = true;
  DrawImagePicture(Cache.View(), Filled(4, 6, Red).View(), 24, Options);
  EXPECT_TRUE(Near(Cache.Row(6)[0], Red));
  const TPixel32 Faded = Cache.Row(8)[0];
  EXPECT_GT((Faded >> 16) & 0xFF, 0x20u);
  EXPECT_LT((Faded >> 16) & 0xFF, 0xFFu);
  EXPECT_EQ(Cache.Row(9)[0], Behind);
  EXPECT_EQ(Cache.Row(6)[4], Behind);
}

}  // namespace
