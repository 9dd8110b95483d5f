#include <gtest/gtest.h>

#include <climits>
#include <memory>

#include "skin/render/MaskPaint.h"
#include "tests/native/PaintFixture.h"
#include "tests/native/PixelTestSupport.h"

namespace {

constexpr TPixel32 Key = 0x00FF00FFu;
constexpr TPixel32 Back = 0xFF102030u;
const TCacheInfo NoParent{};  // not ready, fill colour clFuchsia

struct MaskPaint : ::testing::Test {
  TBitmap32 Master;
};

// ---- Nine-piece borders

TEST_F(MaskPaint, BorderWidthsShrinkToANarrowRectangle) {
  // 6 + 6 on 9 pixels: the excess 3 is taken 1 from the left and 2 from the right.
  Master = NamedPixels(14, 3);
  const TsMaskData Border = Item({0, 0, 14, 3}, 1, 0, 0, 6, 1, 6, 1);
  TBitmap32 Dst = Filled(9, 3, Back);
  PaintNinePiece(Dst.View(), {0, 0, 9, 3}, NoParent, false, 0, Border, Master.View());
  for (int X = 0; X < 5; ++X) EXPECT_EQ(Dst.Row(0)[X], At(X, 0)) << X;
  for (int X = 5; X < 9; ++X) EXPECT_EQ(Dst.Row(0)[X], At(X + 5, 0)) << X;  // image columns 10..13
  EXPECT_EQ(Dst.Row(1)[4], At(4, 1));
  EXPECT_EQ(Dst.Row(1)[5], At(10, 1));
}

TEST_F(MaskPaint, SidesAreTiledWithTheLastPieceCut) {
  // A top side 10 long with a 4-pixel piece: 4 + 4 + 2, the last one its first 2 columns.
  Master = NamedPixels(8, 3);
  const TsMaskData Border = Item({0, 0, 8, 3}, 1, 0, 0, 2, 1, 2, 1);
  TBitmap32 Dst = Filled(14, 3, Back);
  PaintNinePiece(Dst.View(), {0, 0, 14, 3}, NoParent, false, 0, Border, Master.View());
  for (int X = 2; X < 12; ++X) EXPECT_EQ(Dst.Row(0)[X], At(2 + (X - 2) % 4, 0)) << X;
  EXPECT_EQ(Dst.Row(0)[12], At(6, 0));
  EXPECT_EQ(Dst.Row(1)[5], Back);  // no centre without bit 2
  EXPECT_EQ(Dst.Row(2)[11], At(3, 2));  // bottom side: 10 = 4 + 4 + 2 as well
}

TEST_F(MaskPaint, CentreIsPaintedWithBit2) {
  Master = NamedPixels(5, 5);
  const TsMaskData Border = Item({0, 0, 5, 5}, 1, 0, dmCentre, 1, 1, 1, 1);
  TBitmap32 Dst = Filled(8, 8, Back);
  PaintNinePiece(Dst.View(), {0, 0, 8, 8}, NoParent, false, 0, Border, Master.View());
  EXPECT_EQ(Dst.Row(1)[1], At(1, 1));
  EXPECT_EQ(Dst.Row(4)[5], At(1 + 4 % 3, 1 + 3 % 3));  // tiled 3 x 3 from (1, 1)
  EXPECT_EQ(Dst.Row(6)[6], At(3, 3));
}

TEST_F(MaskPaint, DrawMode3SkipsState0AndStretchesInState1) {
  // Two state images 4 x 3, each with a 2-pixel top side.
  Master = NamedPixels(8, 3);
  const TsMaskData Border = Item({0, 0, 8, 3}, 2, 0, dmStretch | dmNotInState0, 1, 1, 1, 1);
  TBitmap32 Dst = Filled(8, 3, Back);
  PaintNinePiece(Dst.View(), {0, 0, 8, 3}, NoParent, false, 0, Border, Master.View());
  EXPECT_EQ(Dst, Filled(8, 3, Back));
  PaintNinePiece(Dst.View(), {0, 0, 8, 3}, NoParent, false, 1, Border, Master.View());
  // State 1's top piece is columns 5 and 6, stretched over 6 pixels.
  for (int X = 1; X < 4; ++X) EXPECT_EQ(Dst.Row(0)[X], At(5, 0)) << X;
  for (int X = 4; X < 7; ++X) EXPECT_EQ(Dst.Row(0)[X], At(6, 0)) << X;
  EXPECT_EQ(Dst.Row(0)[0], At(4, 0));
  EXPECT_EQ(Dst.Row(0)[7], At(7, 0));
}

TEST_F(MaskPaint, StateBeyondTheImagesPaintsTheLastOne) {
  Master = NamedPixels(6, 2);
  const TsMaskData Glyph = Item({0, 0, 6, 2}, 3, 0);
  TBitmap32 Dst = Filled(2, 2, Back);
  PaintStateImage(Dst.View(), {0, 0}, 7, NoParent, Glyph, Master.View(), 1);
  EXPECT_EQ(Dst.Row(0)[0], At(4, 0));
  EXPECT_EQ(Dst.Row(1)[1], At(5, 1));
  TBitmap32 Border = Filled(4, 2, Back);
  const TsMaskData Frame = Item({0, 0, 6, 2}, 3, 0, 0, 1, 1, 1, 1);
  PaintNinePiece(Border.View(), {0, 0, 4, 2}, NoParent, false, 9, Frame, Master.View());
  EXPECT_EQ(Border.Row(0)[0], At(4, 0));
  EXPECT_EQ(Border.Row(1)[3], At(5, 1));
}

TEST_F(MaskPaint, UnmaskedCornersShowTheParentThroughKeyPixels) {
  Master = NamedPixels(3, 3);
  Master.Row(0)[0] = Key;
  Master.Row(1)[0] = Key;  // a key pixel in a side is copied as it is
  TsMaskData Border = Item({0, 0, 3, 3}, 1, 0, 0, 1, 1, 1, 1);
  Border.CornerType = 1;
  const TBitmap32 ParentPicture = NamedPixels(10, 10, 99);
  TCacheInfo Parent;
  Parent.Bmp = ParentPicture.View();
  Parent.X = 2;
  Parent.Y = 3;
  Parent.Ready = true;
  TBitmap32 Dst = Filled(4, 4, Back);
  PaintNinePiece(Dst.View(), {0, 0, 4, 4}, Parent, true, 0, Border, Master.View());
  EXPECT_EQ(Dst.Row(0)[0], At(2, 3, 99));
  EXPECT_EQ(Dst.Row(1)[0], Key);
  PaintNinePiece(Dst.View(), {0, 0, 4, 4}, Parent, false, 0, Border, Master.View());
  EXPECT_EQ(Dst.Row(0)[0], At(2, 3, 99));  // left as it was
  TBitmap32 Fresh = Filled(4, 4, Back);
  PaintNinePiece(Fresh.View(), {0, 0, 4, 4}, Parent, false, 0, Border, Master.View());
  EXPECT_EQ(Fresh.Row(0)[0], Back);
}

TEST_F(MaskPaint, UnmaskedSideOfSize0IsCopiedInOnePiece) {
  // The image is exactly WL + WR wide: the top side is copied once from its origin.
  Master = NamedPixels(4, 3);
  const TsMaskData Border = Item({0, 0, 4, 3}, 1, 0, 0, 2, 1, 2, 1);
  TBitmap32 Dst = Filled(7, 3, Back);
  PaintNinePiece(Dst.View(), {0, 0, 7, 3}, NoParent, false, 0, Border, Master.View());
  EXPECT_EQ(Dst.Row(0)[2], At(2, 0));
  EXPECT_EQ(Dst.Row(0)[3], At(3, 0));
  EXPECT_EQ(Dst.Row(0)[4], Back);  // beyond the picture nothing is read
  EXPECT_EQ(Dst.Row(0)[5], At(2, 0));  // top-right corner
}

TEST_F(MaskPaint, MaskedSideOfSize0IsLeftUnpainted) {
  // A 2 x 2 image (mask of 0 below) with all four widths 1: the side pieces have size 0.
  TBitmap32 Pic = Filled(2, 4, 0xFF0000AAu);
  for (int Y = 2; Y < 4; ++Y) Pic.Row(Y)[0] = Pic.Row(Y)[1] = 0;
  Master = Pic;
  const TsMaskData Border = Item({0, 0, 2, 4}, 1, 1, dmCentre, 1, 1, 1, 1);
  TBitmap32 Dst = Filled(4, 4, Back);
  PaintNinePiece(Dst.View(), {0, 0, 4, 4}, NoParent, false, 0, Border, Master.View());
  EXPECT_EQ(Dst.Row(0)[0], 0xFF0000AAu);
  EXPECT_EQ(Dst.Row(3)[3], 0xFF0000AAu);
  EXPECT_EQ(Dst.Row(0)[1], Back);
  EXPECT_EQ(Dst.Row(1)[0], Back);
  EXPECT_EQ(Dst.Row(2)[2], Back);
}

// A masked border 3 x 3 (image rows 0..2, mask rows 3..5) with mask value M everywhere.
TBitmap32 MaskedBorderPicture(TPixel32 Image, std::uint8_t M) {
  TBitmap32 Pic = Filled(3, 6, Image);
  for (int Y = 3; Y < 6; ++Y)
    for (int X = 0; X < 3; ++X) Pic.Row(Y)[X] = MakePixel32(M, M, M, 0);
  return Pic;
}

TEST_F(MaskPaint, MaskedPiecesAreCompositedThroughTheirMask) {
  Master = MaskedBorderPicture(0xFF0000C8u, 64);  // blue 200
  Master.Row(0)[1] = Key;                      // top side
  const TsMaskData Border = Item({0, 0, 3, 6}, 1, 1, dmCentre, 1, 1, 1, 1);
  TBitmap32 Dst = Filled(3, 3, 0x80000064u);  // blue 100, alpha 128
  PaintNinePiece(Dst.View(), {0, 0, 3, 3}, NoParent, false, 0, Border, Master.View());
  // ((100 - 200) * 64 + 200 * 256) >> 8 = 175 for blue, 0 for the others; alpha kept.
  EXPECT_EQ(Dst.Row(1)[1], 0x800000AFu);
  EXPECT_EQ(Dst.Row(0)[0], 0x800000AFu);
  EXPECT_EQ(Dst.Row(0)[1], 0x80000064u);  // key pixel of a side: left alone
}

// Rows of many pixels take the wide path; each pixel must still follow the rule: a key image
// pixel or a mask red byte of 255 leaves the target, any other pixel mixes each colour byte
// ((d - s) * m + s * 256) >> 8 with its own mask byte, alpha kept. Every piece, corners too
// (no parent), is painted by that rule here, one image pixel on one target pixel.
TEST_F(MaskPaint, WideMaskedRowsFollowTheRulePixelByPixel) {
  constexpr int W = 29, H = 5;
  Master = TBitmap32(W, 2 * H);
  std::uint32_t Seed = 7;
  const auto Next = [&Seed] { return Seed = Seed * 1664525u + 1013904223u; };
  for (int Y = 0; Y < H; ++Y)
    for (int X = 0; X < W; ++X) {
      Master.Row(Y)[X] = X % 7 == 3 ? Key : Next();
      const TPixel32 M = Next();
      Master.Row(H + Y)[X] = X % 5 == 1 ? M | 0x00FF0000u : M;  // some reds of 255
    }
  const TsMaskData Border = Item({0, 0, W, 2 * H}, 1, 1, dmCentre, 2, 1, 3, 2);
  TBitmap32 Dst(W, H);
  for (int Y = 0; Y < H; ++Y)
    for (int X = 0; X < W; ++X) Dst.Row(Y)[X] = Next();
  const TBitmap32 Before = Dst;
  PaintNinePiece(Dst.View(), {0, 0, W, H}, NoParent, false, 0, Border, Master.View());
  for (int Y = 0; Y < H; ++Y)
    for (int X = 0; X < W; ++X) {
      const TPixel32 S = Master.Row(Y)[X], M = Master.Row(H + Y)[X], D = Before.Row(Y)[X];
      TPixel32 Expected = D;
      if (S != Key && ((M >> 16) & 0xFF) != 0xFF) {
        Expected = D & 0xFF000000u;
        for (int Shift = 0; Shift < 24; Shift += 8) {
          const int DC = static_cast<int>((D >> Shift) & 0xFF), SC = static_cast<int>((S >> Shift) & 0xFF);
          const int MC = static_cast<int>((M >> Shift) & 0xFF);
          Expected |= static_cast<TPixel32>(((DC - SC) * MC + SC * 256) >> 8) << Shift;
        }
      }
      EXPECT_EQ(Dst.Row(Y)[X], Expected) << X << "," << Y;
    }
}

TEST_F(MaskPaint, MaskedCornersOverAReadyParentBecomeOpaque) {
  Master = MaskedBorderPicture(0xFF0000C8u, 255);
  Master.Row(0)[0] = Key;
  TsMaskData Border = Item({0, 0, 3, 6}, 1, 1, 0, 1, 1, 1, 1);
  Border.CornerType = 1;
  const TBitmap32 ParentPicture = NamedPixels(5, 5, 42);
  TCacheInfo Parent;
  Parent.Bmp = ParentPicture.View();
  Parent.X = 1;
  Parent.Ready = true;
  TBitmap32 Dst = Filled(3, 3, 0x00000064u);
  PaintNinePiece(Dst.View(), {0, 0, 3, 3}, Parent, true, 0, Border, Master.View());
  EXPECT_EQ(Dst.Row(0)[0], At(1, 0, 42));
  EXPECT_EQ(Dst.Row(0)[2], 0xFF000064u);  // mask 255 keeps the colour, the corner turns opaque
  EXPECT_EQ(Dst.Row(0)[1], 0x00000064u);  // a side keeps its alpha
}

TEST_F(MaskPaint, MaskedKeyCornersTakeTheFillColourOfAnUnreadyParent) {
  Master = MaskedBorderPicture(0xFF0000C8u, 0);
  Master.Row(2)[2] = Key;
  TsMaskData Border = Item({0, 0, 3, 6}, 1, 1, 0, 1, 1, 1, 1);
  Border.CornerType = 1;
  TCacheInfo Parent;
  Parent.FillColor = 0x112233;
  TBitmap32 Dst = Filled(3, 3, Back);
  PaintNinePiece(Dst.View(), {0, 0, 3, 3}, Parent, true, 0, Border, Master.View());
  EXPECT_EQ(Dst.Row(2)[2], 0x00332211u);
  EXPECT_EQ(Dst.Row(0)[0], 0xFF0000C8u);  // mask 0: the image's colour, alpha kept
}

TEST_F(MaskPaint, StretchedMaskedCentreIsResampledSmoothly) {
  // A 2-pixel centre of two colours stretched to 6: the smooth filter gives in-between
  // values that a pixel-dropping stretch never would.
  TBitmap32 Pic(4, 8);  // image rows 0..3, mask rows 4..7 (all 0: the image shows fully)
  for (int Y = 0; Y < 4; ++Y)
    for (int X = 0; X < 4; ++X) Pic.Row(Y)[X] = X == 1 ? 0xFF0000FFu : 0xFF000000u;
  Master = Pic;
  const TsMaskData Border = Item({0, 0, 4, 8}, 1, 1, dmStretch | dmCentre, 1, 1, 1, 1);
  TBitmap32 Dst = Filled(8, 5, 0xFF000000u);
  PaintNinePiece(Dst.View(), {0, 0, 8, 5}, NoParent, false, 0, Border, Master.View());
  bool InBetween = false;
  for (int X = 1; X < 7; ++X) {
    const int Blue = static_cast<int>(Dst.Row(2)[X] & 0xFF);
    InBetween = InBetween || (Blue > 10 && Blue < 245);
  }
  EXPECT_TRUE(InBetween);
  EXPECT_GT(Dst.Row(2)[1] & 0xFF, Dst.Row(2)[6] & 0xFF);
}

TEST_F(MaskPaint, BordersPaintNothingForBadInput) {
  Master = NamedPixels(4, 4);
  const TsMaskData Good = Item({0, 0, 4, 4}, 1, 0, dmCentre, 1, 1, 1, 1);
  TsMaskData TooLarge = Item({0, 0, 4, 8}, 1, 0, dmCentre, 1, 1, 1, 1);
  TsMaskData NegativeSides = Item({0, 0, 4, 4}, 1, 0, dmCentre, 3, 1, 3, 1);
  const TBitmap32 Clean = Filled(6, 6, Back);
  const TConstBitmapView NoMaster{};
  const struct {
    const TsMaskData* Item;
    TRect Rect;
    TConstBitmapView Source;
  } Cases[] = {{&Good, {0, 0, 6, 6}, NoMaster},          {&TooLarge, {0, 0, 6, 6}, Master.View()},
               {&NegativeSides, {0, 0, 6, 6}, Master.View()}, {&Good, {0, 0, 1, 6}, Master.View()},
               {&Good, {5, 5, 2, 2}, Master.View()},      {&Good, {0, 0, 0, 0}, Master.View()}};
  for (const auto& C : Cases) {
    TBitmap32 Dst = Clean;
    PaintNinePiece(Dst.View(), C.Rect, NoParent, false, 0, *C.Item, C.Source);
    PaintNinePieceAlpha(Dst.View(), C.Rect, NoParent, 0, *C.Item, C.Source, 255, {9, 9, 9, 9});
    EXPECT_EQ(Dst, Clean) << C.Rect.Left << "," << C.Rect.Right;
  }
}

TEST_F(MaskPaint, BorderLargerThanTheTargetIsClippedToIt) {
  Master = NamedPixels(4, 4);
  const TsMaskData Good = Item({0, 0, 4, 4}, 1, 0, dmCentre | dmStretch, 1, 1, 1, 1);
  TStridedMemory Memory(5, 5, 7, true);
  PaintNinePiece(Memory.View, {-3, -3, 9, 9}, NoParent, false, 0, Good, Master.View());
  EXPECT_EQ(Memory.GuardsLeft(), Memory.PaddingPixels());
  EXPECT_EQ(Memory.Guards(), Memory.PaddingPixels());
}

// ---- Glyphs

TEST_F(MaskPaint, GlyphPartlyOffTheEdgeSkipsItsHiddenPart) {
  Master = NamedPixels(3, 3);
  const TsMaskData Glyph = Item({0, 0, 3, 3}, 1, 0);
  TBitmap32 Dst = Filled(3, 3, Back);
  PaintStateImage(Dst.View(), {-1, -2}, 0, NoParent, Glyph, Master.View(), 1);
  EXPECT_EQ(Dst.Row(0)[0], At(1, 2));
  EXPECT_EQ(Dst.Row(0)[1], At(2, 2));
  EXPECT_EQ(Dst.Row(0)[2], Back);
  EXPECT_EQ(Dst.Row(1)[0], Back);
}

TEST_F(MaskPaint, MaskedGlyphCompositesAndFadedGlyphIsWeaker) {
  // Image 1 x 1 over its mask (mask red byte 0: full image; alpha accumulates).
  TBitmap32 Pic = BitmapOf(1, 2, {0xFF00C800u, MakePixel32(0, 0, 0, 0)});
  Master = Pic;
  const TsMaskData Glyph = Item({0, 0, 1, 2}, 1, 1);
  TBitmap32 Dst = Filled(1, 1, 0x40000000u);
  PaintStateImage(Dst.View(), {0, 0}, 0, NoParent, Glyph, Master.View(), 1);
  // Alpha 64 + ((255 - 64) * 255 >> 8) = 254; green 200.
  EXPECT_EQ(Dst.Row(0)[0], 0xFE00C800u);
  TBitmap32 Faded = Filled(1, 1, 0x40000000u);
  PaintStateImage(Faded.View(), {0, 0}, 0, NoParent, Glyph, Master.View(), 0);
  // The mask is raised by 100: green ((0 - 200) * 100 + 200 * 256) >> 8 = 121, alpha
  // 64 + (191 * 155 >> 8) = 179.
  EXPECT_EQ(Faded.Row(0)[0], 0xB3007900u);
}

TEST_F(MaskPaint, UnmaskedGlyphFadedModeBlendsAtHalfStrength) {
  Master = BitmapOf(2, 1, {0xFF0000C8u, Key});
  const TsMaskData Glyph = Item({0, 0, 2, 1}, 1, 0);
  TBitmap32 Dst = Filled(2, 1, 0xFF000064u);
  PaintStateImage(Dst.View(), {0, 0}, 0, NoParent, Glyph, Master.View(), 2);
  EXPECT_EQ(Dst.Row(0)[0], 0xFF000095u);  // (200 * 128 + 100 * 127) >> 8 = 149
  EXPECT_EQ(Dst.Row(0)[1], 0xFF000064u);
}

TEST_F(MaskPaint, OwnPictureIsCopiedWithItsAlpha) {
  auto Own = std::make_shared<TBitmap32>(BitmapOf(2, 1, {0x80112233u, Key}));
  TsMaskData Glyph;
  Glyph.Bmp = Own;
  Glyph.R = {0, 0, 2, 1};
  Glyph.ImageCount = 1;
  Glyph.Width = 2;
  Glyph.Height = 1;
  TBitmap32 Dst = Filled(2, 1, Back);
  PaintStateImage(Dst.View(), {0, 0}, 0, NoParent, Glyph, Master.View(), 1);
  EXPECT_EQ(Dst.Row(0)[0], 0x80112233u);
  EXPECT_EQ(Dst.Row(0)[1], Back);
  Glyph.R = {0, 0, 3, 1};  // larger than its picture
  TBitmap32 Clean = Filled(2, 1, Back);
  PaintStateImage(Clean.View(), {0, 0}, 0, NoParent, Glyph, Master.View(), 1);
  EXPECT_EQ(Clean, Filled(2, 1, Back));
}

// ---- Textures

TEST_F(MaskPaint, TextureModesLeaveTheRightRectangleForTheColour) {
  Master = NamedPixels(4, 6);
  const TsMaskData Texture = Item({0, 0, 4, 6}, 1, 0);
  const struct {
    int Mode;
    TRect Left;
  } Cases[] = {{0, NothingLeft},          {1, NothingLeft},         {2, {2, 16, 12, 30}}, {3, {6, 10, 12, 30}},
               {4, {2, 16, 12, 30}},      {5, {6, 10, 12, 30}},     {6, {2, 10, 12, 24}}, {7, {2, 10, 8, 30}},
               {8, {2, 10, 12, 24}},      {9, {2, 10, 8, 30}},      {10, NothingLeft},    {11, NothingLeft},
               {12, NothingLeft},         {13, NothingLeft}};
  for (const auto& C : Cases) {
    TBitmap32 Dst = Filled(14, 32, Back);
    TRect Rect{2, 10, 12, 30};
    PaintTexture(Dst.View(), Rect, Texture, Master.View(), C.Mode);
    EXPECT_EQ(Rect, C.Left) << C.Mode;
  }
}

TEST_F(MaskPaint, TextureModesPlaceTheirTiles) {
  Master = NamedPixels(4, 6);
  const TsMaskData Texture = Item({0, 0, 4, 6}, 1, 0);
  TBitmap32 Dst = Filled(10, 13, Back);
  TRect Rect{0, 0, 10, 13};
  PaintTexture(Dst.View(), Rect, Texture, Master.View(), 0);
  EXPECT_EQ(Dst.Row(12)[9], At(1, 0));
  EXPECT_EQ(Dst.Row(7)[5], At(1, 1));

  TBitmap32 Bottom = Filled(10, 13, Back);
  Rect = {0, 0, 10, 13};
  PaintTexture(Bottom.View(), Rect, Texture, Master.View(), 13);  // anchored at the bottom-right corner
  EXPECT_EQ(Bottom.Row(12)[9], At(3, 5));
  EXPECT_EQ(Bottom.Row(0)[0], At(2, 5));

  TBitmap32 Rows = Filled(10, 12, Back);
  Rect = {0, 0, 10, 12};
  PaintTexture(Rows.View(), Rect, Texture, Master.View(), 10);  // 12 = 2 x 6: one row, a full strip left
  EXPECT_EQ(Rows.Row(5)[9], At(1, 5));
  EXPECT_EQ(Rows.Row(6)[0], Back);

  TBitmap32 Stretched = Filled(8, 7, Back);
  Rect = {0, 0, 8, 7};
  PaintTexture(Stretched.View(), Rect, Texture, Master.View(), 11);  // rows stretched to the full width
  EXPECT_EQ(Stretched.Row(0)[7], At(3, 0));
  EXPECT_EQ(Stretched.Row(6)[1], At(0, 0));
}

TEST_F(MaskPaint, Mode2TextureOnTwentyPixelsLeavesTheRowsBelowIt) {
  Master = NamedPixels(3, 6);
  const TsMaskData Texture = Item({0, 0, 3, 6}, 1, 0);
  TBitmap32 Dst = Filled(8, 25, Back);
  TRect Rect{1, 5, 8, 25};
  PaintTexture(Dst.View(), Rect, Texture, Master.View(), 2);
  EXPECT_EQ(Rect, (TRect{1, 11, 8, 25}));
  EXPECT_EQ(Dst.Row(10)[7], At(0, 5));
  EXPECT_EQ(Dst.Row(11)[7], Back);
}

TEST_F(MaskPaint, MaskedTextureMode10CoversTheStripsWithTheParent) {
  // A 2 x 2 texture over its mask: key pixel at (0, 0), mask 0 elsewhere.
  TBitmap32 Pic = BitmapOf(2, 4, {Key, 0xFF0000AAu, 0xFF0000AAu, 0xFF0000AAu, 0, 0, 0, 0});
  Master = Pic;
  const TsMaskData Texture = Item({0, 0, 2, 4}, 1, 1, 10);
  const TBitmap32 ParentPicture = NamedPixels(8, 8, 50);
  TCacheInfo Parent;
  Parent.Bmp = ParentPicture.View();
  Parent.Ready = true;
  Parent.X = 1;
  TBitmap32 Dst = Filled(5, 5, Back);
  TRect Rect{0, 0, 5, 5};
  PaintMaskedTexture(Dst.View(), Rect, Parent, 10, Texture, Master.View());
  EXPECT_EQ(Rect, NothingLeft);
  EXPECT_EQ(Dst.Row(0)[0], At(1, 0, 50));  // key pixel shows the parent
  EXPECT_EQ(Dst.Row(0)[1], 0xFF0000AAu);
  EXPECT_EQ(Dst.Row(3)[3], 0xFF0000AAu);
  EXPECT_EQ(Dst.Row(4)[4], At(5, 4, 50));  // strips along the right and bottom
  EXPECT_EQ(Dst.Row(1)[4], At(5, 1, 50));

  TRect Other{0, 0, 5, 5};
  TBitmap32 Untouched = Filled(5, 5, Back);
  PaintMaskedTexture(Untouched.View(), Other, Parent, 2, Texture, Master.View());
  EXPECT_EQ(Untouched, Filled(5, 5, Back));
}

// Rectangles far larger than the target, or reaching the ends of the int range, in every
// kind of fill mode: the texture paints the part inside the 16 x 10 target and returns.
TEST_F(MaskPaint, TextureOnAnyRectanglePaintsWhatFitsTheTarget) {
  constexpr int Min = INT_MIN;
  constexpr int Max = INT_MAX;
  const TBitmap32 Tall = NamedPixels(1, 40000);
  const TBitmap32 Small = NamedPixels(3, 2);
  struct TProbe {
    TPoint P;
    TPixel32 Expected;
  };
  const struct {
    const TBitmap32& Picture;
    int Mode;
    TRect Rect;
    TProbe A, B;
    TRect Left;
  } Cases[] = {
      // A 1 x 40000 texture on a 2000 x 10 rectangle.
      {Tall, 4, {0, 0, 2000, 10}, {{15, 9}, At(0, 9)}, {{0, 0}, At(0, 0)}, NothingLeft},
      {Tall, 8, {0, 0, 2000, 10}, {{15, 9}, At(0, 39999)}, {{0, 0}, At(0, 39990)}, NothingLeft},
      {Tall, 11, {0, 0, 2000, 10}, {{3, 9}, At(0, 9)}, {{15, 0}, At(0, 0)}, NothingLeft},
      {Tall, 1, {0, 0, 2000, 10}, {{15, 9}, At(0, 36000)}, {{0, 1}, At(0, 4000)}, NothingLeft},
      {Tall, 5, {0, 0, 2000, 10}, {{0, 2}, At(0, 8000)}, {{1, 2}, Back}, {1, 0, 2000, 10}},
      {Tall, 9, {0, 0, 2000, 10}, {{15, 5}, Back}, {{0, 0}, Back}, {0, 0, 1999, 10}},
      // A 3 x 2 texture on 20000 x 20000 rectangles.
      {Small, 0, {-10000, -10000, 10000, 10000}, {{0, 0}, At(1, 0)}, {{15, 9}, At(1, 1)}, NothingLeft},
      {Small, 1, {-13330, -10000, 6670, 10000}, {{3, 0}, At(1, 1)}, {{4, 9}, At(2, 1)}, NothingLeft},
      {Small, 13, {0, 0, 20000, 20000}, {{0, 0}, At(1, 0)}, {{1, 1}, At(2, 1)}, NothingLeft},
      {Small, 12, {0, 0, 20000, 20000}, {{5, 9}, At(2, 0)}, {{0, 0}, At(0, 0)}, NothingLeft},
      {Small, 10, {0, 0, 20000, 20000}, {{4, 9}, At(1, 1)}, {{0, 0}, At(0, 0)}, NothingLeft},
      {Small, 2, {0, 0, 20000, 20000}, {{4, 1}, At(1, 1)}, {{4, 2}, Back}, {0, 2, 20000, 20000}},
      // The ends of the int range.
      {Small, 0, {Min, Min, Max, Max}, {{0, 0}, At(2, 0)}, {{1, 1}, At(0, 1)}, NothingLeft},
      {Small, 1, {Min, Min, Max, Max}, {{0, 0}, At(1, 1)}, {{15, 9}, At(1, 1)}, NothingLeft},
      {Small, 13, {Min, Min, Max, Max}, {{0, 0}, At(2, 1)}, {{1, 1}, At(0, 0)}, NothingLeft},
      {Small, 10, {Min, Min, Max, Max}, {{15, 9}, At(2, 1)}, {{1, 0}, At(0, 0)}, NothingLeft},
      {Small, 11, {Min, 0, Max, 10}, {{0, 1}, At(1, 1)}, {{15, 0}, At(1, 0)}, NothingLeft},
      {Small, 12, {0, Min, 16, Max}, {{4, 0}, At(1, 1)}, {{15, 9}, At(0, 1)}, NothingLeft},
      {Small, 2, {Min, Min, Max, Max}, {{0, 0}, Back}, {{15, 9}, Back}, {Min, Min + 2, Max, Max}},
      {Small, 5, {Min, Min, Max, Max}, {{0, 0}, Back}, {{15, 9}, Back}, {Min + 3, Min, Max, Max}},
      {Small, 8, {Min, Min, Max, Max}, {{0, 0}, Back}, {{15, 9}, Back}, {Min, Min, Max, Max - 2}},
      {Small, 9, {Min, Min, Max, Max}, {{0, 0}, Back}, {{15, 9}, Back}, {Min, Min, Max - 3, Max}},
      {Small, 7, {Min, 0, Max, 10}, {{15, 5}, Back}, {{0, 0}, Back}, {Min, 0, Max - 3, 10}},
      // Strips a texture high or wide reaching past INT_MAX: nothing left for the colour.
      {Small, 4, {0, Max - 1, 16, Max}, {{0, 0}, Back}, {{15, 9}, Back}, NothingLeft},
      {Small, 3, {Max - 2, 0, Max, 10}, {{15, 5}, Back}, {{0, 0}, Back}, NothingLeft},
  };
  for (const auto& C : Cases) {
    Master = C.Picture;
    const TsMaskData Texture = Item(BitmapRect(C.Picture.View()), 1, 0);
    TBitmap32 Dst = Filled(16, 10, Back);
    TRect Rect = C.Rect;
    PaintTexture(Dst.View(), Rect, Texture, Master.View(), C.Mode);
    EXPECT_EQ(Rect, C.Left) << "mode " << C.Mode << " from " << C.Rect.Left << ", " << C.Rect.Top;
    for (const TProbe& Probe : {C.A, C.B})
      EXPECT_EQ(Dst.Row(Probe.P.Y)[Probe.P.X], Probe.Expected)
          << "mode " << C.Mode << " from " << C.Rect.Left << ", " << C.Rect.Top << " at " << Probe.P.X << ", "
          << Probe.P.Y;
  }
}

// Tiles cut by the target's edges and by the rectangle's: every pixel of a 5 x 4 target.
TEST_F(MaskPaint, TilesCutAtTheEdgesKeepTheirPlaceInTheGrid) {
  Master = NamedPixels(3, 2);
  const TsMaskData Texture = Item({0, 0, 3, 2}, 1, 0);
  const TPixel32 B = Back;
  const struct {
    int Mode;
    TRect Rect;
    TBitmap32 Expected;
  } Cases[] = {
      // Cut on the left and top by the target, on the right and bottom by the rectangle.
      {0,
       {-2, -1, 4, 3},
       BitmapOf(5, 4, {At(2, 1), At(0, 1), At(1, 1), At(2, 1), B,  //
                       At(2, 0), At(0, 0), At(1, 0), At(2, 0), B,  //
                       At(2, 1), At(0, 1), At(1, 1), At(2, 1), B,  //
                       B, B, B, B, B})},
      // Cut on the right and bottom by the target.
      {0,
       {1, 1, 9, 9},
       BitmapOf(5, 4, {B, B, B, B, B,                              //
                       B, At(0, 0), At(1, 0), At(2, 0), At(0, 0),  //
                       B, At(0, 1), At(1, 1), At(2, 1), At(0, 1),  //
                       B, At(0, 0), At(1, 0), At(2, 0), At(0, 0)})},
      // Anchored at the bottom-right corner: the cut tiles lie along the left and top.
      {13,
       {-2, -1, 4, 2},
       BitmapOf(5, 4, {At(2, 0), At(0, 0), At(1, 0), At(2, 0), B,  //
                       At(2, 1), At(0, 1), At(1, 1), At(2, 1), B,  //
                       B, B, B, B, B,                              //
                       B, B, B, B, B})},
  };
  for (const auto& C : Cases) {
    TBitmap32 Dst = Filled(5, 4, Back);
    TRect Rect = C.Rect;
    PaintTexture(Dst.View(), Rect, Texture, Master.View(), C.Mode);
    EXPECT_EQ(Dst, C.Expected) << "mode " << C.Mode << " from " << C.Rect.Left << ", " << C.Rect.Top;
  }
}

// A 2 x 2 masked texture: a key pixel at (0, 0), mask 0 (the image's own pixels) elsewhere.
TBitmap32 MaskedCheckers() { return BitmapOf(2, 4, {Key, At(1, 0), At(0, 1), At(1, 1), 0, 0, 0, 0}); }

TEST_F(MaskPaint, MaskedTileCutAtTheTargetsEdgeKeepsItsPlaceInTheGrid) {
  Master = MaskedCheckers();
  const TsMaskData Texture = Item({0, 0, 2, 4}, 1, 1);
  TBitmap32 Dst = Filled(5, 4, Back);
  TRect Rect{-1, -1, 9, 9};
  PaintMaskedTexture(Dst.View(), Rect, NoParent, 0, Texture, Master.View());
  const TPixel32 B = Back;
  EXPECT_EQ(Dst, BitmapOf(5, 4, {At(1, 1), At(0, 1), At(1, 1), At(0, 1), At(1, 1),  //
                                 At(1, 0), B, At(1, 0), B, At(1, 0),                //
                                 At(1, 1), At(0, 1), At(1, 1), At(0, 1), At(1, 1),  //
                                 At(1, 0), B, At(1, 0), B, At(1, 0)}));
}

TEST_F(MaskPaint, MaskedTextureOnAnyRectanglePaintsWhatFitsTheTarget) {
  Master = MaskedCheckers();
  const TsMaskData Texture = Item({0, 0, 2, 4}, 1, 1);
  const struct {
    int Mode;
    TRect Rect;
  } Cases[] = {{0, {INT_MIN, INT_MIN, INT_MAX, INT_MAX}},
               {10, {INT_MIN, INT_MIN, INT_MAX, INT_MAX}},
               {0, {-20000, -20000, 20000, 20000}},
               {10, {0, 0, 20000, 20000}}};
  for (const auto& C : Cases) {
    TBitmap32 Dst = Filled(16, 10, Back);
    TRect Rect = C.Rect;
    PaintMaskedTexture(Dst.View(), Rect, NoParent, C.Mode, Texture, Master.View());
    EXPECT_EQ(Rect, NothingLeft);
    // Every one of these rectangles starts its grid on an even column and row.
    EXPECT_EQ(Dst.Row(0)[0], Back) << C.Mode << " from " << C.Rect.Left;
    EXPECT_EQ(Dst.Row(0)[1], At(1, 0)) << C.Mode << " from " << C.Rect.Left;
    EXPECT_EQ(Dst.Row(8)[14], Back) << C.Mode << " from " << C.Rect.Left;
    EXPECT_EQ(Dst.Row(9)[15], At(1, 1)) << C.Mode << " from " << C.Rect.Left;
    EXPECT_EQ(Dst.Row(9)[0], At(0, 1)) << C.Mode << " from " << C.Rect.Left;
  }
}

// ---- Nine-piece borders over any rectangle

// A border cut by the target's left and top edges: every pixel of a 5 x 4 target, tiled and
// stretched. The item is 2 wide on every side; the rectangle starts 3 left of and 1 above
// the target, so only the top and bottom sides and the right corners reach into it.
TEST_F(MaskPaint, BorderCutAtTheTargetsEdgeKeepsItsPlace) {
  const TPixel32 B = Back;
  const struct {
    int PictureWidth;
    int DrawMode;
    TRect Rect;
    TBitmap32 Expected;
  } Cases[] = {
      // Top side (1 wide) from x -1, the rows below row 0 of the rectangle: source row 1;
      // bottom side rows 3 and 4; the right corners from x 2.
      {5,
       0,
       {-3, -1, 4, 3},
       BitmapOf(5, 4, {At(2, 1), At(2, 1), At(3, 1), At(4, 1), B,  //
                       At(2, 3), At(2, 3), At(3, 3), At(4, 3), B,  //
                       At(2, 4), At(2, 4), At(3, 4), At(4, 4), B,  //
                       B, B, B, B, B})},
      // Sides 2 wide (columns 2, 3) stretched over 8 pixels from x -1: x + 1 < 4 reads
      // column 2, the rest column 3; the right corners lie beyond the target.
      {6,
       dmStretch,
       {-3, -1, 9, 3},
       BitmapOf(5, 4, {At(2, 1), At(2, 1), At(2, 1), At(3, 1), At(3, 1),  //
                       At(2, 3), At(2, 3), At(2, 3), At(3, 3), At(3, 3),  //
                       At(2, 4), At(2, 4), At(2, 4), At(3, 4), At(3, 4),  //
                       B, B, B, B, B})},
  };
  for (const auto& C : Cases) {
    Master = NamedPixels(C.PictureWidth, 5);
    const TsMaskData Border = Item({0, 0, C.PictureWidth, 5}, 1, 0, C.DrawMode, 2, 2, 2, 2);
    TBitmap32 Dst = Filled(5, 4, Back);
    PaintNinePiece(Dst.View(), C.Rect, NoParent, false, 0, Border, Master.View());
    EXPECT_EQ(Dst, C.Expected) << "draw mode " << C.DrawMode;
  }
}

// Rectangles far larger than the 16 x 10 target or reaching the ends of the int range: the
// border paints the part inside the target and returns. A 6 x 6 picture with 2-pixel sides:
// the centre piece is columns and rows 2 and 3.
TEST_F(MaskPaint, BorderOnAnyRectanglePaintsWhatFitsTheTarget) {
  constexpr int Min = INT_MIN;
  constexpr int Max = INT_MAX;
  struct TProbe {
    TPoint P;
    TPixel32 Expected;
  };
  const struct {
    int DrawMode;
    TRect Rect;
    TProbe A, B, C;
  } Cases[] = {
      // Tiled centre, its grid starting on an even column and row.
      {dmCentre, {Min, Min, Max, Max}, {{0, 0}, At(2, 2)}, {{15, 9}, At(3, 3)}, {{7, 4}, At(3, 2)}},
      {dmCentre, {-20000, -20000, 20000, 20000}, {{0, 0}, At(2, 2)}, {{15, 9}, At(3, 3)}, {{7, 4}, At(3, 2)}},
      // Top and bottom sides across the whole int range; no centre.
      {0, {Min, 0, Max, 10}, {{0, 0}, At(2, 0)}, {{15, 9}, At(3, 5)}, {{7, 5}, Back}},
      // Left side, centre and right side stretched INT_MAX - 4 high: the rows near the top
      // read the pieces' first row; the centre, 12 wide, reads column 2 up to x 7.
      {dmStretch | dmCentre, {0, 0, 16, Max}, {{0, 5}, At(0, 2)}, {{7, 9}, At(2, 2)}, {{8, 9}, At(3, 2)}},
      {dmStretch | dmCentre, {0, 0, 16, Max}, {{15, 9}, At(5, 2)}, {{8, 1}, At(3, 1)}, {{0, 0}, At(0, 0)}},
      // Stretched across the whole int range: the centre runs from INT_MIN + 2 over
      // 2^32 - 5 pixels, so x 0 lies 2^31 - 2 in, past its middle: column 3 and row 3.
      {dmStretch | dmCentre, {Min, Min, Max, Max}, {{0, 0}, At(3, 3)}, {{15, 9}, At(3, 3)}, {{7, 4}, At(3, 3)}},
      {dmStretch | dmCentre, {Min, Min, 16, 10}, {{0, 0}, At(3, 3)}, {{13, 7}, At(3, 3)}, {{15, 9}, At(5, 5)}},
  };
  Master = NamedPixels(6, 6);
  for (const auto& C : Cases) {
    const TsMaskData Border = Item({0, 0, 6, 6}, 1, 0, C.DrawMode, 2, 2, 2, 2);
    TBitmap32 Dst = Filled(16, 10, Back);
    PaintNinePiece(Dst.View(), C.Rect, NoParent, false, 0, Border, Master.View());
    for (const TProbe& Probe : {C.A, C.B, C.C})
      EXPECT_EQ(Dst.Row(Probe.P.Y)[Probe.P.X], Probe.Expected)
          << "draw mode " << C.DrawMode << " from " << C.Rect.Left << ", " << C.Rect.Top << " at " << Probe.P.X
          << ", " << Probe.P.Y;
  }
}

// A masked border whose mask is 0 everywhere shows its image's own pixels; over the whole
// int range only the tiled or stretched centre reaches the target.
TEST_F(MaskPaint, MaskedBorderOnAnyRectanglePaintsWhatFitsTheTarget) {
  TBitmap32 Pic = NamedPixels(6, 12);
  for (int Y = 6; Y < 12; ++Y)
    for (int X = 0; X < 6; ++X) Pic.Row(Y)[X] = 0;
  // A centre of one colour: every stretch of it is that colour (bytes 0 and 255 stay put
  // through the smooth filter's rounding and clamping).
  for (int Y = 2; Y < 4; ++Y)
    for (int X = 2; X < 4; ++X) Pic.Row(Y)[X] = 0xFF00FF00u;
  Master = Pic;
  for (const int DrawMode : {dmCentre, dmStretch | dmCentre}) {
    const TsMaskData Border = Item({0, 0, 6, 12}, 1, 1, DrawMode, 2, 2, 2, 2);
    for (const TRect& Rect : {TRect{INT_MIN, INT_MIN, INT_MAX, INT_MAX}, TRect{-20000, -20000, 20000, 20000}}) {
      TBitmap32 Dst = Filled(16, 10, Back);
      PaintNinePiece(Dst.View(), Rect, NoParent, false, 0, Border, Master.View());
      for (const TPoint P : {TPoint{0, 0}, TPoint{15, 9}, TPoint{8, 5}})
        EXPECT_EQ(Dst.Row(P.Y)[P.X] & 0x00FFFFFFu, 0x0000FF00u) << DrawMode << " from " << Rect.Left;
    }
  }
}

// Stretching only the visible part changes no pixel: a smoothly stretched masked centre and
// sides seen through a 7 x 5 target anywhere over them match the border painted whole.
TEST_F(MaskPaint, StretchedPartsMatchTheWholeStretch) {
  TBitmap32 Pic(6, 12);
  for (int Y = 0; Y < 6; ++Y)
    for (int X = 0; X < 6; ++X) {
      Pic.Row(Y)[X] = At(40 * X, 40 * Y, 90);
      Pic.Row(Y + 6)[X] = MakePixel32(static_cast<std::uint8_t>(20 * X), 0, 0, 0);
    }
  Master = Pic;
  const TsMaskData Border = Item({0, 0, 6, 12}, 1, 1, dmStretch | dmCentre, 2, 2, 2, 2);
  TBitmap32 Whole = Filled(40, 30, Back);
  PaintNinePiece(Whole.View(), {0, 0, 40, 30}, NoParent, false, 0, Border, Master.View());
  for (const TPoint At : {TPoint{0, 0}, TPoint{5, 3}, TPoint{17, 11}, TPoint{33, 25}}) {
    TBitmap32 Part = Filled(7, 5, Back);
    PaintNinePiece(Part.View(), {-At.X, -At.Y, 40 - At.X, 30 - At.Y}, NoParent, false, 0, Border, Master.View());
    for (int Y = 0; Y < 5; ++Y)
      for (int X = 0; X < 7; ++X)
        EXPECT_EQ(Part.Row(Y)[X], Whole.Row(At.Y + Y)[At.X + X]) << At.X + X << ", " << At.Y + Y;
  }
}

TEST_F(MaskPaint, AlphaBorderOnAnyRectanglePaintsWhatFitsTheTarget) {
  // Image 6 x 6 over a mask of 0: full coverage; at opacity 255 a colour byte c becomes
  // (c * 254) >> 8 (weight 255 * 255 >> 8), alpha 255 over alpha 0.
  TBitmap32 Pic = NamedPixels(6, 12);
  for (int Y = 6; Y < 12; ++Y)
    for (int X = 0; X < 6; ++X) Pic.Row(Y)[X] = 0;
  Master = Pic;
  const TsMaskData Border = Item({0, 0, 6, 12}, 1, 1, 0, 2, 2, 2, 2);
  const struct {
    TRect Rect;
    TPoint P;
    TPixel32 Expected;
  } Cases[] = {
      {{INT_MIN, INT_MIN, INT_MAX, INT_MAX}, {8, 5}, 0u},  // no centre, the sides far away
      // Left side, 2 rows tiled from y 2: row 5 reads image row 3 (G 3 -> 2, B 7 -> 6).
      {{0, 0, 16, INT_MAX}, {0, 5}, 0xFF000206u},
      // Top side, 2 columns tiled from INT_MIN + 2: column 9 reads image column 3 (R 3 -> 2).
      {{INT_MIN, 0, INT_MAX, 10}, {9, 1}, 0xFF020006u},
  };
  for (const auto& C : Cases) {
    TBitmap32 Dst = Filled(16, 10, 0u);
    PaintNinePieceAlpha(Dst.View(), C.Rect, NoParent, 0, Border, Master.View(), 255, {2, 2, 2, 2});
    EXPECT_EQ(Dst.Row(C.P.Y)[C.P.X], C.Expected) << C.Rect.Left << ", " << C.Rect.Top;
  }
}

// ---- Alpha-producing borders

TEST_F(MaskPaint, AlphaBorderScalesColourByOpacityButNotAlpha) {
  TBitmap32 Pic = MaskedBorderPicture(0xFF0000FFu, 55);  // coverage 200
  Pic.Row(0)[0] = Key;
  Master = Pic;
  const TsMaskData Border = Item({0, 0, 3, 6}, 1, 1, 0, 1, 1, 1, 1);
  TBitmap32 Dst = Filled(3, 3, 0u);
  Dst.Row(0)[2] = 0x64000000u;  // alpha 100 grows to the coverage
  Dst.Row(2)[2] = 0xF0000000u;  // alpha 240 stays
  Dst.Row(0)[0] = 0xFF000000u;
  PaintNinePieceAlpha(Dst.View(), {0, 0, 3, 3}, NoParent, 0, Border, Master.View(), 128, {5, 5, 5, 5});
  // w = 128 * 200 >> 8 = 100: blue (255 * 100) >> 8 = 99.
  EXPECT_EQ(Dst.Row(0)[1], 0xC8000063u);
  EXPECT_EQ(Dst.Row(0)[2], 0xC8000063u);
  EXPECT_EQ(Dst.Row(2)[2], 0xF0000063u);
  EXPECT_EQ(Dst.Row(0)[0], 0x00000000u);  // key pixel without a ready parent: alpha 0
  EXPECT_EQ(Dst.Row(1)[1], 0u);           // no centre
}

TEST_F(MaskPaint, AlphaBorderSidesAreNarrowedToTheirLimits) {
  // A 6 x 3 border image (left and right 2 wide) over a mask of 0.
  TBitmap32 Pic(6, 6);
  for (int Y = 0; Y < 3; ++Y)
    for (int X = 0; X < 6; ++X) Pic.Row(Y)[X] = At(X, Y);
  Master = Pic;
  const TsMaskData Border = Item({0, 0, 6, 6}, 1, 1, 0, 2, 1, 2, 1);
  TBitmap32 Dst = Filled(6, 5, 0u);
  PaintNinePieceAlpha(Dst.View(), {0, 0, 6, 5}, NoParent, 0, Border, Master.View(), 255, {1, 1, 0, 1});
  // Full coverage at opacity 255 takes (c * 255) >> 8 of each colour byte, alpha 255.
  const auto Painted = [](TPixel32 P) {
    TPixel32 Result = 0xFF000000u;
    for (int Shift = 0; Shift < 24; Shift += 8) Result |= ((((P >> Shift) & 0xFF) * 255) >> 8) << Shift;
    return Result;
  };
  EXPECT_EQ(Dst.Row(2)[0], Painted(At(0, 1)));  // the outer column of the left piece
  EXPECT_EQ(Dst.Row(2)[1], 0u);                 // narrowed away
  EXPECT_EQ(Dst.Row(2)[5], 0u);                 // right limit 0
  EXPECT_EQ(Dst.Row(0)[5], Painted(At(5, 0)));  // corners keep their size
  EXPECT_EQ(Dst.Row(0)[4], Painted(At(4, 0)));
}

// ---- Corners painted again over the parent

TEST_F(MaskPaint, UnmaskedCornersNamedByTheirBitsShowTheParentBehindTheirKeyPixels) {
  Master = NamedPixels(4, 4);
  Master.Row(0)[0] = Key;
  const TsMaskData Border = Item({0, 0, 4, 4}, 1, 0, 0, 1, 1, 1, 1);
  const TBitmap32 Behind = NamedPixels(6, 6, 9);
  TCacheInfo Parent;
  Parent.Bmp = Behind.View();
  Parent.X = 2;
  Parent.Y = 1;
  Parent.Ready = true;
  TBitmap32 Dst = Filled(4, 4, Back);
  PaintBorderCorners(Dst.View(), {0, 0, 4, 4}, Parent, 0, Border, Master.View(), bcTopLeft | bcBottomRight);
  EXPECT_EQ(Dst.Row(0)[0], At(2, 1, 9));  // the key pixel: the parent at (0 + 2, 0 + 1)
  EXPECT_EQ(Dst.Row(3)[3], At(3, 3));     // bottom-right corner copied
  EXPECT_EQ(Dst.Row(0)[3], Back);         // top-right not asked for
  EXPECT_EQ(Dst.Row(3)[0], Back);         // nor bottom-left
  EXPECT_EQ(Dst.Row(0)[1], Back);         // sides stay
}

TEST_F(MaskPaint, MaskedCornersAreMixedOverTheParentsPixels) {
  // A 3 x 3 blue border over a mask of 128 in every channel; its top-left pixel the key.
  TBitmap32 Pic(3, 6);
  for (int Y = 0; Y < 3; ++Y)
    for (int X = 0; X < 3; ++X) {
      Pic.Row(Y)[X] = 0xFF0000FFu;
      Pic.Row(Y + 3)[X] = 0x00808080u;
    }
  Pic.Row(0)[0] = Key;
  Master = Pic;
  const TsMaskData Border = Item({0, 0, 3, 6}, 1, 1, 0, 1, 1, 1, 1);
  const TBitmap32 Behind = Filled(3, 3, 0xFF204060u);
  TCacheInfo Parent;
  Parent.Bmp = Behind.View();
  Parent.Ready = true;
  TBitmap32 Dst = Filled(3, 3, Back);
  PaintBorderCorners(Dst.View(), {0, 0, 3, 3}, Parent, 0, Border, Master.View(), bcTopLeft | bcBottomLeft);
  EXPECT_EQ(Dst.Row(0)[0], 0xFF204060u);  // key: the parent as it is
  // Over 0x204060: blue ((0x60 - 0xFF) * 128 + 0xFF * 256) >> 8 = 175, green 0x40 * 128 >> 8
  // = 32, red 0x20 * 128 >> 8 = 16; opaque over a ready parent.
  EXPECT_EQ(Dst.Row(2)[0], 0xFF1020AFu);
  EXPECT_EQ(Dst.Row(0)[2], Back);
  // A parent answering with a colour: the key pixel takes it, opaque.
  TCacheInfo Coloured;
  Coloured.FillColor = 0x00FF00;  // green
  TBitmap32 OverColour = Filled(3, 3, Back);
  PaintBorderCorners(OverColour.View(), {0, 0, 3, 3}, Coloured, 0, Border, Master.View(), bcTopLeft);
  EXPECT_EQ(OverColour.Row(0)[0], 0xFF00FF00u);
}

TEST_F(MaskPaint, AnOwnPictureWithoutAnImageCountRefreshesCornersAsThreeMaskedStates) {
  TsMaskData Border = Item({0, 0, 30, 20}, 1, 0);
  Border.Bmp = std::make_shared<const TBitmap32>(30, 20);
  Border.ImageCount = 0;
  const TsMaskData Refreshed = BorderForCornerRefresh(Border);
  EXPECT_EQ(Refreshed.ImageCount, 3);
  EXPECT_EQ(Refreshed.MaskType, 1);
  EXPECT_EQ(Refreshed.Width, 10);
  EXPECT_EQ(Refreshed.Height, 10);
  Border.ImageCount = 2;
  EXPECT_EQ(BorderForCornerRefresh(Border).ImageCount, 2);
  EXPECT_EQ(BorderForCornerRefresh(Border).MaskType, 0);
}

TEST_F(MaskPaint, TheWidestBorderWidthCountsOnlyForBordersPaintedInState0) {
  struct {
    int DrawMode;
    int Expected;
  } const Cases[] = {{0, 5}, {dmStretch, 5}, {dmCentre | dmStretch, 5}, {dmNotInState0, 0}, {dmNotInState0 | dmStretch, 0}};
  for (const auto& C : Cases)
    EXPECT_EQ(MaxBorderWidth(Item({0, 0, 20, 20}, 1, 0, C.DrawMode, 3, 5, 2, 4)), C.Expected) << C.DrawMode;
}

}  // namespace
