#include <gtest/gtest.h>

#include "skin/render/TextAlpha.h"

namespace {

TEST(RestoreAlphaAroundText, UntouchedPixelsKeepTheirAlphaDrawnOnesBecomeOpaque) {
  TBitmap32 Before(3, 1);
  Before.Row(0)[0] = 0x40102030u;  // untouched, alpha cleared by nobody
  Before.Row(0)[1] = 0x80102030u;  // untouched, but GDI cleared its alpha
  Before.Row(0)[2] = 0x20102030u;  // text drawn over it
  TBitmap32 After(3, 1);
  After.Row(0)[0] = 0x40102030u;
  After.Row(0)[1] = 0x00102030u;
  After.Row(0)[2] = 0x00000000u;
  RestoreAlphaAroundText(After.View(), Before.View());
  EXPECT_EQ(After.Row(0)[0], 0x40102030u);
  EXPECT_EQ(After.Row(0)[1], 0x80102030u);
  EXPECT_EQ(After.Row(0)[2], 0xFF000000u);
}

TEST(RestoreAlphaAroundText, PicturesOfDifferentSizesAreLeftAlone) {
  TBitmap32 Before(2, 1);
  Before.Fill(0xFF112233u);
  TBitmap32 After(1, 1);
  After.Fill(0x00112233u);
  RestoreAlphaAroundText(After.View(), Before.View());
  EXPECT_EQ(After.Row(0)[0], 0x00112233u);
}

}  // namespace
