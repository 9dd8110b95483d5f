#include <gtest/gtest.h>
#include <zlib.h>

#include <cstdlib>
#include <vector>

#include "SkinFixture.h"
#include "gfx/codec/BmpCodec.h"
#include "gfx/codec/LittleEndian.h"
#include "gfx/codec/PngEncode.h"
#include "gfx/codec/ImageDecode.h"

namespace {

// Byte by byte: GCC 12 warns falsely about inserting an initializer list into a vector.
void Append(TBytes& Out, std::initializer_list<std::uint8_t> Bytes) {
  for (const std::uint8_t Byte : Bytes) Out.push_back(Byte);
}

TBitmap32 Solid(int Width, int Height, TPixel32 Pixel) {
  TBitmap32 Picture(Width, Height);
  Picture.Fill(Pixel);
  return Picture;
}

// A bottom-up 24-bit file of the given pixels (alpha ignored).
TBytes Bmp24(const TBitmap32& Pixels) {
  const std::uint32_t RowBytes = (static_cast<std::uint32_t>(Pixels.Width()) * 3 + 3) & ~3u;
  TBytes File{'B', 'M'};
  PutU32(File, 54 + RowBytes * static_cast<std::uint32_t>(Pixels.Height()));
  PutU32(File, 0);
  PutU32(File, 54);
  PutU32(File, 40);
  PutU32(File, static_cast<std::uint32_t>(Pixels.Width()));
  PutU32(File, static_cast<std::uint32_t>(Pixels.Height()));
  PutU16(File, 1);
  PutU16(File, 24);
  File.resize(54, 0);
  for (int Y = Pixels.Height() - 1; Y >= 0; --Y) {
    const std::size_t Start = File.size();
    for (int X = 0; X < Pixels.Width(); ++X) {
      const TPixel32 P = Pixels.Row(Y)[X];
      Append(File, {static_cast<std::uint8_t>(P), static_cast<std::uint8_t>(P >> 8), static_cast<std::uint8_t>(P >> 16)});
    }
    File.resize(Start + RowBytes, 0);
  }
  return File;
}

// A PNG signature and header chunk that declare a size, and nothing else.
TBytes PngHeaderOnly(std::uint32_t Width, std::uint32_t Height) {
  TBytes File{0x89, 'P', 'N', 'G', '\r', '\n', 0x1A, '\n', 0, 0, 0, 13, 'I', 'H', 'D', 'R'};
  for (const std::uint32_t V : {Width, Height})
    Append(File, {static_cast<std::uint8_t>(V >> 24), static_cast<std::uint8_t>(V >> 16),
                             static_cast<std::uint8_t>(V >> 8), static_cast<std::uint8_t>(V)});
  Append(File, {8, 6, 0, 0, 0});
  const uLong Crc = crc32(0, File.data() + 12, 17);
  Append(File, {static_cast<std::uint8_t>(Crc >> 24), static_cast<std::uint8_t>(Crc >> 16),
                           static_cast<std::uint8_t>(Crc >> 8), static_cast<std::uint8_t>(Crc)});
  return File;
}

TEST(SkinImageDecode, KindFollowsTheNameInThisOrder) {
  EXPECT_EQ(SkinImageKindOf("MASTER.BMP"), TSkinImageKind::Bmp);
  EXPECT_EQ(SkinImageKindOf("WOOD.JPG"), TSkinImageKind::Jpeg);
  EXPECT_EQ(SkinImageKindOf("WOOD.JPEG"), TSkinImageKind::Jpeg);
  EXPECT_EQ(SkinImageKindOf("GLOW.PNG"), TSkinImageKind::Png);
  EXPECT_EQ(SkinImageKindOf("A.BMP.PNG"), TSkinImageKind::Bmp);
  EXPECT_EQ(SkinImageKindOf("ICON.GIF"), TSkinImageKind::None);
  EXPECT_EQ(SkinImageKindOf("glow.png"), TSkinImageKind::None) << "names arrive upper-cased";
}

TEST(SkinImageDecode, PngKeepsStraightAlpha) {
  const TBitmap32 Picture = PatternPicture(13, 7, 77);
  const std::optional<TDecodedImage> Decoded = DecodeSkinImage(EncodePng(Picture), TSkinImageKind::Png);
  ASSERT_TRUE(Decoded.has_value());
  EXPECT_TRUE(Decoded->HasAlpha);
  EXPECT_EQ(Decoded->Pixels, Picture);
}

TEST(SkinImageDecode, JpegAndTwentyFourBitBmpAreOpaque) {
  const TPixel32 Teal = MakePixel32(0x33, 0x99, 0x99, 0x10);
  const std::optional<TDecodedImage> Jpeg = DecodeSkinImage(EncodeJpeg(Solid(16, 8, Teal), 100), TSkinImageKind::Jpeg);
  ASSERT_TRUE(Jpeg.has_value());
  EXPECT_FALSE(Jpeg->HasAlpha);
  ASSERT_EQ(Jpeg->Pixels.Width(), 16);
  ASSERT_EQ(Jpeg->Pixels.Height(), 8);
  for (int Y = 0; Y < 8; ++Y)
    for (int X = 0; X < 16; ++X) {
      const TPixel32 P = Jpeg->Pixels.Row(Y)[X];
      EXPECT_EQ(PixelAlpha(P), 255);
      EXPECT_NEAR(static_cast<int>((P >> 16) & 0xFF), 0x33, 2);
      EXPECT_NEAR(static_cast<int>((P >> 8) & 0xFF), 0x99, 2);
      EXPECT_NEAR(static_cast<int>(P & 0xFF), 0x99, 2);
    }

  const std::optional<TDecodedImage> Bmp = DecodeSkinImage(Bmp24(PatternPicture(5, 3, 0)), TSkinImageKind::Bmp);
  ASSERT_TRUE(Bmp.has_value());
  EXPECT_FALSE(Bmp->HasAlpha);
  EXPECT_EQ(Bmp->Pixels, PatternPicture(5, 3, 255));
}

TEST(SkinImageDecode, BrokenFilesAreNoImage) {
  const TBytes Png = EncodePng(PatternPicture(20, 20, 255));
  const TBytes Jpeg = EncodeJpeg(PatternPicture(20, 20, 255), 90);
  const TBytes Garbage(300, 0x5A);
  TBytes CorruptPng = Png;
  CorruptPng[CorruptPng.size() / 2] ^= 0xFF;
  struct TCase {
    const char* Name;
    TBytes File;
    TSkinImageKind Kind;
  };
  const std::vector<TCase> Cases{
      {"half a PNG", TBytes(Png.begin(), Png.begin() + static_cast<std::ptrdiff_t>(Png.size() / 2)), TSkinImageKind::Png},
      {"PNG with a damaged chunk", CorruptPng, TSkinImageKind::Png},
      {"PNG declaring 100000 x 100000", PngHeaderOnly(100000, 100000), TSkinImageKind::Png},
      {"JPEG without its image", TBytes(Jpeg.begin(), Jpeg.begin() + 100), TSkinImageKind::Jpeg},
      {"garbage as PNG", Garbage, TSkinImageKind::Png},
      {"garbage as JPEG", Garbage, TSkinImageKind::Jpeg},
      {"garbage as BMP", Garbage, TSkinImageKind::Bmp},
      {"a PNG named as a BMP", Png, TSkinImageKind::Bmp},
      {"empty", TBytes(), TSkinImageKind::Png},
      {"unknown kind", Png, TSkinImageKind::None},
  };
  for (const TCase& Case : Cases) EXPECT_FALSE(DecodeSkinImage(Case.File, Case.Kind).has_value()) << Case.Name;
}

TEST(SkinImageDecode, KeyColourBecomesTransparentAndEverythingElseOpaque) {
  TBitmap32 Picture(3, 1);
  Picture.Row(0)[0] = MakePixel32(255, 0, 255, 255);
  Picture.Row(0)[1] = MakePixel32(255, 0, 254, 0);
  Picture.Row(0)[2] = MakePixel32(255, 0, 255, 0);
  MakeKeyColorTransparent(Picture.View());
  EXPECT_EQ(Picture.Row(0)[0], MakePixel32(255, 0, 255, 0));
  EXPECT_EQ(Picture.Row(0)[1], MakePixel32(255, 0, 254, 255));
  EXPECT_EQ(Picture.Row(0)[2], MakePixel32(255, 0, 255, 0));
}

}  // namespace
