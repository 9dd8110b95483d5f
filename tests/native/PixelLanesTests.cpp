// Every vector path of the blends against the blends' rules computed here pixel by pixel:
// noise over every alpha value, widths around the vector sizes, bottom-up views with padded
// rows, and rectangles cut by both bitmaps. A path this processor cannot run is left out.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <vector>

#include "gfx/PixelLanes.h"
#include "skin/render/PixelBlend.h"
#include "tests/native/PixelTestSupport.h"

namespace {

std::vector<TPixelLanes> RunnableLanes() {
  std::vector<TPixelLanes> Lanes;
  for (const TPixelLanes L : {TPixelLanes::Baseline, TPixelLanes::Avx2})
    if (CanRunPixelLanes(L)) Lanes.push_back(L);
  return Lanes;
}

const char* Name(TPixelLanes Lanes) { return Lanes == TPixelLanes::Avx2 ? "AVX2" : "baseline"; }

// Noise whose alpha bytes run through 0..255 one after the other from a seeded start.
void FillNoise(TBitmapView View, std::uint32_t Seed) {
  int Alpha = static_cast<int>(Seed % 256);
  for (int Y = 0; Y < View.Height; ++Y)
    for (int X = 0; X < View.Width; ++X) {
      Seed = Seed * 1664525u + 1013904223u;
      View.Row(Y)[X] = (Seed & 0x00FFFFFFu) | static_cast<TPixel32>(Alpha) << 24;
      Alpha = (Alpha + 1) % 256;
    }
}

int Byte(TPixel32 P, int Shift) { return static_cast<int>((P >> Shift) & 0xFF); }

// A target held bottom-up in padded rows; the pixels beyond its columns keep Guard.
struct TTarget {
  TStridedMemory Memory;
  TTarget(int Width, int Height, std::uint32_t Seed) : Memory(Width, Height, Width + 3, true) {
    FillNoise(Memory.View, Seed);
  }
  std::vector<TPixel32> Pixels() const {
    std::vector<TPixel32> Out;
    for (int Y = 0; Y < Memory.View.Height; ++Y)
      for (int X = 0; X < Memory.View.Width; ++X) Out.push_back(Memory.View.Row(Y)[X]);
    return Out;
  }
};

// Where a block of Src pixels from (SX, SY) lands at (DX, DY), pixel by pixel: Rule(D, S) for
// every source pixel whose place lies inside both bitmaps.
template <class TRule>
std::vector<TPixel32> Expected(const TTarget& Before, TConstBitmapView Src, int DX, int DY, int SX, int SY, int W, int H,
                               TRule Rule) {
  const TBitmapView D = Before.Memory.View;
  std::vector<TPixel32> Out = Before.Pixels();
  for (int J = 0; J < H; ++J)
    for (int I = 0; I < W; ++I) {
      const int X = DX + I, Y = DY + J, U = SX + I, V = SY + J;
      if (X < 0 || Y < 0 || X >= D.Width || Y >= D.Height || U < 0 || V < 0 || U >= Src.Width || V >= Src.Height)
        continue;
      TPixel32& P = Out[static_cast<std::size_t>(Y * D.Width + X)];
      P = Rule(P, Src.Row(V)[U]);
    }
  return Out;
}

struct TPlacement {
  int DX, DY;
  TRect SrcRect;
};

// Whole rows of widths around 4, 8, 16 and 32 pixels, and blocks cut on every side.
std::vector<TPlacement> Placements(int Width, int Height) {
  return {{0, 0, {0, 0, Width, Height}},
          {-3, 2, {0, 0, Width, Height}},
          {5, -1, {1, 0, Width - 1, Height}},
          {0, 0, {-2, -1, Width + 4, Height + 2}},
          {Width - 9, 1, {3, 1, Width, Height - 1}}};
}

constexpr int Widths[] = {1, 3, 4, 7, 9, 15, 17, 31, 33, 67};
constexpr int Height = 9;  // with width 67: every alpha more than twice

TEST(PixelLanes, BlendBitmapsFollowsTheRuleOnEveryPath) {
  for (const TPixelLanes Lanes : RunnableLanes())
    for (const int Width : Widths)
      for (const int K : {0, 1, 77, 127, 128, 254, 255})
        for (const TPlacement& P : Placements(Width, Height)) {
          TBitmap32 Src(Width, Height);
          FillNoise(Src.View(), static_cast<std::uint32_t>(Width * 31 + K));
          TTarget Dst(Width + 2, Height + 1, static_cast<std::uint32_t>(K));
          const auto Rule = [K](TPixel32 D, TPixel32 S) {
            TPixel32 Out = 0;
            for (int Shift = 0; Shift < 32; Shift += 8)
              Out |= static_cast<TPixel32>((K * (Byte(D, Shift) - Byte(S, Shift)) + Byte(S, Shift) * 256) >> 8) << Shift;
            return Out;
          };
          const std::vector<TPixel32> Want =
              Expected(Dst, Src.View(), P.DX, P.DY, P.SrcRect.Left, P.SrcRect.Top, P.SrcRect.Width(),
                       P.SrcRect.Height(), Rule);
          BlendBitmaps(Lanes, Dst.Memory.View, Src.View(), K, {P.DX, P.DY}, P.SrcRect);
          ASSERT_EQ(Dst.Pixels(), Want) << Name(Lanes) << " width " << Width << " K " << K << " at " << P.DX;
          ASSERT_EQ(Dst.Memory.GuardsLeft(), Dst.Memory.PaddingPixels());
        }
}

TEST(PixelLanes, CompositeAlphaFollowsTheRuleOnEveryPath) {
  const TCacheInfo NoParent;
  for (const TPixelLanes Lanes : RunnableLanes())
    for (const int Width : Widths)
      for (const TPlacement& P : Placements(Width, Height)) {
        TBitmap32 Src(Width, Height);
        FillNoise(Src.View(), static_cast<std::uint32_t>(Width));
        TTarget Dst(Width + 2, Height + 1, static_cast<std::uint32_t>(Width + 1));
        const auto Rule = [](TPixel32 D, TPixel32 S) {
          const int A = Byte(S, 24);
          TPixel32 Out = 0;
          for (int Shift = 0; Shift < 24; Shift += 8)
            Out |= static_cast<TPixel32>(((Byte(S, Shift) - Byte(D, Shift)) * A + Byte(D, Shift) * 256) >> 8) << Shift;
          const int DA = Byte(D, 24);
          return Out | static_cast<TPixel32>(A != 0 ? DA + ((255 - DA) * A >> 8) : DA) << 24;
        };
        const TRect DstRect{P.DX, P.DY, P.DX + P.SrcRect.Width(), P.DY + P.SrcRect.Height()};
        const std::vector<TPixel32> Want = Expected(Dst, Src.View(), P.DX, P.DY, P.SrcRect.Left, P.SrcRect.Top,
                                                    P.SrcRect.Width(), P.SrcRect.Height(), Rule);
        CompositeAlpha(Lanes, DstRect, P.SrcRect, Dst.Memory.View, false, NoParent, Src.View());
        ASSERT_EQ(Dst.Pixels(), Want) << Name(Lanes) << " width " << Width << " at " << P.DX;
        ASSERT_EQ(Dst.Memory.GuardsLeft(), Dst.Memory.PaddingPixels());
      }
}

TEST(PixelLanes, DrawImage32FollowsTheRuleOnEveryPath) {
  const TCacheInfo NoParent;
  for (const TPixelLanes Lanes : RunnableLanes())
    for (const int Width : Widths)
      for (const int Blend : {0, 7, 30, 99, 100})
        for (const TPlacement& P : Placements(Width, Height)) {
          TBitmap32 Src(Width, Height);
          FillNoise(Src.View(), static_cast<std::uint32_t>(Width * 7 + Blend));
          TTarget Dst(Width + 2, Height + 1, static_cast<std::uint32_t>(Blend));
          const auto Rule = [Blend](TPixel32 D, TPixel32 S) {
            const int A = Byte(S, 24);
            const int W = A > 16 ? (100 - Blend) * A / 100 : 0;
            TPixel32 Out = 0;
            for (int Shift = 0; Shift < 24; Shift += 8)
              Out |= static_cast<TPixel32>(((Byte(S, Shift) - Byte(D, Shift)) * W + Byte(D, Shift) * 256) >> 8)
                     << Shift;
            const int NewA = Blend != 0 ? Byte(D, 24) : std::max(Byte(D, 24), A > 16 ? A : 0);
            return Out | static_cast<TPixel32>(NewA) << 24;
          };
          const TRect DstRect{P.DX, P.DY, P.DX + P.SrcRect.Width(), P.DY + P.SrcRect.Height()};
          const std::vector<TPixel32> Want = Expected(Dst, Src.View(), P.DX, P.DY, P.SrcRect.Left, P.SrcRect.Top,
                                                      P.SrcRect.Width(), P.SrcRect.Height(), Rule);
          DrawImage32(Lanes, DstRect, P.SrcRect, Dst.Memory.View, false, Blend, clNone, false, NoParent, Src.View());
          ASSERT_EQ(Dst.Pixels(), Want) << Name(Lanes) << " width " << Width << " blend " << Blend << " at " << P.DX;
          ASSERT_EQ(Dst.Memory.GuardsLeft(), Dst.Memory.PaddingPixels());
        }
}

// The mirror's rows fade by a weight of their own; whatever that weight, every path mixes
// them alike.
TEST(PixelLanes, DrawImage32ReflectionIsTheSameOnEveryPath) {
  const TCacheInfo NoParent;
  TBitmap32 Src(37, 12);
  FillNoise(Src.View(), 5);
  std::vector<std::vector<TPixel32>> Results;
  for (const TPixelLanes Lanes : RunnableLanes()) {
    TTarget Dst(40, 20, 6);
    DrawImage32(Lanes, {1, 0, 38, 12}, {0, 0, 37, 12}, Dst.Memory.View, true, 0, clNone, false, NoParent, Src.View());
    Results.push_back(Dst.Pixels());
  }
  TTarget Untouched(40, 20, 6);
  ASSERT_NE(Results.front(), Untouched.Pixels());
  for (const std::vector<TPixel32>& R : Results) EXPECT_EQ(R, Results.front());
}

TEST(PixelLanes, BlendWeightsOutsideTheByteAreHeldToIt) {
  for (const TPixelLanes Lanes : RunnableLanes()) {
    TBitmap32 Dst = Filled(9, 1, 0xC8C8C8C8u);  // 200
    const TBitmap32 Src = Filled(9, 1, 0x64646464u);  // 100
    BlendBitmaps(Lanes, Dst.View(), Src.View(), 1000, {0, 0}, {0, 0, 9, 1});
    EXPECT_EQ(Dst.Row(0)[8], 0xC7C7C7C7u) << Name(Lanes);  // as 255: (255 * 100 + 100 * 256) >> 8 = 199
    BlendBitmaps(Lanes, Dst.View(), Src.View(), -1000, {0, 0}, {0, 0, 9, 1});
    EXPECT_EQ(Dst.Row(0)[8], 0x64646464u) << Name(Lanes);  // as 0: the source
  }
}

}  // namespace
