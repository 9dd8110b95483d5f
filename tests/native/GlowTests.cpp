// The glow window around a control and the picture it shows, worked by hand from the
// button glow image's borders 8, 8, 9, 8 and the section's margin 3.
#include <gtest/gtest.h>

#include "skin/frame/GlowPicture.h"
#include "skin/frame/GlowRect.h"
#include "tests/native/PaintFixture.h"
#include "tests/native/PixelTestSupport.h"

namespace {

// A 30 x 30 glow image stretched between borders 8, 8, 9, 8 (draw mode 1).
TsMaskData ButtonGlow() { return Item({0, 0, 30, 30}, 1, 0, 1, 8, 8, 9, 8); }

TEST(GlowWindowRect, MainWindowButton) {
  // sButton1 at (22, 78) in its panel, 130 x 35: 130 + 8 + 9 - 6 by 35 + 8 + 8 - 6, from
  // (22 + 3 - 8, 78 + 3 - 8).
  const std::optional<TRect> R = GlowWindowRect(Bounds(22, 78, 130, 35), ButtonGlow(), 3);
  ASSERT_TRUE(R.has_value());
  EXPECT_EQ(*R, Bounds(17, 73, 141, 45));
}

TEST(GlowWindowRect, NoAreaNoGlow) {
  const struct {
    TRect Control;
    int Margin;
    bool Shown;
  } Cases[] = {
      {Bounds(0, 0, 1, 1), 8, true},     // 1 + 17 - 16 by 1 + 16 - 16: one pixel high
      {Bounds(0, 0, 1, 0), 8, false},    // 0 high
      {Bounds(0, 0, 0, 10), 9, false},   // 0 + 17 - 18 wide
      {Bounds(5, 5, 130, 35), -3, true},  // a negative margin only widens it
  };
  for (const auto& C : Cases)
    EXPECT_EQ(GlowWindowRect(C.Control, ButtonGlow(), C.Margin).has_value(), C.Shown) << C.Margin;
  EXPECT_EQ(*GlowWindowRect(Bounds(5, 5, 130, 35), ButtonGlow(), -3), Bounds(-6, -6, 130 + 17 + 6, 35 + 16 + 6));
}

TEST(GlowWindowRect, SizesBeyondAnyPictureGiveNone) {
  TsMaskData Wide = ButtonGlow();
  Wide.WL = 32767;
  Wide.WR = 32767;
  EXPECT_FALSE(GlowWindowRect(Bounds(0, 0, 1000, 10), Wide, 0).has_value());
  EXPECT_FALSE(GlowWindowRect(TRect{2147483600, 0, 2147483640, 10}, ButtonGlow(), 0).has_value());
}

TEST(GlowPicture, CornersKeptSidesStretchedCentreClear) {
  // Each pixel of the image names its place, with an alpha of its own.
  TBitmap32 Image(30, 30);
  for (int Y = 0; Y < 30; ++Y)
    for (int X = 0; X < 30; ++X) Image.Row(Y)[X] = (At(X, Y) & 0x00FFFFFFu) | TPixel32{static_cast<std::uint8_t>(X + Y)} << 24;
  const TsMaskData Glow = ButtonGlow();
  const TBitmap32 Picture = GlowPicture(141, 45, &Glow, Image.View(), TsSectionLook{});
  ASSERT_EQ(Picture.Width(), 141);
  ASSERT_EQ(Picture.Height(), 45);
  for (int Y = 0; Y < 8; ++Y) {
    for (int X = 0; X < 8; ++X) {
      EXPECT_EQ(Picture.Row(Y)[X], Image.Row(Y)[X]);            // top left
      EXPECT_EQ(Picture.Row(37 + Y)[X], Image.Row(22 + Y)[X]);  // bottom left
    }
    for (int X = 0; X < 9; ++X) {
      EXPECT_EQ(Picture.Row(Y)[132 + X], Image.Row(Y)[21 + X]);            // top right
      EXPECT_EQ(Picture.Row(37 + Y)[132 + X], Image.Row(22 + Y)[21 + X]);  // bottom right
    }
  }
  // The top side's 13 columns stretched over 124: its ends are the piece's ends.
  EXPECT_EQ(Picture.Row(0)[8], Image.Row(0)[8]);
  EXPECT_EQ(Picture.Row(0)[131], Image.Row(0)[20]);
  EXPECT_EQ(Picture.Row(20)[0], Image.Row(8 + (20 - 8) * 14 / 29)[0]);  // the left side, 14 rows over 29
  // The control shows through the middle.
  for (const TPoint P : {TPoint{8, 8}, TPoint{70, 22}, TPoint{131, 36}}) EXPECT_EQ(Picture.Row(P.Y)[P.X], 0u);
}

TEST(GlowPicture, TakesTheControlsColours) {
  TBitmap32 Image = Filled(30, 30, MakePixel32(200, 40, 40, 120));
  TsSectionLook Grey;
  Grey.Saturation = -100;
  const TsMaskData Glow = ButtonGlow();
  const TBitmap32 Picture = GlowPicture(141, 45, &Glow, Image.View(), Grey);
  const TPixel32 P = Picture.Row(0)[0];
  EXPECT_EQ(PixelAlpha(P), 120);
  EXPECT_EQ((P >> 16) & 0xFF, P & 0xFF);
  EXPECT_EQ((P >> 8) & 0xFF, P & 0xFF);
  EXPECT_LT(P & 0xFF, 200u);
}

TEST(GlowPicture, WithoutAnImageTransparentBlack) {
  const TBitmap32 Picture = GlowPicture(5, 4, nullptr, {}, TsSectionLook{});
  EXPECT_EQ(Picture, Filled(5, 4, 0));
}

}  // namespace
