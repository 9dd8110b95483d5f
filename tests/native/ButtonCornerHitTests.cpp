// Clicks through the key-colour corners of a button border with a picture of its own.
#include <gtest/gtest.h>

#include <memory>

#include "skin/controls/core/ButtonCornerHit.h"
#include "tests/native/PaintFixture.h"

namespace {

constexpr TPixel32 Key = 0x00FF00FFu;

// Three 10 x 10 states above their masks, 3-pixel borders; the first state has key pixels
// in its four corner points and at (1, 0); the second state is key all over.
TsMaskData OwnBorder() {
  auto Picture = std::make_shared<TBitmap32>(NamedPixels(30, 20));
  for (const TPoint P : {TPoint{0, 0}, TPoint{1, 0}, TPoint{9, 0}, TPoint{0, 9}, TPoint{9, 9}, TPoint{3, 3}})
    Picture->Row(P.Y)[P.X] = Key;
  for (int Y = 0; Y < 10; ++Y)
    for (int X = 10; X < 20; ++X) Picture->Row(Y)[X] = Key;
  TsMaskData Border = Item({0, 0, 30, 20}, 3, 1, 0, 3, 3, 3, 3);
  Border.Bmp = Picture;
  Border.CornerType = 1;
  return Border;
}

TEST(ButtonCornerHit, KeyPixelsOfTheCornersLetClicksThrough) {
  const TsMaskData Border = OwnBorder();
  const struct {
    TPoint Point;
    bool Through;
  } Cases[] = {
      {{0, 0}, true},     {{1, 0}, true},    {{2, 0}, false},  // top left: image (0..2, 0)
      {{129, 0}, true},   {{128, 0}, false},                  // top right: image (9, 0), (8, 0)
      {{0, 34}, true},    {{129, 34}, true},                  // bottom: image row 9
      {{3, 3}, false},                                        // past the corner, whatever the pixel
      {{65, 0}, false},   {{0, 17}, false},                   // edges between the corners
      {{-1, 0}, false},   {{130, 34}, false},                 // outside the button
  };
  for (const auto& C : Cases)
    EXPECT_EQ(ButtonCornerLetsClickThrough(Border, 130, 35, C.Point), C.Through) << C.Point.X << "," << C.Point.Y;
}

TEST(ButtonCornerHit, OnlyOwnPicturesWithKeyCorners) {
  TsMaskData Opaque = OwnBorder();
  Opaque.CornerType = 0;
  EXPECT_FALSE(ButtonCornerLetsClickThrough(Opaque, 130, 35, {0, 0}));
  TsMaskData FromMaster = OwnBorder();
  FromMaster.Bmp = nullptr;  // a piece of the master bitmap
  EXPECT_FALSE(ButtonCornerLetsClickThrough(FromMaster, 130, 35, {0, 0}));
}

TEST(ButtonCornerHit, BordersWiderThanThePictureReadNothing) {
  TsMaskData Wide = OwnBorder();
  Wide.WR = 20;  // reaches past the first state picture's left edge for x below 110
  EXPECT_TRUE(ButtonCornerLetsClickThrough(Wide, 130, 35, {129, 0}));
  EXPECT_FALSE(ButtonCornerLetsClickThrough(Wide, 130, 35, {115, 0}));  // image column -5
}

}  // namespace
