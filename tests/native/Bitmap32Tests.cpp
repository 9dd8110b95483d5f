#include <gtest/gtest.h>

#include <array>
#include <cstring>
#include <stdexcept>

#include "gfx/Bitmap32.h"

namespace {

TEST(Bitmap32, PixelIsBlueGreenRedAlphaInMemory) {
  const TPixel32 Pixel = MakePixel32(0x11, 0x22, 0x33, 0x44);
  EXPECT_EQ(Pixel, 0x44112233u);
  std::array<unsigned char, 4> Bytes{};
  std::memcpy(Bytes.data(), &Pixel, 4);
  EXPECT_EQ(Bytes, (std::array<unsigned char, 4>{0x33, 0x22, 0x11, 0x44}));
  EXPECT_EQ(PixelAlpha(Pixel), 0x44);
}

TEST(Bitmap32, NewBitmapHasItsSizeAndTransparentPixels) {
  const TBitmap32 Bitmap(3, 2);
  EXPECT_EQ(Bitmap.Width(), 3);
  EXPECT_EQ(Bitmap.Height(), 2);
  EXPECT_FALSE(Bitmap.Empty());
  for (int Y = 0; Y < 2; ++Y)
    for (int X = 0; X < 3; ++X) EXPECT_EQ(Bitmap.Row(Y)[X], 0u);
  EXPECT_EQ(Bitmap.View().Stride, 12);
}

TEST(Bitmap32, ZeroSizesMakeAnEmptyBitmap) {
  for (const auto& [Width, Height] : {std::pair{0, 0}, {0, 5}, {5, 0}}) {
    TBitmap32 Bitmap(Width, Height);
    EXPECT_TRUE(Bitmap.Empty());
    EXPECT_TRUE(Bitmap.View().Empty());
    Bitmap.Fill(0xFFFFFFFF);  // nothing to fill, nothing to crash
  }
}

TEST(Bitmap32, RefusesSizesOutOfRange) {
  const std::pair<int, int> Bad[] = {
      {-1, 1}, {1, -1}, {MaxBitmapSide + 1, 1}, {1, MaxBitmapSide + 1}, {MaxBitmapSide, MaxBitmapSide}};
  for (const auto& [Width, Height] : Bad)
    EXPECT_THROW(TBitmap32(Width, Height), std::length_error) << Width << " x " << Height;
  EXPECT_NO_THROW(TBitmap32(MaxBitmapSide, 1));
}

TEST(Bitmap32, FillAndRowsAddressEveryPixelOnce) {
  TBitmap32 Bitmap(4, 3);
  Bitmap.Fill(0x80102030);
  Bitmap.Row(2)[3] = 0xFF000001;
  Bitmap.Row(0)[0] = 0xFF000002;
  EXPECT_EQ(Bitmap.View().Row(2)[3], 0xFF000001u);
  EXPECT_EQ(Bitmap.Row(0)[0], 0xFF000002u);
  EXPECT_EQ(Bitmap.Row(1)[1], 0x80102030u);
  EXPECT_EQ(Bitmap.Row(2)[2], 0x80102030u);
}

// A view over memory it does not own: 3 x 2 pixels in rows of 5 pixels (padding
// between rows must stay untouched).
TEST(BitmapView, PaddedPositiveStrideKeepsPadding) {
  std::array<TPixel32, 10> Memory{};
  Memory.fill(0xDEADBEEF);
  const TBitmapView View(reinterpret_cast<std::byte*>(Memory.data()), 3, 2, 5 * 4);
  View.Fill(0x01020304);
  View.Row(1)[2] = 0x0A0B0C0D;
  const std::array<TPixel32, 10> Expected{0x01020304, 0x01020304, 0x01020304, 0xDEADBEEF, 0xDEADBEEF,
                                          0x01020304, 0x01020304, 0x0A0B0C0D, 0xDEADBEEF, 0xDEADBEEF};
  EXPECT_EQ(Memory, Expected);
}

// A bottom-up DIB: row 0 of the picture is the last row in memory.
TEST(BitmapView, NegativeStrideWalksBackwardsThroughMemory) {
  std::array<TPixel32, 6> Memory{};
  const TBitmapView View(reinterpret_cast<std::byte*>(Memory.data() + 4), 2, 3, -2 * 4);
  for (int Y = 0; Y < 3; ++Y)
    for (int X = 0; X < 2; ++X) View.Row(Y)[X] = static_cast<TPixel32>(10 * Y + X);
  const std::array<TPixel32, 6> Expected{20, 21, 10, 11, 0, 1};
  EXPECT_EQ(Memory, Expected);

  const TConstBitmapView ReadOnly = View;
  EXPECT_EQ(ReadOnly.Row(0)[1], 1u);
  EXPECT_EQ(ReadOnly.Row(2)[0], 20u);
  EXPECT_EQ(ReadOnly.Width, 2);
  EXPECT_EQ(ReadOnly.Height, 3);
}

}  // namespace
