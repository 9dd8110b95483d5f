#include <gtest/gtest.h>

#include <array>
#include <stdexcept>
#include <vector>

#include "gfx/codec/IconWriter.h"

namespace {

using TBytes = std::vector<std::uint8_t>;

std::uint32_t U16At(const TBytes& Bytes, std::size_t Offset) {
  return Bytes[Offset] | Bytes[Offset + 1] << 8;
}
std::uint32_t U32At(const TBytes& Bytes, std::size_t Offset) {
  return U16At(Bytes, Offset) | U16At(Bytes, Offset + 2) << 16;
}

constexpr std::array<int, 5> Sizes{16, 32, 48, 64, 128};

// Left half opaque red, right half transparent; the top-left pixel marked.
TBitmap32 HalfTransparent(int Size) {
  TBitmap32 Bitmap(Size, Size);
  for (int Y = 0; Y < Size; ++Y)
    for (int X = 0; X < Size / 2; ++X) Bitmap.Row(Y)[X] = 0xFFFF0000;
  Bitmap.Row(0)[0] = 0xFF0000FF;
  return Bitmap;
}

TBytes WriteSizes() {
  std::vector<TBitmap32> Images;
  for (const int Size : Sizes) Images.push_back(HalfTransparent(Size));
  std::vector<TConstBitmapView> Views;
  for (const TBitmap32& Image : Images) Views.push_back(Image.View());
  return WriteIco(Views);
}

TEST(IconWriter, DirectoryListsTheFiveImagesBackToBack) {
  const TBytes Icon = WriteSizes();
  EXPECT_EQ(U16At(Icon, 0), 0u);
  EXPECT_EQ(U16At(Icon, 2), 1u);  // icon, not cursor
  ASSERT_EQ(U16At(Icon, 4), 5u);
  std::uint32_t Expected = 6 + 5 * 16;
  for (std::size_t I = 0; I < Sizes.size(); ++I) {
    SCOPED_TRACE(Sizes[I]);
    const std::size_t Entry = 6 + 16 * I;
    const auto Size = static_cast<std::uint32_t>(Sizes[I]);
    EXPECT_EQ(Icon[Entry], Size);
    EXPECT_EQ(Icon[Entry + 1], Size);
    EXPECT_EQ(Icon[Entry + 2], 0);  // no palette
    EXPECT_EQ(U16At(Icon, Entry + 4), 1u);
    EXPECT_EQ(U16At(Icon, Entry + 6), 32u);
    const std::uint32_t MaskRow = (Size + 31) / 32 * 4;
    EXPECT_EQ(U32At(Icon, Entry + 8), 40 + Size * Size * 4 + MaskRow * Size);
    EXPECT_EQ(U32At(Icon, Entry + 12), Expected);
    Expected += U32At(Icon, Entry + 8);
  }
  EXPECT_EQ(Expected, Icon.size());
}

TEST(IconWriter, EachImageIsABitmapOfDoubleHeightWithAlphaAndAMask) {
  const TBytes Icon = WriteSizes();
  for (std::size_t I = 0; I < Sizes.size(); ++I) {
    SCOPED_TRACE(Sizes[I]);
    const auto Size = static_cast<std::uint32_t>(Sizes[I]);
    const std::size_t Image = U32At(Icon, 6 + 16 * I + 12);
    EXPECT_EQ(U32At(Icon, Image), 40u);
    EXPECT_EQ(U32At(Icon, Image + 4), Size);
    EXPECT_EQ(U32At(Icon, Image + 8), 2 * Size);
    EXPECT_EQ(U16At(Icon, Image + 12), 1u);
    EXPECT_EQ(U16At(Icon, Image + 14), 32u);
    EXPECT_EQ(U32At(Icon, Image + 16), 0u);  // BI_RGB

    // Rows bottom-up: the marked top-left pixel is the first pixel of the last row.
    const std::size_t Pixels = Image + 40;
    EXPECT_EQ(U32At(Icon, Pixels + (Size - 1) * Size * 4), 0xFF0000FFu);
    EXPECT_EQ(U32At(Icon, Pixels), 0xFFFF0000u);
    EXPECT_EQ(U32At(Icon, Pixels + (Size - 1) * 4), 0u);

    // AND mask: bits set over the transparent right half only.
    const std::size_t Mask = Pixels + Size * Size * 4;
    const std::uint32_t MaskRow = (Size + 31) / 32 * 4;
    for (std::uint32_t Y = 0; Y < Size; ++Y)
      for (std::uint32_t X = 0; X < Size; ++X) {
        const bool Set = (Icon[Mask + Y * MaskRow + X / 8] >> (7 - X % 8)) & 1;
        ASSERT_EQ(Set, X >= Size / 2) << X << ", " << Y;
      }
  }
}

TEST(IconWriter, SideOf256IsStoredAsZero) {
  const TBitmap32 Large(256, 256);
  const TConstBitmapView View = Large.View();
  const TBytes Icon = WriteIco(std::span(&View, 1));
  EXPECT_EQ(Icon[6], 0);
  EXPECT_EQ(Icon[7], 0);
  EXPECT_EQ(U32At(Icon, 22 + 8), 512u);
}

TEST(IconWriter, RefusesNoImagesAndSidesOutOfRange) {
  EXPECT_THROW(WriteIco({}), std::invalid_argument);
  for (const auto& [Width, Height] : {std::pair{0, 16}, {16, 0}, {257, 16}, {16, 257}}) {
    const TBitmap32 Bad(Width, Height);
    const TConstBitmapView View = Bad.View();
    EXPECT_THROW(WriteIco(std::span(&View, 1)), std::invalid_argument) << Width << " x " << Height;
  }
}

}  // namespace
