#include <gtest/gtest.h>

#include <algorithm>
#include <climits>
#include <cstdint>

#include "skin/render/DisabledLook.h"
#include "skin/render/PixelBlend.h"
#include "gfx/Premultiply.h"
#include "tests/native/PixelTestSupport.h"

namespace {

constexpr TPixel32 Key = 0x00FF00FFu;
const TCacheInfo NoParent{{}, 0, 0, clFuchsia, {}, true};  // ready, but no picture

TEST(BlendBitmaps, DestinationKeepsWeightKOnAllFourBytes) {
  TBitmap32 Dst = Filled(1, 1, 0xC8C8C8C8u);  // 200
  const TBitmap32 Src = Filled(1, 1, 0x64646464u);  // 100
  // K = 127 (50 %): (127 * 100 + 100 * 256) >> 8 = 149.
  BlendBitmaps(Dst.View(), Src.View(), 127, {0, 0}, {0, 0, 1, 1});
  EXPECT_EQ(Dst.Row(0)[0], 0x95959595u);
  // Destination darker than source: the difference is negative, the sum is not.
  TBitmap32 Dark = Filled(1, 1, 0x00000000u);
  const TBitmap32 White = Filled(1, 1, 0xFFFFFFFFu);
  BlendBitmaps(Dark.View(), White.View(), 255, {0, 0}, {0, 0, 1, 1});
  EXPECT_EQ(Dark.Row(0)[0], 0x00000000u);  // (255 * -255 + 255 * 256) >> 8 = 0
  BlendBitmaps(Dark.View(), White.View(), 0, {0, 0}, {0, 0, 1, 1});
  EXPECT_EQ(Dark.Row(0)[0], 0xFFFFFFFFu);
}

TEST(BlendBitmaps, NegativeDestinationMovesTheSourceStart) {
  const TBitmap32 Src = BitmapOf(3, 1, {1, 2, 3});
  TBitmap32 Dst = Filled(3, 1, 9);
  BlendBitmaps(Dst.View(), Src.View(), 0, {-1, 0}, {0, 0, 3, 1});
  // K = 0 copies (s * 256 >> 8); source column 1 lands on destination column 0.
  EXPECT_EQ(Dst.Row(0)[0], 2u);
  EXPECT_EQ(Dst.Row(0)[1], 3u);
  EXPECT_EQ(Dst.Row(0)[2], 9u);
}

TEST(BlendBitmaps, SourceRectangleOutsideOrInvertedDrawsNothing) {
  const TBitmap32 Src = Filled(2, 2, 0xFFFFFFFFu);
  const TRect Rects[] = {{2, 0, 4, 2}, {1, 1, 0, 2}, {-3, -3, 0, 0}, {INT_MIN, INT_MIN, INT_MIN + 2, INT_MIN + 2}};
  for (const TRect& R : Rects) {
    TStridedMemory M(2, 2, 3, true);
    BlendBitmaps(M.View, Src.View(), 0, {0, 0}, R);
    EXPECT_EQ(M.Guards(), static_cast<int>(M.Memory.size()));
  }
  // A source starting left of the source bitmap moves the destination by as much.
  TBitmap32 Dst = Filled(3, 1, 0);
  const TBitmap32 Row = BitmapOf(2, 1, {5, 6});
  BlendBitmaps(Dst.View(), Row.View(), 0, {0, 0}, {-1, 0, 2, 1});
  EXPECT_EQ(Dst.Row(0)[0], 0u);
  EXPECT_EQ(Dst.Row(0)[1], 5u);
  EXPECT_EQ(Dst.Row(0)[2], 6u);
}

TEST(BlendBitmapsKeyed, SkipsKeyAndKeepsAlpha) {
  const TBitmap32 Src = BitmapOf(2, 1, {Key, 0x00646464u});
  TBitmap32 Dst = Filled(2, 1, 0x7FC8C8C8u);
  BlendBitmapsKeyed(Dst.View(), 0, 0, clFuchsia, 127, {0, 0, 1, 0}, Src.View());
  EXPECT_EQ(Dst.Row(0)[0], 0x7FC8C8C8u);
  // (100 * 128 + 200 * 127) >> 8 = 149; alpha stays 0x7F.
  EXPECT_EQ(Dst.Row(0)[1], 0x7F959595u);
}

TEST(BlendBitmapsKeyed, InclusiveRectangleOfWholeSourceCopiesExactlyIt) {
  const TBitmap32 Src = BitmapOf(2, 2, {1, 2, 3, 4});
  TStridedMemory M(3, 3, 4, false);
  M.View.Fill(0);
  // Half-open bounds of the source, read as inclusive: reaches one past; cut there.
  BlendBitmapsKeyed(M.View, 1, 1, clFuchsia, 0, {0, 0, 2, 2}, Src.View());
  const TPixel32 Expected[3][3] = {{0, 0, 0}, {0, 0, 1}, {0, 2, 3}};  // s * 255 >> 8 of 1..4 is 0..3
  for (int Y = 0; Y < 3; ++Y)
    for (int X = 0; X < 3; ++X) EXPECT_EQ(M.View.Row(Y)[X], Expected[Y][X]) << X << "," << Y;
  EXPECT_EQ(M.GuardsLeft(), M.PaddingPixels());
}

TEST(CopyKeyed, KeyPixelsFollowTheParent) {
  const TBitmap32 Src = BitmapOf(2, 1, {Key, 0x11223344u});
  const TBitmap32 ParentPicture = BitmapOf(3, 1, {0xA0000001u, 0xA0000002u, 0xA0000003u});
  const TCacheInfo Ready{ParentPicture.View(), 1, 0, clFuchsia, {}, true};
  const TCacheInfo NotReady{{}, 0, 0, TColor{0x0000FF}, {}, false};
  struct TCase {
    const char* Name;
    bool UseParent;
    const TCacheInfo& Parent;
    TPixel32 KeyResult;
  } const Cases[] = {
      {"parent picture shifted by X", true, Ready, 0xA0000002u},
      {"fill colour with the first pixel's alpha", true, NotReady, 0x5BFF0000u},
      {"fill colour also without UseParent", false, NotReady, 0x5BFF0000u},
      {"ready parent but not used", false, Ready, 0x5B000000u},
  };
  for (const TCase& C : Cases) {
    TBitmap32 Dst = Filled(2, 1, 0x5B000000u);
    CopyKeyed(Dst.View(), Src.View(), 0, 0, C.UseParent, C.Parent, clFuchsia, {0, 0, 1, 0});
    EXPECT_EQ(Dst.Row(0)[0], C.KeyResult) << C.Name;
    EXPECT_EQ(Dst.Row(0)[1], 0x11223344u) << C.Name;
  }
}

TEST(CopyKeyed, IntoTheParentPictureItselfKeepsKeysAndMakesCopiesOpaque) {
  TBitmap32 Picture = Filled(2, 1, 0x20000000u);
  const TBitmap32 Src = BitmapOf(2, 1, {Key, 0x11223344u});
  const TCacheInfo Self{Picture.View(), 0, 0, clFuchsia, {}, true};
  CopyKeyed(Picture.View(), Src.View(), 0, 0, true, Self, clFuchsia, {0, 0, 1, 0});
  EXPECT_EQ(Picture.Row(0)[0], 0x20000000u);
  EXPECT_EQ(Picture.Row(0)[1], 0xFF223344u);
}

TEST(CompositeAlpha, BlendsByAlphaAndRaisesDestinationAlpha) {
  // Source red 255 with alpha 128 over black of alpha 100:
  // colour ((255 - 0) * 128 + 0) >> 8 = 127; alpha 100 + (155 * 128 >> 8) = 177.
  const TBitmap32 Src = BitmapOf(2, 1, {MakePixel32(255, 0, 0, 128), MakePixel32(255, 255, 255, 0)});
  TBitmap32 Dst = Filled(2, 1, MakePixel32(0, 0, 0, 100));
  CompositeAlpha({0, 0, 2, 1}, {0, 0, 2, 1}, Dst.View(), false, NoParent, Src.View());
  EXPECT_EQ(Dst.Row(0)[0], MakePixel32(127, 0, 0, 177));
  EXPECT_EQ(Dst.Row(0)[1], MakePixel32(0, 0, 0, 100));  // alpha 0 changes nothing
}

TEST(CompositeAlpha, KeyPixelsTakeTheReadyParentOpaque) {
  const TBitmap32 ParentPicture = BitmapOf(2, 2, {1, 2, 3, 0x00445566u});
  const TCacheInfo Parent{ParentPicture.View(), 1, 1, clFuchsia, {}, true};
  const TBitmap32 Src = BitmapOf(2, 1, {Key, Key});
  TBitmap32 Dst = Filled(2, 1, 0x10101010u);
  CompositeAlpha({0, 0, 2, 1}, {0, 0, 2, 1}, Dst.View(), true, Parent, Src.View());
  EXPECT_EQ(Dst.Row(0)[0], 0xFF445566u);
  EXPECT_EQ(Dst.Row(0)[1], 0x10101010u);  // (2, 1) lies outside the parent picture
}

TEST(DrawImage32, AlphaSixteenIsTransparentSeventeenIsNot) {
  const TBitmap32 Src = BitmapOf(2, 1, {MakePixel32(255, 255, 255, 16), MakePixel32(255, 255, 255, 17)});
  TBitmap32 Dst = Filled(2, 1, MakePixel32(0, 0, 0, 5));
  DrawImage32({0, 0, 2, 1}, {0, 0, 2, 1}, Dst.View(), false, 0, clNone, false, NoParent, Src.View());
  EXPECT_EQ(Dst.Row(0)[0], MakePixel32(0, 0, 0, 5));
  // 255 * 17 >> 8 = 16; alpha the larger of 5 and 17.
  EXPECT_EQ(Dst.Row(0)[1], MakePixel32(16, 16, 16, 17));
}

TEST(DrawImage32, BlendPercentScalesWeightAndKeepsAlpha) {
  const TBitmap32 Src = Filled(1, 1, MakePixel32(200, 0, 0, 255));
  TBitmap32 Dst = Filled(1, 1, MakePixel32(0, 0, 100, 40));
  // w = 50 * 255 div 100 = 127: red 200 * 127 >> 8 = 99; blue (-100 * 127 + 25600) >> 8 = 50.
  DrawImage32({0, 0, 1, 1}, {0, 0, 1, 1}, Dst.View(), false, 50, clNone, false, NoParent, Src.View());
  EXPECT_EQ(Dst.Row(0)[0], MakePixel32(99, 0, 50, 40));
}

TEST(DrawImage32, ColourDrawsTheImageAsABrightenedShape) {
  // TColor 0x000080 (red 128) is lifted by 127 to red 255, green 127, blue 127. The source
  // brightness 255 div 4 + 255 div 2 + 255 div 4 = 253 scales it: 252, 125, 125.
  const TBitmap32 Src = Filled(1, 1, 0xFFFFFFFFu);
  TBitmap32 Dst = Filled(1, 1, 0xFF000000u);
  DrawImage32({0, 0, 1, 1}, {0, 0, 1, 1}, Dst.View(), false, 0, TColor{0x000080}, false, NoParent, Src.View());
  EXPECT_EQ(Dst.Row(0)[0], MakePixel32(251, 124, 124, 255));  // then composited at 255/256
}

TEST(DrawImage32, TransparentPixelsTakeTheParentAsItIs) {
  const TBitmap32 ParentPicture = BitmapOf(2, 1, {0x01020304u, 0x05060708u});
  const TCacheInfo Parent{ParentPicture.View(), 1, 0, clFuchsia, {}, true};
  const TBitmap32 Src = Filled(1, 1, 0x10FFFFFFu);
  TBitmap32 Dst = Filled(1, 1, 0);
  DrawImage32({0, 0, 1, 1}, {0, 0, 1, 1}, Dst.View(), false, 0, clNone, true, Parent, Src.View());
  EXPECT_EQ(Dst.Row(0)[0], 0x05060708u);
}

TEST(DrawImage32, ReflectionFadesBelowTheImage) {
  const TBitmap32 Src = Filled(1, 4, MakePixel32(255, 255, 255, 255));
  TBitmap32 Dst = Filled(1, 8, MakePixel32(0, 0, 0, 255));
  DrawImage32({0, 0, 1, 4}, {0, 0, 1, 4}, Dst.View(), true, 0, clNone, false, NoParent, Src.View());
  const auto Red = [&](int Y) { return (Dst.Row(Y)[0] >> 16) & 0xFF; };
  EXPECT_EQ(Red(3), 254u);
  EXPECT_GT(Red(4), Red(5));
  EXPECT_GT(Red(5), 0u);
  EXPECT_EQ(Red(6), 0u);  // the mirror is half the image's height
}

// Rectangles at the ends of the int range are cut like any other: a source starting at
// INT_MIN placed at INT_MIN lands at (0, 0); placed at (0, 0) it lies wholly outside.
TEST(BlendBitmaps, RectanglesAtTheEndsOfTheIntRangeAreCut) {
  const TBitmap32 Src = BitmapOf(2, 2, {1, 2, 3, 4});
  TBitmap32 Dst = Filled(3, 3, 9);
  BlendBitmaps(Dst.View(), Src.View(), 0, {INT_MIN, INT_MIN}, {INT_MIN, INT_MIN, INT_MAX, INT_MAX});
  EXPECT_EQ(Dst, BitmapOf(3, 3, {1, 2, 9, 3, 4, 9, 9, 9, 9}));
  TBitmap32 Untouched = Filled(3, 3, 9);
  BlendBitmaps(Untouched.View(), Src.View(), 0, {0, 0}, {INT_MIN, INT_MIN, INT_MAX, INT_MAX});
  BlendBitmaps(Untouched.View(), Src.View(), 0, {INT_MAX, INT_MAX}, {0, 0, 2, 2});
  EXPECT_EQ(Untouched, Filled(3, 3, 9));
}

TEST(CompositeAlpha, RectanglesAtTheEndsOfTheIntRangeAreCut) {
  const TBitmap32 Src = Filled(2, 2, 0xFF808080u);
  TBitmap32 Dst = Filled(3, 3, 0);
  const TRect Everything{INT_MIN, INT_MIN, INT_MAX, INT_MAX};
  CompositeAlpha(Everything, Everything, Dst.View(), false, NoParent, Src.View());
  // Colour (128 * 255 + 0 * 1) >> 8 = 127, alpha (255 * 255) >> 8 = 254.
  const TPixel32 Mixed = 0xFE7F7F7Fu;
  EXPECT_EQ(Dst, BitmapOf(3, 3, {Mixed, Mixed, 0, Mixed, Mixed, 0, 0, 0, 0}));
}

// The reflection of an image taller than the int range allows visits only the rows that
// land in the target, each at its own fading weight.
TEST(DrawImage32, ReflectionOfAHugeImageFadesInTheRowsThatFit) {
  const TBitmap32 Src = Filled(4, 2, 0xFF808080u);
  TBitmap32 Dst = Filled(4, 4, 0xFF000000u);
  // Height 2 - INT_MIN = 2^31 + 2: rows 0 and 1 of the image land on rows 0 and 1, its
  // mirror (2^30 + 1 rows high) starts on row 2 at full weight and on row 3 at
  // 100 * 2^30 / (2^30 + 1) = 99 percent.
  DrawImage32({0, INT_MIN, 4, 2}, {0, INT_MIN, 4, 2}, Dst.View(), true, 0, clNone, false, NoParent, Src.View());
  const TPixel32 Full = 0xFF7F7F7Fu;    // (128 * 255 + 0) >> 8 = 127
  const TPixel32 Faded = 0xFF7E7E7Eu;   // weight 99 * 255 div 100 = 252: (128 * 252) >> 8 = 126
  for (int X = 0; X < 4; ++X) {
    EXPECT_EQ(Dst.Row(0)[X], Full);
    EXPECT_EQ(Dst.Row(1)[X], Full);
    EXPECT_EQ(Dst.Row(2)[X], Full);
    EXPECT_EQ(Dst.Row(3)[X], Faded);
  }
  // An image INT_MAX high: its mirror lies wholly below the target.
  TBitmap32 Tall = Filled(4, 4, 0xFF000000u);
  DrawImage32({0, 0, 4, INT_MAX}, {0, 0, 4, INT_MAX}, Tall.View(), true, 0, clNone, false, NoParent, Src.View());
  EXPECT_EQ(Tall.Row(1)[3], Full);
  EXPECT_EQ(Tall.Row(2)[0], 0xFF000000u);
  EXPECT_EQ(Tall.Row(3)[3], 0xFF000000u);
}

// Wide rows take the routines' fast paths; every pixel must still follow the per-pixel
// rules, computed here one pixel at a time straight from them.
TBitmap32 Noise(int Width, int Height, std::uint32_t Seed) {
  TBitmap32 Bitmap(Width, Height);
  for (int Y = 0; Y < Height; ++Y)
    for (int X = 0; X < Width; ++X) Bitmap.Row(Y)[X] = Seed = Seed * 1664525u + 1013904223u;
  return Bitmap;
}

// A source with the alphas that matter at the edges of the rules, over a dark destination.
TBitmap32 NoiseWithEdgeAlphas(int Width, int Height, std::uint32_t Seed) {
  TBitmap32 Bitmap = Noise(Width, Height, Seed);
  Bitmap.Row(0)[1] = 0x10FFFFFFu;  // alpha 16
  Bitmap.Row(0)[2] = 0x11FFFFFFu;  // alpha 17
  Bitmap.Row(0)[3] = 0xFF000000u;
  Bitmap.Row(1)[4] = 0x00FFFFFFu;
  Bitmap.Row(1)[5] = 0xFFFFFFFFu;
  return Bitmap;
}

int Byte(TPixel32 P, int Shift) { return static_cast<int>((P >> Shift) & 0xFF); }

TEST(CompositeAlpha, WideRowsFollowThePerPixelRule) {
  const TBitmap32 Src = NoiseWithEdgeAlphas(13, 3, 1);
  TBitmap32 Dst = Noise(13, 3, 2);
  const TBitmap32 Before = Dst;
  CompositeAlpha({0, 0, 13, 3}, {0, 0, 13, 3}, Dst.View(), false, NoParent, Src.View());
  for (int Y = 0; Y < 3; ++Y)
    for (int X = 0; X < 13; ++X) {
      const TPixel32 S = Src.Row(Y)[X], D = Before.Row(Y)[X];
      const int A = Byte(S, 24);
      TPixel32 Expected = 0;
      for (int Shift = 0; Shift < 24; Shift += 8)
        Expected |= static_cast<TPixel32>(((Byte(S, Shift) - Byte(D, Shift)) * A + Byte(D, Shift) * 256) >> 8) << Shift;
      const int DA = Byte(D, 24);
      Expected |= static_cast<TPixel32>(A != 0 ? DA + ((255 - DA) * A >> 8) : DA) << 24;
      EXPECT_EQ(Dst.Row(Y)[X], Expected) << X << "," << Y;
    }
}

TEST(DrawImage32, WideRowsFollowThePerPixelRule) {
  for (const int Blend : {0, 30, 100}) {
    const TBitmap32 Src = NoiseWithEdgeAlphas(13, 3, 3);
    TBitmap32 Dst = Noise(13, 3, 4);
    for (int X = 0; X < 6; ++X) Dst.Row(0)[X] = Dst.Row(1)[X] = 0x40102030u;
    const TBitmap32 Before = Dst;
    DrawImage32({0, 0, 13, 3}, {0, 0, 13, 3}, Dst.View(), false, Blend, clNone, false, NoParent, Src.View());
    for (int Y = 0; Y < 3; ++Y)
      for (int X = 0; X < 13; ++X) {
        const TPixel32 S = Src.Row(Y)[X], D = Before.Row(Y)[X];
        const int A = Byte(S, 24);
        const int W = A > 16 ? (100 - Blend) * A / 100 : 0;
        TPixel32 Expected = 0;
        for (int Shift = 0; Shift < 24; Shift += 8)
          Expected |= static_cast<TPixel32>(((Byte(S, Shift) - Byte(D, Shift)) * W + Byte(D, Shift) * 256) >> 8)
                      << Shift;
        const int NewA = Blend != 0 ? Byte(D, 24) : std::max(Byte(D, 24), A > 16 ? A : 0);
        Expected |= static_cast<TPixel32>(NewA) << 24;
        EXPECT_EQ(Dst.Row(Y)[X], Expected) << Blend << ": " << X << "," << Y;
      }
  }
}

TEST(BlendBitmaps, WideRowsFollowThePerByteRule) {
  const TBitmap32 Src = NoiseWithEdgeAlphas(13, 2, 5);
  TBitmap32 Dst = Noise(13, 2, 6);
  const TBitmap32 Before = Dst;
  BlendBitmaps(Dst.View(), Src.View(), 77, {0, 0}, {0, 0, 13, 2});
  for (int Y = 0; Y < 2; ++Y)
    for (int X = 0; X < 13; ++X) {
      TPixel32 Expected = 0;
      for (int Shift = 0; Shift < 32; Shift += 8) {
        const int S = Byte(Src.Row(Y)[X], Shift), D = Byte(Before.Row(Y)[X], Shift);
        Expected |= static_cast<TPixel32>((77 * (D - S) + S * 256) >> 8) << Shift;
      }
      EXPECT_EQ(Dst.Row(Y)[X], Expected) << X << "," << Y;
    }
}

TEST(CopyKeyedOpaque, PartlyOutsideShowsTheInsidePart) {
  const TBitmap32 Src = BitmapOf(2, 2, {0x00000001u, Key, 0x00000003u, 0x00000004u});
  TBitmap32 Dst = Filled(2, 2, 0x77777777u);
  CopyKeyedOpaque(Dst.View(), Src.View(), -1, 1, clFuchsia);
  EXPECT_EQ(Dst.Row(0)[0], 0x77777777u);
  EXPECT_EQ(Dst.Row(1)[0], 0x77777777u);  // the key at source (1, 0) is skipped
  EXPECT_EQ(Dst.Row(1)[1], 0x77777777u);
  CopyKeyedOpaque(Dst.View(), Src.View(), 1, 0, clFuchsia);
  EXPECT_EQ(Dst.Row(0)[1], 0xFF000001u);
  EXPECT_EQ(Dst.Row(1)[1], 0xFF000003u);
}

TEST(PremultiplyAlpha, CompositionDecidesTheWhiteLimit) {
  struct TCase {
    TPixel32 In;
    bool Composition;
    TPixel32 Expected;
  } const Cases[] = {
      {0xFFFFFFFFu, true, 0xFFFEFEFEu},  {0xFFFFFFFFu, false, 0xFFF4F4F4u},
      {0x00FFFFFFu, true, 0u},           {0x00FFFFFFu, false, 0u},
      {0x00123456u, true, 0u},           {0x80C86432u, true, 0x80643219u},
      {0xFFF5F5F4u, false, 0xFFF4F4F3u},  // one byte under 245: no limit
  };
  for (const TCase& C : Cases) {
    TBitmap32 Bitmap = Filled(1, 1, C.In);
    PremultiplyAlpha(Bitmap.View(), C.Composition);
    EXPECT_EQ(Bitmap.Row(0)[0], C.Expected) << std::hex << C.In << " " << C.Composition;
  }
}

TEST(ApplyDisabledLook, InitialSettingsDesaturateThenBlendWithBackground) {
  // ShiftSaturation(-229): grey 124, each (26 c + 229 * 124) >> 8 -> 131, 121, 116;
  // then 100:155 towards 0x102030 (red 48, green 32, blue 16) -> 80, 66, 55.
  TBitmap32 Bitmap = BitmapOf(2, 1, {MakePixel32(200, 100, 50, 0xC0), Key});
  const TCacheInfo Parent{{}, 0, 0, TColor{0x102030}, {}, false};
  ApplyDisabledLook(Bitmap.View(), {dkGrayed, dkBlended}, clRed, {0, 0}, Parent);
  EXPECT_EQ(Bitmap.Row(0)[0], MakePixel32(80, 66, 55, 0xC0));
  // The key keeps its key colour through the grey step; the fade then mixes it too.
  EXPECT_EQ(Bitmap.Row(0)[1], MakePixel32((255 * 100 + 48 * 155) >> 8, 32 * 155 >> 8, (255 * 100 + 16 * 155) >> 8, 0));
}

TEST(ApplyDisabledLook, ReadyParentIsBlendedFromUnderTheControl) {
  const TBitmap32 ParentPicture = BitmapOf(3, 1, {0, 0, 0x00C8C8C8u});
  const TCacheInfo Parent{ParentPicture.View(), 1, 0, clFuchsia, {}, true};
  TBitmap32 Bitmap = Filled(1, 1, 0x33646464u);
  ApplyDisabledLook(Bitmap.View(), {dkBlended}, clNone, {1, 0}, Parent);
  // (200 * 155 + 100 * 100) >> 8 = 160; alpha kept.
  EXPECT_EQ(Bitmap.Row(0)[0], 0x33A0A0A0u);
}

TEST(ApplyDisabledLook, WithoutFillColourUsesTheControlColour) {
  TBitmap32 Bitmap = Filled(1, 1, 0xFF000000u);
  const TCacheInfo Parent{{}, 0, 0, clFuchsia, {}, false};
  ApplyDisabledLook(Bitmap.View(), {dkBlended}, TColor{0x0000FF}, {0, 0}, Parent);
  EXPECT_EQ(Bitmap.Row(0)[0], MakePixel32(255 * 155 >> 8, 0, 0, 255));
}

// The control's place in its parent beyond the int range lies beyond the parent's picture:
// nothing is blended.
TEST(ApplyDisabledLook, ParentBeyondTheIntRangeBlendsNothing) {
  const TBitmap32 ParentPicture = Filled(3, 3, 0x00C8C8C8u);
  for (const TPoint Offset : {TPoint{INT_MAX, 0}, TPoint{0, INT_MAX}, TPoint{INT_MIN, INT_MIN}}) {
    const TCacheInfo Parent{ParentPicture.View(), Offset.X < 0 ? -1 : 1, 1, clFuchsia, {}, true};
    TBitmap32 Bitmap = Filled(2, 2, 0x33646464u);
    ApplyDisabledLook(Bitmap.View(), {dkBlended}, clNone, Offset, Parent);
    EXPECT_EQ(Bitmap, Filled(2, 2, 0x33646464u)) << Offset.X << ", " << Offset.Y;
  }
}

}  // namespace
