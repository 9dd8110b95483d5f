// Sections: plain loops; SSE2 lanes; AVX2 lanes; the row functions.
#include "skin/render/PixelBlendRows.h"

#include <algorithm>

#if defined(__x86_64__)
#include <immintrin.h>
#endif

namespace {

// ---- Plain loops: the rules as written, for the rows' ends and for other processors

void BlendBytes(std::uint8_t* D, const std::uint8_t* S, std::int64_t N, int K) {
  for (std::int64_t I = 0; I < N; ++I) D[I] = static_cast<std::uint8_t>((K * (D[I] - S[I]) + S[I] * 256) >> 8);
}

// ((s - d) * a + d * 256) >> 8 is the same value as (s * a + d * (256 - a)) >> 8. The new
// alpha dA + ((255 - dA) * a >> 8) is that same mix with s = 255, so all four bytes take one
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

// (Factor * A) div 100 for products up to 25500, without a division.
constexpr int Div100(int Value) { return (Value * 5243) >> 19; }

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

#if defined(__x86_64__)

// ---- SSE2 lanes: two pixels as eight 16-bit lanes (blue, green, red, alpha, ...)
//
// Every mix here is (s * w + d * (256 - w)) >> 8 with 0 <= w <= 255, which is
// d + floor((s - d) * w / 256): (s - d) * 2 and w * 128 both fit 16 signed bits, and the high
// half of their product is exactly that floor. One multiply per lane, exact.

inline __m128i MixLanes(__m128i S16, __m128i D16, __m128i W16) {
  return _mm_add_epi16(D16, _mm_mulhi_epi16(_mm_slli_epi16(_mm_sub_epi16(S16, D16), 1), _mm_slli_epi16(W16, 7)));
}

// Each pixel's alpha lane copied into its four lanes.
inline __m128i BroadcastAlpha(__m128i P16) { return _mm_shufflehi_epi16(_mm_shufflelo_epi16(P16, 0xFF), 0xFF); }

// The number of bytes done; the rest is left to the plain loop.
std::int64_t BlendLanesSse2(std::uint8_t* D, const std::uint8_t* S, std::int64_t N, int K) {
  const __m128i Zero = _mm_setzero_si128();
  const __m128i W = _mm_set1_epi16(static_cast<short>(K));
  std::int64_t I = 0;
  for (; I + 16 <= N; I += 16) {
    const __m128i SP = _mm_loadu_si128(reinterpret_cast<const __m128i*>(S + I));
    const __m128i DP = _mm_loadu_si128(reinterpret_cast<const __m128i*>(D + I));
    // The destination keeps weight K: a mix from s towards d.
    const __m128i Lo = MixLanes(_mm_unpacklo_epi8(DP, Zero), _mm_unpacklo_epi8(SP, Zero), W);
    const __m128i Hi = MixLanes(_mm_unpackhi_epi8(DP, Zero), _mm_unpackhi_epi8(SP, Zero), W);
    _mm_storeu_si128(reinterpret_cast<__m128i*>(D + I), _mm_packus_epi16(Lo, Hi));
  }
  return I;
}

int CompositeLanesSse2(TPixel32* D, const TPixel32* S, int N) {
  const __m128i Zero = _mm_setzero_si128();
  const __m128i OpaqueAlpha = _mm_set1_epi32(static_cast<int>(0xFF000000u));
  int X = 0;
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
  return X;
}

// Factor * a <= 25500; div 100 as (x * 5243) >> 19, the high half then >> 3.
template <bool FullWeight, bool KeepAlpha>
inline __m128i DrawImageHalfSse2(__m128i S16, __m128i D16, __m128i FactorLanes) {
  const __m128i A = BroadcastAlpha(S16);
  const __m128i Visible = _mm_and_si128(A, _mm_cmpgt_epi16(A, _mm_set1_epi16(VisibleAlphaAbove)));
  const __m128i W =
      FullWeight ? Visible
                 : _mm_srli_epi16(_mm_mulhi_epu16(_mm_mullo_epi16(Visible, FactorLanes), _mm_set1_epi16(5243)), 3);
  const __m128i AlphaLanes = _mm_set_epi16(-1, 0, 0, 0, -1, 0, 0, 0);
  const __m128i NewAlpha = KeepAlpha ? D16 : _mm_max_epi16(D16, W);
  return _mm_or_si128(_mm_andnot_si128(AlphaLanes, MixLanes(S16, D16, W)), _mm_and_si128(AlphaLanes, NewAlpha));
}

template <bool FullWeight, bool KeepAlpha>
int DrawImageLanesSse2(TPixel32* D, const TPixel32* S, int N, int Factor) {
  const __m128i Zero = _mm_setzero_si128();
  const __m128i FactorLanes = _mm_set1_epi16(static_cast<short>(Factor));
  int X = 0;
  for (; X + 4 <= N; X += 4) {
    const __m128i SP = _mm_loadu_si128(reinterpret_cast<const __m128i*>(S + X));
    const __m128i DP = _mm_loadu_si128(reinterpret_cast<const __m128i*>(D + X));
    const __m128i Lo = DrawImageHalfSse2<FullWeight, KeepAlpha>(_mm_unpacklo_epi8(SP, Zero),
                                                                _mm_unpacklo_epi8(DP, Zero), FactorLanes);
    const __m128i Hi = DrawImageHalfSse2<FullWeight, KeepAlpha>(_mm_unpackhi_epi8(SP, Zero),
                                                                _mm_unpackhi_epi8(DP, Zero), FactorLanes);
    _mm_storeu_si128(reinterpret_cast<__m128i*>(D + X), _mm_packus_epi16(Lo, Hi));
  }
  return X;
}

// ---- AVX2 lanes: the same steps on four pixels per 128-bit half (unpack and pack work
// within each half, so pixels keep their places).

// W128 holds the weights times 128.
[[gnu::target("avx2"), gnu::always_inline]] inline __m256i MixPreshiftedAvx2(__m256i S16, __m256i D16, __m256i W128) {
  return _mm256_add_epi16(D16, _mm256_mulhi_epi16(_mm256_slli_epi16(_mm256_sub_epi16(S16, D16), 1), W128));
}

[[gnu::target("avx2"), gnu::always_inline]] inline __m256i MixLanesAvx2(__m256i S16, __m256i D16, __m256i W16) {
  return MixPreshiftedAvx2(S16, D16, _mm256_slli_epi16(W16, 7));
}

// The alpha bytes of the pixels that go to the low (Half 0) or high (Half 1) 16-bit lanes of
// each 128-bit half, each in its pixel's four lanes: one byte shuffle instead of an unpack and
// two word shuffles.
template <int Half>
[[gnu::target("avx2"), gnu::always_inline]] inline __m256i AlphaLanesAvx2(__m256i Pixels) {
  constexpr char Z = -128;  // a zero byte
  constexpr char A0 = Half == 0 ? 3 : 11;
  constexpr char A1 = Half == 0 ? 7 : 15;
  const __m256i Pick = _mm256_setr_epi8(A0, Z, A0, Z, A0, Z, A0, Z, A1, Z, A1, Z, A1, Z, A1, Z,  //
                                        A0, Z, A0, Z, A0, Z, A0, Z, A1, Z, A1, Z, A1, Z, A1, Z);
  return _mm256_shuffle_epi8(Pixels, Pick);
}

[[gnu::target("avx2")]] std::int64_t BlendLanesAvx2(std::uint8_t* D, const std::uint8_t* S, std::int64_t N, int K) {
  const __m256i Zero = _mm256_setzero_si256();
  const __m256i W = _mm256_set1_epi16(static_cast<short>(K));
  std::int64_t I = 0;
  for (; I + 32 <= N; I += 32) {
    const __m256i SP = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(S + I));
    const __m256i DP = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(D + I));
    const __m256i Lo = MixLanesAvx2(_mm256_unpacklo_epi8(DP, Zero), _mm256_unpacklo_epi8(SP, Zero), W);
    const __m256i Hi = MixLanesAvx2(_mm256_unpackhi_epi8(DP, Zero), _mm256_unpackhi_epi8(SP, Zero), W);
    _mm256_storeu_si256(reinterpret_cast<__m256i*>(D + I), _mm256_packus_epi16(Lo, Hi));
  }
  return I;
}

[[gnu::target("avx2")]] int CompositeLanesAvx2(TPixel32* D, const TPixel32* S, int N) {
  const __m256i Zero = _mm256_setzero_si256();
  const __m256i OpaqueAlpha = _mm256_set1_epi32(static_cast<int>(0xFF000000u));
  int X = 0;
  for (; X + 8 <= N; X += 8) {
    const __m256i SP = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(S + X));
    const __m256i DP = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(D + X));
    const __m256i SO = _mm256_or_si256(SP, OpaqueAlpha);
    const __m256i Lo =
        MixLanesAvx2(_mm256_unpacklo_epi8(SO, Zero), _mm256_unpacklo_epi8(DP, Zero), AlphaLanesAvx2<0>(SP));
    const __m256i Hi =
        MixLanesAvx2(_mm256_unpackhi_epi8(SO, Zero), _mm256_unpackhi_epi8(DP, Zero), AlphaLanesAvx2<1>(SP));
    _mm256_storeu_si256(reinterpret_cast<__m256i*>(D + X), _mm256_packus_epi16(Lo, Hi));
  }
  return X;
}

// The channels in place, without unpacking: blue and red as the 16-bit lanes of each pixel's
// masked word, green and alpha as those of the word shifted down a byte, each lane with its
// pixel's weight. The green and alpha word gets weight 0 in its alpha lane, so the alpha stays
// and can be raised apart.
template <bool FullWeight, bool KeepAlpha>
[[gnu::target("avx2")]] int DrawImageLanesAvx2(TPixel32* D, const TPixel32* S, int N, int Factor) {
  const __m256i LowBytes = _mm256_set1_epi32(0x00FF00FF);
  const __m256i Threshold = _mm256_set1_epi32(VisibleAlphaAbove);
  const __m256i FactorLanes = _mm256_set1_epi32(Factor);
  int X = 0;
  for (; X + 8 <= N; X += 8) {
    const __m256i SP = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(S + X));
    const __m256i DP = _mm256_loadu_si256(reinterpret_cast<const __m256i*>(D + X));
    const __m256i Alpha = _mm256_srli_epi32(SP, 24);
    __m256i W = _mm256_and_si256(Alpha, _mm256_cmpgt_epi32(Alpha, Threshold));
    // Factor * a <= 25500 fits the low 16-bit lane; div 100 as (x * 5243) >> 19.
    if (!FullWeight)
      W = _mm256_srli_epi16(_mm256_mulhi_epu16(_mm256_mullo_epi16(W, FactorLanes), _mm256_set1_epi16(5243)), 3);
    const __m256i LowLaneWeight = _mm256_slli_epi32(W, 7);
    const __m256i BothLanesWeight = _mm256_or_si256(LowLaneWeight, _mm256_slli_epi32(W, 23));
    const __m256i BlueRed =
        MixPreshiftedAvx2(_mm256_and_si256(SP, LowBytes), _mm256_and_si256(DP, LowBytes), BothLanesWeight);
    // Each 16-bit lane shifted down a byte is its high byte alone: green, alpha.
    __m256i GreenAlpha = MixPreshiftedAvx2(_mm256_srli_epi16(SP, 8), _mm256_srli_epi16(DP, 8), LowLaneWeight);
    if (!KeepAlpha) GreenAlpha = _mm256_max_epi16(GreenAlpha, _mm256_slli_epi32(W, 16));
    _mm256_storeu_si256(reinterpret_cast<__m256i*>(D + X), _mm256_or_si256(BlueRed, _mm256_slli_epi16(GreenAlpha, 8)));
  }
  return X;
}

// FullWeight (Factor 100, the usual case) skips the division.
template <bool KeepAlpha>
int DrawImageLanes(TPixelLanes Lanes, TPixel32* D, const TPixel32* S, int N, int Factor) {
  if (Lanes == TPixelLanes::Avx2)
    return Factor == 100 ? DrawImageLanesAvx2<true, KeepAlpha>(D, S, N, Factor)
                         : DrawImageLanesAvx2<false, KeepAlpha>(D, S, N, Factor);
  return Factor == 100 ? DrawImageLanesSse2<true, KeepAlpha>(D, S, N, Factor)
                       : DrawImageLanesSse2<false, KeepAlpha>(D, S, N, Factor);
}

#endif

}  // namespace

// ---- The row functions

void BlendRow([[maybe_unused]] TPixelLanes Lanes, std::uint8_t* D, const std::uint8_t* S, std::int64_t N, int K) {
  std::int64_t Done = 0;
#if defined(__x86_64__)
  Done = Lanes == TPixelLanes::Avx2 ? BlendLanesAvx2(D, S, N, K) : BlendLanesSse2(D, S, N, K);
#endif
  BlendBytes(D + Done, S + Done, N - Done, K);
}

void CompositeRow([[maybe_unused]] TPixelLanes Lanes, TPixel32* D, const TPixel32* S, int N) {
  int Done = 0;
#if defined(__x86_64__)
  Done = Lanes == TPixelLanes::Avx2 ? CompositeLanesAvx2(D, S, N) : CompositeLanesSse2(D, S, N);
#endif
  CompositePixels(D + Done, S + Done, N - Done);
}

void DrawImageRow([[maybe_unused]] TPixelLanes Lanes, TPixel32* D, const TPixel32* S, int N, int Factor,
                  bool KeepAlpha) {
  int Done = 0;
#if defined(__x86_64__)
  Done = KeepAlpha ? DrawImageLanes<true>(Lanes, D, S, N, Factor) : DrawImageLanes<false>(Lanes, D, S, N, Factor);
#endif
  DrawImagePixels(D + Done, S + Done, N - Done, Factor, KeepAlpha);
}
