// Where the skinned image puts its picture, for the main window's two pictures and the
// other ways of fitting, worked by hand.
#include <gtest/gtest.h>

#include <climits>

#include "gfx/MulDivRound.h"
#include "skin/controls/core/ImageFit.h"

namespace {

struct Case {
  const char* What;
  int CW, CH, PW, PH;
  TImageFitOptions Options;
  TRect Expected;
};

TEST(ImagePlacement, Cases) {
  // Options: Stretch, Proportional, Center, Reflected, UseFullSize.
  const Case Cases[] = {
      {"logo stretched, Center on", 30, 30, 60, 60, {true, false, true}, {0, 0, 30, 30}},
      {"donate picture stretched", 77, 41, 225, 125, {true, false, true}, {0, 0, 77, 41}},
      // 77 x 125 / 225 = 42.8 -> 43 is too tall: 41 high, 41 x 225 / 125 = 73.8 -> 74 wide.
      {"wide, height runs out", 77, 41, 225, 125, {true, true, true}, {1, 0, 75, 41}},
      {"wide, height runs out, at the corner", 77, 41, 225, 125, {true, true, false}, {0, 0, 74, 41}},
      {"wide, rounded up to fit exactly", 77, 43, 225, 125, {true, true, true}, {0, 0, 77, 43}},
      {"wide, width-bound", 30, 30, 40, 20, {true, true, true}, {0, 7, 30, 22}},
      {"tall, height-bound", 30, 30, 20, 40, {true, true, true}, {7, 0, 22, 30}},
      // 30 x 10 / 20 = 15 is too wide: 8 wide, 8 x 20 / 10 = 16 high.
      {"tall, width runs out", 8, 30, 10, 20, {true, true, true}, {0, 7, 8, 23}},
      {"reflected leaves the lower third", 30, 30, 60, 60, {true, false, true, true}, {0, 0, 30, 20}},
      {"reflected, fitted and centred", 30, 30, 60, 60, {true, true, true, true}, {5, 5, 25, 25}},
      {"reflected, full size", 30, 30, 60, 60, {true, true, true, true, true}, {5, 0, 25, 20}},
      {"natural size, centred", 30, 30, 10, 6, {false, false, true}, {10, 12, 20, 18}},
      {"natural size, at the corner", 30, 30, 10, 6, {}, {0, 0, 10, 6}},
      {"natural size, larger than the control", 30, 30, 50, 40, {false, false, true}, {-10, -5, 40, 35}},
      {"Proportional alone keeps the size", 30, 30, 50, 40, {false, true, false}, {0, 0, 50, 40}},
      {"zero-sized control", 0, 0, 60, 60, {true, true, true}, {0, 0, 0, 0}},
  };
  for (const Case& C : Cases) EXPECT_EQ(ImagePlacement(C.CW, C.CH, C.PW, C.PH, C.Options), C.Expected) << C.What;
}

TEST(ImagePlacement, AnEmptyPictureIsNotFitted) {
  for (const TImageFitOptions Options : {TImageFitOptions{true, true, true}, TImageFitOptions{true, false, true},
                                         TImageFitOptions{false, false, true}}) {
    EXPECT_TRUE(ImagePlacement(30, 30, 0, 0, Options).IsEmpty());
    EXPECT_TRUE(ImagePlacement(30, 30, 0, 10, Options).IsEmpty());
    EXPECT_TRUE(ImagePlacement(30, 30, 10, -1, Options).IsEmpty());
  }
}

TEST(MulDivRound, RoundsHalfAwayFromZeroAndRefusesWhatMulDivRefuses) {
  EXPECT_EQ(MulDivRound(200, 150, 100), 300);
  EXPECT_EQ(MulDivRound(5, 1, 2), 3);
  EXPECT_EQ(MulDivRound(-5, 1, 2), -3);
  EXPECT_EQ(MulDivRound(5, 1, -2), -3);
  EXPECT_EQ(MulDivRound(7, 1, 3), 2);
  EXPECT_EQ(MulDivRound(INT_MAX, INT_MAX, INT_MAX), INT_MAX);  // the product needs 64 bits
  EXPECT_EQ(MulDivRound(1, 1, 0), -1);
  EXPECT_EQ(MulDivRound(INT_MAX, 2, 1), -1);
}

}  // namespace
