#include <gtest/gtest.h>

#include <cstdlib>

#include "gfx/Resample.h"
#include "tests/native/PixelTestSupport.h"

namespace {

// 4 x 2 to 2 x 2 with Mitchell (B = C = 1/3), worked by hand.
// Rows: scale 0.5, support 4; weight(d) = f(d * 0.5) * 0.5 in 16.16:
//   d 0: 29127, d 1: 17522, d 2: 1820, d 3: -1138, d 4: 0 (dropped).
//   x = 0 (c = 0): sources -3..3 mirrored to 3,2,1,0,1,2,3;
//   x = 1 (c = 2): sources -1..5 mirrored to 1,0,1,2,3,3,2 at distances 3,2,1,0,1,2,3.
// Blue values 0, 100, 200, 40:
//   x = 0: 100 * 2 * 17522 + 200 * 2 * 1820 - 40 * 2 * 1138 = 4141360, >> 16 = 63
//   x = 1: -100 * 1138 + 100 * 17522 + 200 * 29127 + 40 * 17522 + 40 * 1820 - 200 * 1138
//          = 8009880, >> 16 = 122
// Both weight sets add up to 65535, so alpha 255 becomes 254. Columns: equal height, scale
// 1: weights f(0) = 58254 and f(1) = 3641 on each side add up to 65536, and the two equal
// rows stay as they are.
TEST(ResampleBitmap, MitchellMatchesHandComputedPixels) {
  const TPixel32 Row[4] = {0xFF000000u, 0xFF000064u, 0xFF0000C8u, 0xFF000028u};
  TBitmap32 Src = BitmapOf(4, 2, {Row[0], Row[1], Row[2], Row[3], Row[0], Row[1], Row[2], Row[3]});
  TBitmap32 Dst;
  ResampleBitmap(Src.View(), Dst, 2, rfMitchell, 2);
  ASSERT_EQ(Dst.Width(), 2);
  ASSERT_EQ(Dst.Height(), 2);
  for (int Y = 0; Y < 2; ++Y) {
    EXPECT_EQ(Dst.Row(Y)[0], 0xFE00003Fu) << Y;
    EXPECT_EQ(Dst.Row(Y)[1], 0xFE00007Au) << Y;
  }
}

// The same numbers down the columns, over rows wide enough for the block-wise column sums
// (and a last part after them): across, 5 to 5 keeps every row as it is (f(0) = 58254 and
// f(1) = 3641 on each side add up to 65536).
TEST(ResampleBitmap, ColumnsOfWideRowsMatchHandComputedPixels) {
  const TPixel32 Column[4] = {0xFF000000u, 0xFF000064u, 0xFF0000C8u, 0xFF000028u};
  TBitmap32 Src(5, 4);
  for (int Y = 0; Y < 4; ++Y)
    for (int X = 0; X < 5; ++X) Src.Row(Y)[X] = Column[Y];
  TBitmap32 Dst;
  ResampleBitmap(Src.View(), Dst, 5, rfMitchell, 2);
  ASSERT_EQ(Dst.Width(), 5);
  ASSERT_EQ(Dst.Height(), 2);
  for (int X = 0; X < 5; ++X) {
    EXPECT_EQ(Dst.Row(0)[X], 0xFE00003Fu) << X;
    EXPECT_EQ(Dst.Row(1)[X], 0xFE00007Au) << X;
  }
}

// Pictures resampled together: each gets its own result, the weights of its own size.
TEST(ResampleBitmap, PicturesResampledTogetherEachGetTheirOwnResult) {
  const TPixel32 Row[4] = {0xFF000000u, 0xFF000064u, 0xFF0000C8u, 0xFF000028u};
  const TBitmap32 Blue = BitmapOf(4, 2, {Row[0], Row[1], Row[2], Row[3], Row[0], Row[1], Row[2], Row[3]});
  TBitmap32 Green(4, 2);
  for (int Y = 0; Y < 2; ++Y)
    for (int X = 0; X < 4; ++X) Green.Row(Y)[X] = 0xFF000000u | (Row[X] & 0xFFu) << 8;
  const TBitmap32 Other = Filled(3, 3, 0xFF808080u);  // another size: its own weights
  const TConstBitmapView Sources[] = {Blue.View(), Green.View(), Other.View()};
  TBitmap32 Results[3];
  ResampleBitmapParts(Sources, Results, 2, 2, rfMitchell, {0, 0, 2, 2});
  for (const TBitmap32& R : Results) {
    ASSERT_EQ(R.Width(), 2);
    ASSERT_EQ(R.Height(), 2);
  }
  EXPECT_EQ(Results[0].Row(1)[0], 0xFE00003Fu);
  EXPECT_EQ(Results[0].Row(1)[1], 0xFE00007Au);
  EXPECT_EQ(Results[1].Row(0)[0], 0xFE003F00u);
  EXPECT_EQ(Results[1].Row(0)[1], 0xFE007A00u);
  // The picture of another size comes out as it does resampled alone.
  TBitmap32 Alone;
  ResampleBitmapPart(Other.View(), Alone, 2, 2, rfMitchell, {0, 0, 2, 2});
  for (int Y = 0; Y < 2; ++Y)
    for (int X = 0; X < 2; ++X) EXPECT_EQ(Results[2].Row(Y)[X], Alone.Row(Y)[X]);
}

TEST(ResampleBitmap, WorksThroughANegativeStride) {
  TStridedMemory M(4, 2, 6, true);
  const TPixel32 Row[4] = {0xFF000000u, 0xFF000064u, 0xFF0000C8u, 0xFF000028u};
  for (int Y = 0; Y < 2; ++Y)
    for (int X = 0; X < 4; ++X) M.View.Row(Y)[X] = Row[X];
  TBitmap32 Dst;
  ResampleBitmap(M.View, Dst, 2, rfMitchell, 2);
  ASSERT_EQ(Dst.Width(), 2);
  EXPECT_EQ(Dst.Row(1)[1], 0xFE00007Au);
}

TEST(ResampleBitmap, FlatPictureStaysFlatWithPartitionOfUnityFilters) {
  for (const TResampleFilter Filter : {rfTriangle, rfBSpline, rfMitchell}) {
    const TBitmap32 Src = Filled(16, 12, MakePixel32(100, 150, 200, 255));
    TBitmap32 Dst;
    ResampleBitmap(Src.View(), Dst, 8, Filter, 6);
    ASSERT_EQ(Dst.Width(), 8);
    ASSERT_EQ(Dst.Height(), 6);
    for (int Y = 0; Y < 6; ++Y)
      for (int X = 0; X < 8; ++X)
        for (int Shift = 0; Shift < 32; Shift += 8) {
          const int Expected = static_cast<int>((MakePixel32(100, 150, 200, 255) >> Shift) & 0xFF);
          const int Got = static_cast<int>((Dst.Row(Y)[X] >> Shift) & 0xFF);
          EXPECT_LE(std::abs(Got - Expected), 2) << Filter << " at " << X << "," << Y;
        }
  }
}

TEST(ResampleBitmap, EverySupportedFilterProducesTheRequestedSize) {
  const TBitmap32 Src = Filled(9, 5, 0xFF808080u);
  for (int Filter = rfBox; Filter <= rfMitchell; ++Filter)
    for (const auto& [W, H] : {std::pair{3, 2}, {20, 11}, {2, 9}}) {
      TBitmap32 Dst;
      ResampleBitmap(Src.View(), Dst, W, static_cast<TResampleFilter>(Filter), H);
      EXPECT_EQ(Dst.Width(), W) << Filter;
      EXPECT_EQ(Dst.Height(), H) << Filter;
    }
}

TEST(ResampleBitmap, EqualSizesCopyAndTinySizesLeaveDstAlone) {
  const TBitmap32 Src = BitmapOf(2, 2, {1, 2, 3, 4});
  TBitmap32 Copy;
  ResampleBitmap(Src.View(), Copy, 2, rfMitchell, 2);
  EXPECT_EQ(Copy, Src);

  const TBitmap32 Marker = Filled(3, 3, 0x12345678u);
  const TBitmap32 Line = Filled(5, 1, 0xFFFFFFFFu);
  const struct {
    const TBitmap32& Source;
    int W, H;
  } Cases[] = {{Src, 1, 5}, {Src, 5, 1}, {Src, 0, 0}, {Src, -3, 4}, {Line, 4, 4}};
  for (const auto& C : Cases) {
    TBitmap32 Dst = Marker;
    ResampleBitmap(C.Source.View(), Dst, C.W, rfMitchell, C.H);
    EXPECT_EQ(Dst, Marker) << C.W << " x " << C.H;
  }
}

}  // namespace
