#include <gtest/gtest.h>

#include <string>

#include "gfx/codec/BmpCodec.h"
#include "gfx/codec/ImageDecode.h"
#include "tools/picgen/Pictures.h"

namespace {

struct TAlphaSummary {
  bool CornersTransparent = true;
  bool CentreOpaque = false;
  bool HasSoftEdges = false;
};

TAlphaSummary SummariseAlpha(const TBitmap32& Bitmap) {
  TAlphaSummary Summary;
  const int W = Bitmap.Width();
  const int H = Bitmap.Height();
  for (const auto& [X, Y] : {std::pair{0, 0}, {W - 1, 0}, {0, H - 1}, {W - 1, H - 1}})
    Summary.CornersTransparent = Summary.CornersTransparent && Bitmap.Row(Y)[X] == 0;
  Summary.CentreOpaque = PixelAlpha(Bitmap.Row(H / 2)[W / 2]) == 255;
  for (int Y = 0; Y < H; ++Y)
    for (int X = 0; X < W; ++X) {
      const int A = PixelAlpha(Bitmap.Row(Y)[X]);
      Summary.HasSoftEdges = Summary.HasSoftEdges || (A > 0 && A < 255);
    }
  return Summary;
}

void ExpectShapedAlpha(const TBitmap32& Bitmap) {
  const TAlphaSummary Summary = SummariseAlpha(Bitmap);
  EXPECT_TRUE(Summary.CornersTransparent);
  EXPECT_TRUE(Summary.CentreOpaque);
  EXPECT_TRUE(Summary.HasSoftEdges);
}

TEST(PicGen, TilesAreRoundedOpaqueInsideWithSoftEdges) {
  for (const int Size : {16, 32, 48, 64, 128, LogoSize}) {
    SCOPED_TRACE(Size);
    const TBitmap32 Tile = DrawTile(Size);
    ASSERT_EQ(Tile.Width(), Size);
    ASSERT_EQ(Tile.Height(), Size);
    ExpectShapedAlpha(Tile);
  }
}

TEST(PicGen, DonateBadgeIsRoundedOpaqueInsideWithSoftEdges) {
  const TBitmap32 Badge = DrawDonate();
  ASSERT_EQ(Badge.Width(), 225);
  ASSERT_EQ(Badge.Height(), 125);
  ExpectShapedAlpha(Badge);
}

// The middle row of a shadow template, left edge to centre: alpha rises from nothing
// at the edge to the darkest value under the form.
TEST(PicGen, FormShadowsAreBlackAndFadeOutToTheEdges) {
  for (const bool Active : {true, false}) {
    SCOPED_TRACE(Active);
    const TBitmap32 Shadow = DrawFormShadow(Active);
    ASSERT_EQ(Shadow.Width(), 33);
    ASSERT_EQ(Shadow.Height(), 33);
    for (const auto& [X, Y] : {std::pair{0, 0}, {32, 0}, {0, 32}, {32, 32}}) EXPECT_EQ(Shadow.Row(Y)[X], 0u);
    for (int Y = 0; Y < 33; ++Y)
      for (int X = 0; X < 33; ++X) EXPECT_EQ(Shadow.Row(Y)[X] & 0x00FFFFFF, 0u) << X << "," << Y;
    const TPixel32* Middle = Shadow.Row(16);
    for (int X = 1; X <= 16; ++X) EXPECT_GE(PixelAlpha(Middle[X]), PixelAlpha(Middle[X - 1])) << X;
    EXPECT_LT(PixelAlpha(Middle[1]), 8);
    EXPECT_GT(PixelAlpha(Middle[16]), 60);
    EXPECT_LT(PixelAlpha(Middle[16]), 255);
  }
}

TEST(PicGen, InactiveFormShadowIsFainter) {
  const TBitmap32 Active = DrawFormShadow(true);
  const TBitmap32 Inactive = DrawFormShadow(false);
  for (int Y = 0; Y < 33; ++Y)
    for (int X = 0; X < 33; ++X) EXPECT_LE(PixelAlpha(Inactive.Row(Y)[X]), PixelAlpha(Active.Row(Y)[X]));
  // Under the form and in the middle of the visible margin.
  for (const auto& [X, Y] : {std::pair{16, 16}, {4, 16}, {16, 4}, {28, 16}, {16, 28}}) {
    SCOPED_TRACE(testing::Message() << X << "," << Y);
    EXPECT_GT(PixelAlpha(Inactive.Row(Y)[X]), 0);
    EXPECT_LT(PixelAlpha(Inactive.Row(Y)[X]), PixelAlpha(Active.Row(Y)[X]));
  }
}

TEST(PicGen, WritesTheFilesWithTheRightSizes) {
  const std::vector<TPictureFile> Files = GeneratePictures();
  ASSERT_EQ(Files.size(), 5u);
  EXPECT_EQ(Files[0].Name, "quorvane.ico");
  EXPECT_EQ(Files[1].Name, "logo.bmp");
  EXPECT_EQ(Files[2].Name, "donate.bmp");
  EXPECT_EQ(Files[3].Name, "acSHDA.png");
  EXPECT_EQ(Files[4].Name, "acSHDI.png");

  const std::vector<std::uint8_t>& Icon = Files[0].Bytes;
  ASSERT_GE(Icon.size(), 6u + 5 * 16);
  ASSERT_EQ(Icon[4], 5);
  const int Expected[] = {16, 32, 48, 64, 128};
  for (std::size_t I = 0; I < 5; ++I) EXPECT_EQ(Icon[6 + 16 * I], Expected[I]);

  const TBmpImage Logo = ReadBmp(Files[1].Bytes);
  EXPECT_EQ(Logo.BitCount, 32);
  EXPECT_EQ(Logo.Pixels, DrawTile(60));
  const TBmpImage Donate = ReadBmp(Files[2].Bytes);
  EXPECT_EQ(Donate.BitCount, 32);
  EXPECT_EQ(Donate.Pixels, DrawDonate());
  for (const std::size_t I : {3u, 4u}) {
    const auto Shadow = DecodeSkinImage(Files[I].Bytes, TSkinImageKind::Png);
    ASSERT_TRUE(Shadow.has_value()) << Files[I].Name;
    EXPECT_TRUE(Shadow->HasAlpha);
    EXPECT_EQ(Shadow->Pixels, DrawFormShadow(I == 3)) << Files[I].Name;
  }
}

TEST(PicGen, SameBytesOnEveryRun) {
  const std::vector<TPictureFile> First = GeneratePictures();
  const std::vector<TPictureFile> Second = GeneratePictures();
  ASSERT_EQ(First.size(), Second.size());
  for (std::size_t I = 0; I < First.size(); ++I) EXPECT_EQ(First[I].Bytes, Second[I].Bytes) << First[I].Name;
}

}  // namespace
