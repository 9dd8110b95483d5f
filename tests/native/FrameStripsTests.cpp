#include <gtest/gtest.h>

#include "skin/render/FrameStrips.h"
#include "gfx/Resample.h"
#include "tests/native/PixelTestSupport.h"

namespace {

TEST(FrameStrips, SolidFrameIsFourStripsInOrder) {
  const auto Strips = SolidFrameStrips({10, 20, 50, 60}, 1, 2, 3, 4);
  EXPECT_EQ(Strips[0], (TRect{10, 20, 50, 22}));  // top, full width
  EXPECT_EQ(Strips[1], (TRect{10, 22, 11, 60}));  // left, below the top
  EXPECT_EQ(Strips[2], (TRect{11, 56, 50, 60}));  // bottom, right of the left strip
  EXPECT_EQ(Strips[3], (TRect{47, 22, 50, 56}));  // right, between top and bottom
}

TEST(FrameStrips, CopyStripsStartWhereTheFrameSays) {
  const auto Strips = FrameCopyStrips(5, 7, 40, 30, 3);
  EXPECT_EQ(Strips[0], Bounds(5, 7, 3, 30));
  EXPECT_EQ(Strips[1], Bounds(8, 7, 40, 3));
  EXPECT_EQ(Strips[2], Bounds(42, 10, 3, 30));
  EXPECT_EQ(Strips[3], Bounds(8, 34, 40, 3));
}

TEST(StretchNearest, RepeatsAndDropsPixelsWithTheirAlpha) {
  const TBitmap32 Src = BitmapOf(2, 2, {0x11000001u, 0x22000002u, 0x33000003u, 0x44000004u});
  TBitmap32 Wide;
  StretchNearest(Src.View(), Wide, 4, 1);
  EXPECT_EQ(Wide, BitmapOf(4, 1, {0x11000001u, 0x11000001u, 0x22000002u, 0x22000002u}));
  TBitmap32 Small;
  StretchNearest(Src.View(), Small, 1, 2);
  EXPECT_EQ(Small, BitmapOf(1, 2, {0x11000001u, 0x33000003u}));
  TBitmap32 Untouched = Filled(1, 1, 9);
  StretchNearest(Src.View(), Untouched, 0, 3);
  EXPECT_EQ(Untouched, Filled(1, 1, 9));
}

}  // namespace
