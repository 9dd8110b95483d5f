#include <gtest/gtest.h>

#include <climits>
#include <optional>

#include "skin/render/MaskPaint.h"
#include "skin/render/OuterEffectPaint.h"
#include "tests/native/PaintFixture.h"
#include "tests/native/PixelTestSupport.h"

namespace {

constexpr TPixel32 Back = 0xFF102030u;

TEST(OuterEffect, TheSectionsOwnEffectOrTheSkinsEffectOfItsMode) {
  TacOutEffArray Skin;
  Skin[0] = {};
  Skin[0].Mask = 4;
  Skin[0].OffsetL = 2, Skin[0].OffsetT = 2, Skin[0].OffsetR = 2, Skin[0].OffsetB = 4;
  Skin[0].Opacity = 200;
  Skin[1] = {};
  Skin[1].Mask = 7;
  Skin[1].OffsetL = 3, Skin[1].OffsetT = 2, Skin[1].OffsetR = 3, Skin[1].OffsetB = 5;
  Skin[1].Opacity = 60;
  TsGeneralData Section;
  Section.OuterOffset = {1, 1, 6, 6};
  Section.OuterOpacity = 90;

  Section.OuterMode = 2;
  Section.OuterMask = 9;  // its own picture
  auto Look = OuterEffectOf(Section, Skin);
  ASSERT_TRUE(Look);
  EXPECT_EQ(Look->Mask, 9);
  EXPECT_EQ(Look->Offsets, (TRect{1, 1, 6, 6}));
  EXPECT_EQ(Look->Opacity, 90);

  Section.OuterMask = -1;  // the skin's shadow
  Look = OuterEffectOf(Section, Skin);
  ASSERT_TRUE(Look);
  EXPECT_EQ(Look->Mask, 7);
  EXPECT_EQ(Look->Offsets, (TRect{3, 2, 3, 5}));
  EXPECT_EQ(Look->Opacity, 60);

  Section.OuterMode = 1;  // the skin's light
  Look = OuterEffectOf(Section, Skin);
  ASSERT_TRUE(Look);
  EXPECT_EQ(Look->Mask, 4);

  for (const int Mode : {0, 3}) {
    Section.OuterMode = Mode;
    EXPECT_FALSE(OuterEffectOf(Section, Skin)) << Mode;
  }
  Section.OuterMode = 2;
  Skin[1].Source = 0;
  EXPECT_FALSE(OuterEffectOf(Section, Skin));
  Skin[1].Source = 1;
  Skin[1].Mask = -1;
  EXPECT_FALSE(OuterEffectOf(Section, Skin));
}

TEST(OuterEffect, TheRectangleIsTheBoundsMovedAndWidenedOutwards) {
  EXPECT_EQ(OuterEffectRect({10, 10, 30, 20}, {5, -2}, {3, 2, 3, 5}), (TRect{12, 6, 38, 23}));
  // Offsets from a skin may be anything: the edges stop at +-2^29.
  const TRect Far = OuterEffectRect({0, 0, 10, 10}, {0, 0}, {INT_MAX, INT_MAX, INT_MAX, INT_MAX});
  EXPECT_EQ(Far, (TRect{-(1 << 29), -(1 << 29), 1 << 29, 1 << 29}));
  TBitmap32 Picture = Filled(4, 4, Back);
  std::optional<TBitmap32> Saved;
  const TsMaskData Border = Item({0, 0, 3, 6}, 1, 1, 0, 1, 1, 1, 1);
  const TBitmap32 Master = Filled(3, 6, 0xFF0000FFu);
  PaintOuterEffect(Picture.View(), Far, {0, {1, 1, 1, 1}, 255}, Border, Master.View(), false, Saved);
  EXPECT_FALSE(Saved);
  EXPECT_EQ(Picture, Filled(4, 4, Back));
}

struct OuterEffectPaint : ::testing::Test {
  // A 3 x 3 blue border over a mask of 0 (full coverage), one pixel wide on every side.
  TBitmap32 Master = [] {
    TBitmap32 Pic(3, 6);
    for (int Y = 0; Y < 3; ++Y)
      for (int X = 0; X < 3; ++X) Pic.Row(Y)[X] = 0xFF0000FFu;
    return Pic;
  }();
  TsMaskData Border = Item({0, 0, 3, 6}, 1, 1, 0, 1, 1, 1, 1);
  TOuterEffectLook Look{0, {1, 1, 1, 1}, 255};
  // At opacity 255 and full coverage w = 254: blue (0x30 + 255 * 254) >> 8 = 253, green and
  // red (c * 1) >> 8 = 0; an opaque target stays opaque.
  static constexpr TPixel32 Painted = 0xFF0000FDu;
};

TEST_F(OuterEffectPaint, ThePixelsUnderTheEffectAreKeptBeforeItIsPainted) {
  TBitmap32 Picture = Filled(6, 6, Back);
  std::optional<TBitmap32> Saved;
  PaintOuterEffect(Picture.View(), {1, 1, 4, 4}, Look, Border, Master.View(), false, Saved);
  ASSERT_TRUE(Saved);
  EXPECT_EQ(*Saved, Filled(3, 3, Back));
  EXPECT_EQ(Picture.Row(1)[1], Painted);
  EXPECT_EQ(Picture.Row(3)[3], Painted);
  EXPECT_EQ(Picture.Row(2)[2], Back);  // no centre
  EXPECT_EQ(Picture.Row(0)[0], Back);  // outside the rectangle
}

TEST_F(OuterEffectPaint, RestoringFirstPaintsOverTheCopyKeptLastTimeAndKeepsTheNewPixels) {
  TBitmap32 Picture = Filled(6, 6, Back);
  std::optional<TBitmap32> Saved;
  PaintOuterEffect(Picture.View(), {1, 1, 4, 4}, Look, Border, Master.View(), false, Saved);
  constexpr TPixel32 Now = 0xFF405060u;
  Picture.Fill(Now);
  PaintOuterEffect(Picture.View(), {1, 1, 4, 4}, Look, Border, Master.View(), true, Saved);
  EXPECT_EQ(Picture.Row(2)[2], Back);  // the centre of the old copy
  EXPECT_EQ(Picture.Row(1)[1], Painted);
  EXPECT_EQ(Picture.Row(0)[0], Now);  // outside the rectangle
  ASSERT_TRUE(Saved);
  EXPECT_EQ(*Saved, Filled(3, 3, Now));
}

TEST_F(OuterEffectPaint, ARectangleReachingOutOfThePictureKeepsZerosForWhatLiesOutside) {
  TBitmap32 Picture = Filled(4, 4, Back);
  std::optional<TBitmap32> Saved;
  PaintOuterEffect(Picture.View(), {-1, -1, 2, 2}, Look, Border, Master.View(), false, Saved);
  ASSERT_TRUE(Saved);
  EXPECT_EQ(Saved->Row(0)[0], 0u);
  EXPECT_EQ(Saved->Row(1)[1], Back);
  EXPECT_EQ(Picture.Row(1)[1], Painted);  // the bottom-right corner lands at (1, 1)
}

}  // namespace
