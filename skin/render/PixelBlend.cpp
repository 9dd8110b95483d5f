// Sections: clipping; BlendBitmaps; BlendBitmapsKeyed; CopyKeyed; CompositeAlpha;
// DrawImage32 (row kernels, reflection); CopyKeyedOpaque.
#include "skin/render/PixelBlend.h"

#include <algorithm>
#include <cstdint>

#include "gfx/BlockClip.h"

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace {

#if defined(__SSE2__)
// Two pixels as eight 16-bit lanes (blue, green, red, alpha, ...). The kernels below use SSE2
// only, which every x86-64 processor has; other targets take the plain loops.

// (s * w + d * (256 - w)) >> 8 in every lane; both products fit 16 bits for w <= 256.
inline __m128i MixLanes(__m128i S16, __m128i D16, __m128i W16) {
  const __m128i L16 = _mm_sub_epi16(_mm_set1_epi16(256), W16);
  return _mm_srli_epi16(_mm_add_epi16(_mm_mullo_epi16(S16, W16), _mm_mullo_epi16(D16, L16)), 8);
}

// Each pixel's alpha lane copied into its four lanes.
inline __m128i BroadcastAlpha(__m128i P16) {
  return _mm_shufflehi_epi16(_mm_shufflelo_epi16(P16, 0xFF), 0xFF);
}
#endif

constexpr TPixel32 KeyPixel = 0x00FF00FFu;  // clFuchsia in pixel order with alpha 0

// A rectangle's width or height; an int rectangle's may not fit an int.
constexpr std::int64_t Extent(int Start, int End) { return std::int64_t{End} - Start; }

// A source rectangle that names its last column and row, as a half-open one.
TRect InclusiveToHalfOpen(const TRect& R) {
  const auto Next = [](int V) { return V == INT32_MAX ? V : V + 1; };
  return {R.Left, R.Top, Next(R.Right), Next(R.Bottom)};
}

struct TRows {
  std::byte* Dst0 = nullptr;
  std::ptrdiff_t DstStride = 0;
  const std::byte* Src0 = nullptr;
  std::ptrdiff_t SrcStride = 0;

  TPixel32* Dst(const TBlock& B, int Y) const { return reinterpret_cast<TPixel32*>(Dst0 + (B.DY + Y) * DstStride) + B.DX; }
  const TPixel32* Src(const TBlock& B, int Y) const {
    return reinterpret_cast<const TPixel32*>(Src0 + (B.SY + Y) * SrcStride) + B.SX;
  }
};

// Row access to both bitmaps and the block from (SX, SY) to (DX, DY) cut to them.
bool Prepare(TBitmapView Dst, TConstBitmapView Src, std::int64_t DX, std::int64_t DY, std::int64_t SX,
             std::int64_t SY, std::int64_t W, std::int64_t H, TBlock& Block, TRows& Rows) {
  if (!RowAccess(Dst, Rows.Dst0, Rows.DstStride) || !RowAccess(Src, Rows.Src0, Rows.SrcStride)) return false;
  return ClipBlock(DX, DY, SX, SY, W, H, Dst.Width, Dst.Height, Src.Width, Src.Height, Block);
}

// The same for a half-open source rectangle placed at (DX, DY).
bool Prepare(TBitmapView Dst, TConstBitmapView Src, const TRect& SrcRect, std::int64_t DX, std::int64_t DY,
             TBlock& Block, TRows& Rows) {
  return Prepare(Dst, Src, DX, DY, SrcRect.Left, SrcRect.Top, Extent(SrcRect.Left, SrcRect.Right),
                 Extent(SrcRect.Top, SrcRect.Bottom), Block, Rows);
}

// The parent picture's pixel under destination pixel (X, Y), if there is one.
bool ParentPixel(const TCacheInfo& Parent, int X, int Y, TPixel32& Pixel) {
  const std::int64_t PX = std::int64_t{X} + Parent.X;
  const std::int64_t PY = std::int64_t{Y} + Parent.Y;
  if (PX < 0 || PY < 0 || PX >= Parent.Bmp.Width || PY >= Parent.Bmp.Height) return false;
  Pixel = Parent.Bmp.Row(static_cast<int>(PY))[PX];
  return true;
}

bool HasParentPicture(const TCacheInfo& Parent) { return Parent.Ready && Parent.Bmp.Row0 != nullptr; }

}  // namespace

// ---- BlendBitmaps ----

void BlendBitmaps(TBitmapView Dst, TConstBitmapView Src, int K, TPoint DstPoint, const TRect& SrcRect) {
  TBlock B;
  TRows Rows;
  if (!Prepare(Dst, Src, SrcRect, DstPoint.X, DstPoint.Y, B, Rows)) return;
  const int N = B.W * 4;
  for (int Y = 0; Y < B.H; ++Y) {
    // Byte by byte, all four channels alike: this is what lets the compiler vectorise it.
    auto* D = reinterpret_cast<std::uint8_t*>(Rows.Dst(B, Y));
    const auto* S = reinterpret_cast<const std::uint8_t*>(Rows.Src(B, Y));
    for (int I = 0; I < N; ++I) {
      const int DV = D[I];
      const int SV = S[I];
      D[I] = static_cast<std::uint8_t>((K * (DV - SV) + SV * 256) >> 8);
    }
  }
}

// ---- BlendBitmapsKeyed ----

void BlendBitmapsKeyed(TBitmapView Dst, int DstX, int DstY, TColor Key, int K, const TRect& SrcRect,
                       TConstBitmapView Src) {
  TBlock B;
  TRows Rows;
  if (!Prepare(Dst, Src, InclusiveToHalfOpen(SrcRect), DstX, DstY, B, Rows)) return;
  const TPixel32 KeyValue = ExchangeRedBlue(static_cast<TPixel32>(Key));
  const int L = 255 - K;
  for (int Y = 0; Y < B.H; ++Y) {
    TPixel32* const D = Rows.Dst(B, Y);
    const TPixel32* const S = Rows.Src(B, Y);
    for (int X = 0; X < B.W; ++X) {
      const TPixel32 SP = S[X];
      if (SP == KeyValue) continue;
      const TPixel32 DP = D[X];
      TPixel32 Out = DP & 0xFF000000u;
      for (int Shift = 0; Shift < 24; Shift += 8) {
        const int SV = static_cast<int>((SP >> Shift) & 0xFF);
        const int DV = static_cast<int>((DP >> Shift) & 0xFF);
        Out |= static_cast<TPixel32>((SV * L + DV * K) >> 8) << Shift;
      }
      D[X] = Out;
    }
  }
}

// ---- CopyKeyed ----

void CopyKeyed(TBitmapView Dst, TConstBitmapView Src, int DstX, int DstY, bool UseParent, const TCacheInfo& Parent,
               TColor Key, const TRect& SrcRect) {
  TBlock B;
  TRows Rows;
  if (!Prepare(Dst, Src, InclusiveToHalfOpen(SrcRect), DstX, DstY, B, Rows)) return;
  const TPixel32 KeyValue = ExchangeRedBlue(static_cast<TPixel32>(Key));
  const bool FromParent = UseParent && HasParentPicture(Parent);
  const bool IntoParent = FromParent && Parent.Bmp.Row0 == Rows.Dst0;
  // Read before anything is written: the block may start at the first pixel.
  const TPixel32 Fill = (ExchangeRedBlue(static_cast<TPixel32>(Parent.FillColor)) & 0x00FFFFFFu) |
                        (*reinterpret_cast<const TPixel32*>(Rows.Dst0) & 0xFF000000u);
  const TPixel32 CopiedAlpha = IntoParent ? 0xFF000000u : 0;
  for (int Y = 0; Y < B.H; ++Y) {
    TPixel32* const D = Rows.Dst(B, Y);
    const TPixel32* const S = Rows.Src(B, Y);
    for (int X = 0; X < B.W; ++X) {
      if (S[X] != KeyValue) {
        D[X] = S[X] | CopiedAlpha;
      } else if (!Parent.Ready) {
        D[X] = Fill;
      } else if (FromParent && !IntoParent) {
        ParentPixel(Parent, B.DX + X, B.DY + Y, D[X]);
      }
    }
  }
}

// ---- CompositeAlpha ----

namespace {

// ((s - d) * a + d * 256) >> 8 is the same value as (s * a + d * (256 - a)) >> 8, whose two
// terms are positive and add up to at most 255 * 256: it fits 16-bit lanes. The new alpha
// dA + ((255 - dA) * a >> 8) is that same mix with s = 255, so all four bytes take one
// formula (and alpha 0 changes nothing, as it must).
void CompositePixels(TPixel32* D, const TPixel32* S, int N) {
  auto* DB = reinterpret_cast<std::uint8_t*>(D);
  const auto* SB = reinterpret_cast<const std::uint8_t*>(S);
  for (int X = 0; X < N; ++X) {
    const unsigned A = SB[4 * X + 3];
    const unsigned L = 256 - A;
    for (int C = 0; C < 4; ++C) {
      const unsigned SV = C == 3 ? 255 : SB[4 * X + C];
      DB[4 * X + C] = static_cast<std::uint8_t>((SV * A + DB[4 * X + C] * L) >> 8);
    }
  }
}

void CompositeRow(TPixel32* D, const TPixel32* S, int N) {
  int X = 0;
#if defined(__SSE2__)
  // Four pixels at a time, two in each half as 16-bit lanes.
  const __m128i Zero = _mm_setzero_si128();
  const __m128i OpaqueAlpha = _mm_set1_epi32(static_cast<int>(0xFF000000u));
  for (; X + 4 <= N; X += 4) {
    const __m128i SP = _mm_loadu_si128(reinterpret_cast<const __m128i*>(S + X));
    const __m128i DP = _mm_loadu_si128(reinterpret_cast<const __m128i*>(D + X));
    const __m128i SO = _mm_or_si128(SP, OpaqueAlpha);
    const __m128i Lo = MixLanes(_mm_unpacklo_epi8(SO, Zero), _mm_unpacklo_epi8(DP, Zero),
                                BroadcastAlpha(_mm_unpacklo_epi8(SP, Zero)));
    const __m128i Hi = MixLanes(_mm_unpackhi_epi8(SO, Zero), _mm_unpackhi_epi8(DP, Zero),
                                BroadcastAlpha(_mm_unpackhi_epi8(SP, Zero)));
    _mm_storeu_si128(reinterpret_cast<__m128i*>(D + X), _mm_packus_epi16(Lo, Hi));
  }
#endif
  CompositePixels(D + X, S + X, N - X);
}

}  // namespace

void CompositeAlpha(const TRect& DstRect, const TRect& SrcRect, TBitmapView Dst, bool UseParent,
                    const TCacheInfo& Parent, TConstBitmapView Src) {
  const std::int64_t W = std::min(Extent(DstRect.Left, DstRect.Right), Extent(SrcRect.Left, SrcRect.Right));
  const std::int64_t H = std::min(Extent(DstRect.Top, DstRect.Bottom), Extent(SrcRect.Top, SrcRect.Bottom));
  if (W <= 0 || H <= 0) return;
  TBlock B;
  TRows Rows;
  if (!Prepare(Dst, Src, DstRect.Left, DstRect.Top, SrcRect.Left, SrcRect.Top, W, H, B, Rows)) return;
  const bool FromParent = UseParent && HasParentPicture(Parent);
  for (int Y = 0; Y < B.H; ++Y) {
    TPixel32* const D = Rows.Dst(B, Y);
    const TPixel32* const S = Rows.Src(B, Y);
    CompositeRow(D, S, B.W);
    if (FromParent)
      for (int X = 0; X < B.W; ++X) {
        TPixel32 P = 0;
        if (S[X] == KeyPixel && ParentPixel(Parent, B.DX + X, B.DY + Y, P)) D[X] = P | 0xFF000000u;
      }
  }
}

// ---- DrawImage32 ----

namespace {

constexpr int VisibleAlphaAbove = 16;

// (Factor * A) div 100 for products up to 25500, without a division.
constexpr int Div100(int Value) { return (Value * 5243) >> 19; }

// One row of the image: D gets S composited with weight w = Factor% of each visible pixel's
// alpha (the same mix as CompositePixels); KeepAlpha false makes the destination alpha the
// larger of its own and w.
void DrawImagePixels(TPixel32* D, const TPixel32* S, int N, int Factor, bool KeepAlpha) {
  auto* DB = reinterpret_cast<std::uint8_t*>(D);
  const auto* SB = reinterpret_cast<const std::uint8_t*>(S);
  for (int X = 0; X < N; ++X) {
    const int A = SB[4 * X + 3];
    const unsigned W = static_cast<unsigned>(A > VisibleAlphaAbove ? Div100(Factor * A) : 0);
    const unsigned L = 256 - W;
    for (int C = 0; C < 3; ++C)
      DB[4 * X + C] = static_cast<std::uint8_t>((SB[4 * X + C] * W + DB[4 * X + C] * L) >> 8);
    const unsigned DA = DB[4 * X + 3];
    DB[4 * X + 3] = static_cast<std::uint8_t>(KeepAlpha ? DA : std::max(DA, W));
  }
}

#if defined(__SSE2__)
// Four pixels at a time; FullWeight (Factor 100, the usual case) skips the division.
template <bool FullWeight, bool KeepAlpha>
int DrawImageLanes(TPixel32* D, const TPixel32* S, int N, int Factor) {
  int X = 0;
  const __m128i Zero = _mm_setzero_si128();
  const __m128i Threshold = _mm_set1_epi16(VisibleAlphaAbove);
  const __m128i FactorLanes = _mm_set1_epi16(static_cast<short>(Factor));
  const __m128i AlphaLanes = _mm_set_epi16(-1, 0, 0, 0, -1, 0, 0, 0);
  const auto Half = [&](__m128i S16, __m128i D16) {
    const __m128i A = BroadcastAlpha(S16);
    const __m128i Visible = _mm_and_si128(A, _mm_cmpgt_epi16(A, Threshold));
    // Factor * a <= 25500; div 100 as (x * 5243) >> 19.
    const __m128i W =
        FullWeight ? Visible
                   : _mm_srli_epi16(_mm_mulhi_epu16(_mm_mullo_epi16(Visible, FactorLanes), _mm_set1_epi16(5243)), 3);
    const __m128i Mixed = MixLanes(S16, D16, W);
    const __m128i NewAlpha = KeepAlpha ? D16 : _mm_max_epi16(D16, W);
    return _mm_or_si128(_mm_andnot_si128(AlphaLanes, Mixed), _mm_and_si128(AlphaLanes, NewAlpha));
  };
  for (; X + 4 <= N; X += 4) {
    const __m128i SP = _mm_loadu_si128(reinterpret_cast<const __m128i*>(S + X));
    const __m128i DP = _mm_loadu_si128(reinterpret_cast<const __m128i*>(D + X));
    const __m128i Lo = Half(_mm_unpacklo_epi8(SP, Zero), _mm_unpacklo_epi8(DP, Zero));
    const __m128i Hi = Half(_mm_unpackhi_epi8(SP, Zero), _mm_unpackhi_epi8(DP, Zero));
    _mm_storeu_si128(reinterpret_cast<__m128i*>(D + X), _mm_packus_epi16(Lo, Hi));
  }
  return X;
}
#endif

void DrawImageRow(TPixel32* D, const TPixel32* S, int N, int Factor, bool KeepAlpha) {
  int X = 0;
#if defined(__SSE2__)
  if (Factor == 100)
    X = KeepAlpha ? DrawImageLanes<true, true>(D, S, N, Factor) : DrawImageLanes<true, false>(D, S, N, Factor);
  else
    X = KeepAlpha ? DrawImageLanes<false, true>(D, S, N, Factor) : DrawImageLanes<false, false>(D, S, N, Factor);
#endif
  DrawImagePixels(D + X, S + X, N - X, Factor, KeepAlpha);
}

// The same with the image drawn as a shape of Shape's colour (pixel order): the channels of
// Shape scaled by each source pixel's brightness replace the source channels.
void DrawShapeRow(TPixel32* D, const TPixel32* S, int N, int Factor, bool KeepAlpha, TPixel32 Shape) {
  for (int X = 0; X < N; ++X) {
    const TPixel32 SP = S[X];
    const int Y = static_cast<int>((SP >> 16) & 0xFF) / 4 + static_cast<int>((SP >> 8) & 0xFF) / 2 +
                  static_cast<int>(SP & 0xFF) / 4;
    TPixel32 Shaded = SP & 0xFF000000u;
    for (int Shift = 0; Shift < 24; Shift += 8)
      Shaded |= static_cast<TPixel32>(static_cast<int>((Shape >> Shift) & 0xFF) * Y >> 8) << Shift;
    DrawImageRow(D + X, &Shaded, 1, Factor, KeepAlpha);
  }
}

// A colour brightened until its largest byte is 255, in pixel order.
TPixel32 ShapeColor(TColor Color) {
  const TsColor C = TsColor::FromC(static_cast<std::uint32_t>(Color));
  const int Lift = 255 - std::max({C.R, C.G, C.B});
  const auto Up = [Lift](std::uint8_t V) { return static_cast<std::uint8_t>(std::min(255, V + Lift)); };
  return ExchangeRedBlue(TsColor{Up(C.R), Up(C.G), Up(C.B), 0}.C());
}

}  // namespace

void DrawImage32(const TRect& DstRect, const TRect& SrcRect, TBitmapView Dst, bool Reflected, int Blend,
                 TColor Color, bool UseParent, const TCacheInfo& Parent, TConstBitmapView Src) {
  const std::int64_t W = std::min(Extent(DstRect.Left, DstRect.Right), Extent(SrcRect.Left, SrcRect.Right));
  const std::int64_t H = std::min(Extent(DstRect.Top, DstRect.Bottom), Extent(SrcRect.Top, SrcRect.Bottom));
  if (W <= 0 || H <= 0) return;
  const int Factor = std::clamp(100 - Blend, 0, 100);
  const bool KeepAlpha = Blend != 0;
  const bool Shape = Color != clNone;
  const TPixel32 ShapePixel = Shape ? ShapeColor(Color) : 0;
  const bool FromParent = UseParent && HasParentPicture(Parent);

  const auto DrawRow = [&](TPixel32* D, const TPixel32* S, int N, int RowFactor, int DX, int DY) {
    if (Shape)
      DrawShapeRow(D, S, N, RowFactor, KeepAlpha, ShapePixel);
    else
      DrawImageRow(D, S, N, RowFactor, KeepAlpha);
    if (FromParent)
      for (int X = 0; X < N; ++X) {
        TPixel32 P = 0;
        if ((S[X] >> 24) <= VisibleAlphaAbove && ParentPixel(Parent, DX + X, DY, P)) D[X] = P;
      }
  };

  TBlock B;
  TRows Rows;
  if (!RowAccess(Dst, Rows.Dst0, Rows.DstStride) || !RowAccess(Src, Rows.Src0, Rows.SrcStride)) return;
  if (ClipBlock(DstRect.Left, DstRect.Top, SrcRect.Left, SrcRect.Top, W, H, Dst.Width, Dst.Height, Src.Width,
                Src.Height, B))
    for (int Y = 0; Y < B.H; ++Y) DrawRow(Rows.Dst(B, Y), Rows.Src(B, Y), B.W, Factor, B.DX, B.DY + Y);

  if (!Reflected) return;
  // The mirror image: half the image's height below it, source rows from the bottom up,
  // its weight falling linearly from the image's own towards 0. Row I reads source row
  // SrcRect.Top + H - 1 - I and lands on DstRect.Top + H + I; only the rows inside both
  // bitmaps are visited.
  const std::int64_t ReflectionHeight = H / 2;
  const std::int64_t SrcBottom = SrcRect.Top + H - 1;
  const std::int64_t DstStart = DstRect.Top + H;
  const std::int64_t First = std::max({std::int64_t{0}, SrcBottom - (Src.Height - 1), -DstStart});
  const std::int64_t End = std::min({ReflectionHeight, SrcBottom + 1, Dst.Height - DstStart});
  for (std::int64_t I = First; I < End; ++I) {
    if (!ClipBlock(DstRect.Left, DstStart + I, SrcRect.Left, SrcBottom - I, W, 1, Dst.Width, Dst.Height, Src.Width,
                   Src.Height, B))
      continue;
    const int RowFactor = static_cast<int>(Factor * (ReflectionHeight - I) / ReflectionHeight);
    DrawRow(Rows.Dst(B, 0), Rows.Src(B, 0), B.W, RowFactor, B.DX, B.DY);
  }
}

// ---- CopyKeyedOpaque ----

void CopyKeyedOpaque(TBitmapView Dst, TConstBitmapView Src, int X, int Y, TColor Key) {
  TBlock B;
  TRows Rows;
  if (!Prepare(Dst, Src, BitmapRect(Src), X, Y, B, Rows)) return;
  const TPixel32 KeyValue = ExchangeRedBlue(static_cast<TPixel32>(Key));
  for (int Row = 0; Row < B.H; ++Row) {
    TPixel32* const D = Rows.Dst(B, Row);
    const TPixel32* const S = Rows.Src(B, Row);
    for (int I = 0; I < B.W; ++I)
      if (S[I] != KeyValue) D[I] = S[I] | 0xFF000000u;
  }
}
