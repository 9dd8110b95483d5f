// 32-bit DIB sections with their own memory DC: pixels written through the view, GDI
// drawing through the DC, both row orders, and sizes that must be refused.
#include <gtest/gtest.h>
#include <windows.h>

#include <optional>

#include "framework/DibSection.h"
#include "gfx/Bitmap32.h"

namespace {

using TRowOrder = TDibSection::TRowOrder;

// A different colour for every pixel of a small picture.
constexpr TPixel32 PatternAt(int X, int Y) {
  return MakePixel32(static_cast<std::uint8_t>(40 * X + 1), static_cast<std::uint8_t>(50 * Y + 2), 7, 255);
}

TEST(DibSectionTest, PixelsWrittenThroughTheViewReachABitBlt) {
  struct TCase {
    TRowOrder From;
    TRowOrder To;
  };
  for (const TCase Case : {TCase{TRowOrder::TopDown, TRowOrder::TopDown}, TCase{TRowOrder::BottomUp, TRowOrder::TopDown},
                           TCase{TRowOrder::TopDown, TRowOrder::BottomUp}}) {
    constexpr int W = 5;
    constexpr int H = 4;
    const std::optional<TDibSection> Source = TDibSection::Make(W, H, Case.From);
    const std::optional<TDibSection> Target = TDibSection::Make(W, H, Case.To);
    ASSERT_TRUE(Source && Target);
    const TBitmapView In = Source->Pixels();
    for (int Y = 0; Y < H; ++Y)
      for (int X = 0; X < W; ++X) In.Row(Y)[X] = PatternAt(X, Y);
    // Only the bottom-right quarter moves, to the top left: rows must not come out flipped.
    ASSERT_TRUE(BitBlt(Target->DC(), 0, 0, 3, 2, Source->DC(), 2, 2, SRCCOPY));
    const TBitmapView Out = Target->Pixels();
    for (int Y = 0; Y < H; ++Y)
      for (int X = 0; X < W; ++X) {
        const TPixel32 Expected = X < 3 && Y < 2 ? PatternAt(X + 2, Y + 2) : 0;
        EXPECT_EQ(Out.Row(Y)[X] & 0x00FFFFFFu, Expected & 0x00FFFFFFu)
            << X << "," << Y << " from " << static_cast<int>(Case.From) << " to " << static_cast<int>(Case.To);
      }
  }
}

TEST(DibSectionTest, ABottomUpSectionStartsWithItsLastRowInMemory) {
  const std::optional<TDibSection> Dib = TDibSection::Make(2, 3, TRowOrder::BottomUp);
  ASSERT_TRUE(Dib);
  const TBitmapView View = Dib->Pixels();
  EXPECT_EQ(View.Stride, -8);
  View.Row(2)[0] = 0x11223344u;
  BITMAP Info{};
  ASSERT_EQ(GetObjectW(Dib->Bitmap(), sizeof(Info), &Info), static_cast<int>(sizeof(Info)));
  EXPECT_EQ(*static_cast<const TPixel32*>(Info.bmBits), 0x11223344u);
}

TEST(DibSectionTest, GdiTextDrawnIntoTheDcChangesItsPixels) {
  for (const TRowOrder Order : {TRowOrder::TopDown, TRowOrder::BottomUp}) {
    const std::optional<TDibSection> Dib = TDibSection::Make(60, 30, Order);
    ASSERT_TRUE(Dib);
    Dib->Pixels().Fill(0xFFFFFFFFu);
    SetTextColor(Dib->DC(), RGB(0, 0, 0));
    SetBkMode(Dib->DC(), TRANSPARENT);
    SIZE Extent{};
    ASSERT_TRUE(GetTextExtentPoint32W(Dib->DC(), L"Hg", 2, &Extent));
    ASSERT_TRUE(TextOutW(Dib->DC(), 4, 3, L"Hg", 2));
    int Inked = 0;
    int InkedOutside = 0;
    const TBitmapView Pixels = Dib->Pixels();
    for (int Y = 0; Y < 30; ++Y)
      for (int X = 0; X < 60; ++X) {
        if ((Pixels.Row(Y)[X] & 0x00FFFFFFu) == 0x00FFFFFFu) continue;
        ++Inked;
        const bool Inside = X >= 4 && X < 4 + Extent.cx && Y >= 3 && Y < 3 + Extent.cy;
        InkedOutside += !Inside;
      }
    EXPECT_GT(Inked, 10) << static_cast<int>(Order);
    EXPECT_EQ(InkedOutside, 0) << static_cast<int>(Order);
  }
}

TEST(DibSectionTest, SizesWithoutPixelsOrBeyondTheLimitAreRefused) {
  struct TCase {
    int Width;
    int Height;
  };
  for (const TCase Case : {TCase{0, 5}, TCase{5, 0}, TCase{0, 0}, TCase{-1, 5}, TCase{5, -3}, TCase{-4, -4},
                           TCase{MaxBitmapSide + 1, 1}, TCase{MaxBitmapSide, MaxBitmapSide}}) {
    for (const TRowOrder Order : {TRowOrder::TopDown, TRowOrder::BottomUp}) {
      EXPECT_FALSE(TDibSection::Make(Case.Width, Case.Height, Order).has_value()) << Case.Width << "x" << Case.Height;
    }
  }
  EXPECT_TRUE(TDibSection::Make(1, 1).has_value());
}

}  // namespace
