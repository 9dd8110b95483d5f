// Sections: filters; contributions (weights per target position); the two passes.
#include "gfx/Resample.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <numbers>
#include <utility>
#include <vector>

#if defined(__x86_64__)
#include <emmintrin.h>
#endif

namespace {

// ---- Filters: weight at distance X >= 0, and the support radius ----

double FilterWeight(TResampleFilter Filter, double X) {
  switch (Filter) {
    case rfBox:
      return X <= 0.5 ? 1.0 : 0.0;
    case rfTriangle:
      return X < 1 ? 1 - X : 0.0;
    case rfHermite:
      return X < 1 ? (2 * X - 3) * X * X + 1 : 0.0;
    case rfBell:
      if (X < 0.5) return 0.75 - X * X;
      return X < 1.5 ? 0.5 * (X - 1.5) * (X - 1.5) : 0.0;
    case rfBSpline:
      if (X < 1) return X * X * X / 2 - X * X + 2.0 / 3;
      return X < 2 ? (2 - X) * (2 - X) * (2 - X) / 6 : 0.0;
    case rfLanczos3: {
      if (X >= 3) return 0.0;
      const auto Sinc = [](double V) {
        if (V == 0) return 1.0;
        const double PiV = std::numbers::pi * V;
        return std::sin(PiV) / PiV;
      };
      return Sinc(X) * Sinc(X / 3);
    }
    case rfMitchell: {
      constexpr double B = 1.0 / 3, C = 1.0 / 3;
      if (X < 1) return ((12 - 9 * B - 6 * C) * X * X * X + (-18 + 12 * B + 6 * C) * X * X + (6 - 2 * B)) / 6;
      if (X < 2)
        return ((-B - 6 * C) * X * X * X + (6 * B + 30 * C) * X * X + (-12 * B - 48 * C) * X + (8 * B + 24 * C)) / 6;
      return 0.0;
    }
  }
  return 0.0;
}

double FilterSupport(TResampleFilter Filter) {
  switch (Filter) {
    case rfBox: return 0.51;
    case rfTriangle:
    case rfHermite: return 1;
    case rfBell: return 1.5;
    case rfBSpline:
    case rfMitchell: return 2;
    case rfLanczos3: return 3;
  }
  return 1;
}

// ---- Contributions ----

struct TContributor {
  int Pixel;   // source position
  int Weight;  // 16.16 fixed point
};

// For each target position, the source pixels it reads and their weights, stored flat:
// target I uses Items[Start[I] .. Start[I + 1]).
struct TContributions {
  std::vector<int> Start;
  std::vector<TContributor> Items;
};

// Target positions From .. From + Count - 1 of a DstSize resize.
TContributions Contributions(int SrcSize, std::int64_t DstSize, TResampleFilter Filter, std::int64_t From, int Count) {
  const double Scale = DstSize < SrcSize ? static_cast<double>(DstSize) / SrcSize : 1.0;
  const double Support = FilterSupport(Filter) / Scale;
  TContributions Result;
  Result.Start.reserve(static_cast<std::size_t>(Count) + 1);
  Result.Items.reserve(static_cast<std::size_t>(Count) * static_cast<std::size_t>(2 * std::ceil(Support) + 2));
  for (std::int64_t I = From; I < From + Count; ++I) {
    Result.Start.push_back(static_cast<int>(Result.Items.size()));
    const double Centre = static_cast<double>(I) * SrcSize / static_cast<double>(DstSize);
    const int Low = static_cast<int>(std::floor(Centre - Support));
    const int High = static_cast<int>(std::ceil(Centre + Support));
    for (int J = Low; J <= High; ++J) {
      const double Weight = FilterWeight(Filter, std::abs(Centre - J) * Scale) * Scale;
      const int Fixed = static_cast<int>(std::lround(Weight * 65536));
      if (Fixed == 0) continue;
      // Mirror at the edges; a very small source can need more than one reflection, so
      // the result is also held inside it.
      int Pixel = J < 0 ? -J : J >= SrcSize ? 2 * SrcSize - 1 - J : J;
      Pixel = std::clamp(Pixel, 0, SrcSize - 1);
      Result.Items.push_back({Pixel, Fixed});
    }
  }
  Result.Start.push_back(static_cast<int>(Result.Items.size()));
  return Result;
}

inline std::uint8_t ClampByte(int Sum) { return static_cast<std::uint8_t>(std::clamp(Sum >> 16, 0, 255)); }

// ---- Passes ----
//
// Each target byte is the sum of source bytes times 16.16 weights, held to 0..255. On x86-64
// the sums are taken four channels at a time, exactly: a byte p times a weight w (|w| <= 2^16,
// the filters' weights being at most 1) is p * (w & 0x7FFF) + (p * 128) * ((w >> 15) * 256),
// two products of 16-bit numbers that one multiply-add instruction forms and adds in 32 bits.

#if defined(__x86_64__)
// The weight's two 16-bit factors, in every pair of lanes.
inline __m128i WeightPairs(int Weight) {
  const auto Low = static_cast<std::uint32_t>(Weight & 0x7FFF);
  const auto High = static_cast<std::uint16_t>((Weight >> 15) * 256);
  return _mm_set1_epi32(static_cast<int>(Low | std::uint32_t{High} << 16));
}

// Bytes (as 16-bit lanes) times their weight, added to four 32-bit sums: the lower or upper
// four lanes.
inline __m128i AddWeightedLow(__m128i Sum, __m128i P16, __m128i Weight) {
  return _mm_add_epi32(Sum, _mm_madd_epi16(_mm_unpacklo_epi16(P16, _mm_slli_epi16(P16, 7)), Weight));
}
inline __m128i AddWeightedHigh(__m128i Sum, __m128i P16, __m128i Weight) {
  return _mm_add_epi32(Sum, _mm_madd_epi16(_mm_unpackhi_epi16(P16, _mm_slli_epi16(P16, 7)), Weight));
}

// Sixteen sums of 16.16 fixed point as bytes held to 0..255.
inline __m128i SumsToBytes(__m128i S0, __m128i S1, __m128i S2, __m128i S3) {
  const __m128i Lo = _mm_packs_epi32(_mm_srai_epi32(S0, 16), _mm_srai_epi32(S1, 16));
  const __m128i Hi = _mm_packs_epi32(_mm_srai_epi32(S2, 16), _mm_srai_epi32(S3, 16));
  return _mm_packus_epi16(Lo, Hi);
}
#endif

// Rows: every source row to NewWidth pixels, into Dst (NewWidth x Src.Height).
void HorizontalPass(TConstBitmapView Src, TBitmapView Dst, const TContributions& Contrib) {
  for (int Y = 0; Y < Src.Height; ++Y) {
    const TPixel32* const S = Src.Row(Y);
    TPixel32* const D = Dst.Row(Y);
    for (int X = 0; X < Dst.Width; ++X) {
      const int First = Contrib.Start[X], End = Contrib.Start[X + 1];
#if defined(__x86_64__)
      __m128i Sum = _mm_setzero_si128();
      for (int K = First; K < End; ++K) {
        const TContributor& C = Contrib.Items[static_cast<std::size_t>(K)];
        const __m128i P16 = _mm_unpacklo_epi8(_mm_cvtsi32_si128(static_cast<int>(S[C.Pixel])), _mm_setzero_si128());
        Sum = AddWeightedLow(Sum, P16, WeightPairs(C.Weight));
      }
      const __m128i Zero = _mm_setzero_si128();
      D[X] = static_cast<TPixel32>(_mm_cvtsi128_si32(SumsToBytes(Sum, Zero, Zero, Zero)));
#else
      int Sum[4] = {0, 0, 0, 0};
      for (int K = First; K < End; ++K) {
        const TContributor& C = Contrib.Items[static_cast<std::size_t>(K)];
        const auto* P = reinterpret_cast<const std::uint8_t*>(S + C.Pixel);
        for (int Ch = 0; Ch < 4; ++Ch) Sum[Ch] += P[Ch] * C.Weight;
      }
      auto* Out = reinterpret_cast<std::uint8_t*>(D + X);
      for (int Ch = 0; Ch < 4; ++Ch) Out[Ch] = ClampByte(Sum[Ch]);
#endif
    }
  }
}

// Columns: each target row is a weighted sum of whole source rows, worked out along the row
// a block of bytes at a time with the sums held in registers.
void VerticalPass(TConstBitmapView Src, TBitmapView Dst, const TContributions& Contrib) {
  const int N = Src.Width * 4;
  for (int Y = 0; Y < Dst.Height; ++Y) {
    const int First = Contrib.Start[Y], End = Contrib.Start[Y + 1];
    const auto Row = [&](int K) {
      return reinterpret_cast<const std::uint8_t*>(Src.Row(Contrib.Items[static_cast<std::size_t>(K)].Pixel));
    };
    const auto Weight = [&](int K) { return Contrib.Items[static_cast<std::size_t>(K)].Weight; };
    auto* D = reinterpret_cast<std::uint8_t*>(Dst.Row(Y));
    int I = 0;
#if defined(__x86_64__)
    for (; I + 16 <= N; I += 16) {
      __m128i S0 = _mm_setzero_si128(), S1 = S0, S2 = S0, S3 = S0;
      for (int K = First; K < End; ++K) {
        const __m128i P = _mm_loadu_si128(reinterpret_cast<const __m128i*>(Row(K) + I));
        const __m128i W = WeightPairs(Weight(K));
        const __m128i Lo = _mm_unpacklo_epi8(P, _mm_setzero_si128());
        const __m128i Hi = _mm_unpackhi_epi8(P, _mm_setzero_si128());
        S0 = AddWeightedLow(S0, Lo, W);
        S1 = AddWeightedHigh(S1, Lo, W);
        S2 = AddWeightedLow(S2, Hi, W);
        S3 = AddWeightedHigh(S3, Hi, W);
      }
      _mm_storeu_si128(reinterpret_cast<__m128i*>(D + I), SumsToBytes(S0, S1, S2, S3));
    }
#endif
    for (; I < N; ++I) {
      int Sum = 0;
      for (int K = First; K < End; ++K) Sum += Row(K)[I] * Weight(K);
      D[I] = ClampByte(Sum);
    }
  }
}

bool IsInside(const TResizePart& Part, std::int64_t Width, std::int64_t Height) {
  return Part.Width > 0 && Part.Height > 0 && Part.Left >= 0 && Part.Top >= 0 && Part.Left + Part.Width <= Width &&
         Part.Top + Part.Height <= Height;
}

void CopyPart(TConstBitmapView Src, TBitmap32& Dst, const TResizePart& Part) {
  TBitmap32 Result(Part.Width, Part.Height);
  for (int Y = 0; Y < Part.Height; ++Y)
    std::copy_n(Src.Row(static_cast<int>(Part.Top) + Y) + Part.Left, Part.Width, Result.Row(Y));
  Dst = std::move(Result);
}

}  // namespace

void ResampleBitmap(TConstBitmapView Src, TBitmap32& Dst, int NewWidth, TResampleFilter Filter, int NewHeight) {
  ResampleBitmapPart(Src, Dst, NewWidth, NewHeight, Filter, {0, 0, NewWidth, NewHeight});
}

void ResampleBitmapPart(TConstBitmapView Src, TBitmap32& Dst, std::int64_t NewWidth, std::int64_t NewHeight,
                        TResampleFilter Filter, const TResizePart& Part) {
  ResampleBitmapParts({&Src, 1}, {&Dst, 1}, NewWidth, NewHeight, Filter, Part);
}

void ResampleBitmapParts(std::span<const TConstBitmapView> Sources, std::span<TBitmap32> Results, std::int64_t NewWidth,
                         std::int64_t NewHeight, TResampleFilter Filter, const TResizePart& Part) {
  if (Sources.empty() || Results.size() < Sources.size()) return;
  const TConstBitmapView First = Sources.front();
  for (std::size_t I = 1; I < Sources.size(); ++I)
    if (Sources[I].Width != First.Width || Sources[I].Height != First.Height)
      ResampleBitmapPart(Sources[I], Results[I], NewWidth, NewHeight, Filter, Part);
  if (First.Width <= 1 || First.Height <= 1 || NewWidth <= 1 || NewHeight <= 1 || !IsInside(Part, NewWidth, NewHeight))
    return;
  const auto SameSize = [&](TConstBitmapView Src) { return Src.Width == First.Width && Src.Height == First.Height; };
  if (NewWidth == First.Width && NewHeight == First.Height) {
    for (std::size_t I = 0; I < Sources.size(); ++I)
      if (SameSize(Sources[I]) && Sources[I].Row0 != nullptr) CopyPart(Sources[I], Results[I], Part);
    return;
  }
  // Only the source rows the part's rows read go through the first pass.
  TContributions Columns = Contributions(First.Height, NewHeight, Filter, Part.Top, Part.Height);
  const TContributions Rows = Contributions(First.Width, NewWidth, Filter, Part.Left, Part.Width);
  const auto [Lowest, Highest] = std::minmax_element(
      Columns.Items.begin(), Columns.Items.end(),
      [](const TContributor& A, const TContributor& B) { return A.Pixel < B.Pixel; });
  const int FirstRow = Columns.Items.empty() ? 0 : Lowest->Pixel;
  const int RowCount = Columns.Items.empty() ? 1 : Highest->Pixel - FirstRow + 1;
  for (TContributor& C : Columns.Items) C.Pixel -= FirstRow;
  for (std::size_t I = 0; I < Sources.size(); ++I) {
    const TConstBitmapView Src = Sources[I];
    if (!SameSize(Src) || Src.Row0 == nullptr) continue;
    const TConstBitmapView Read{Src.Row0 + FirstRow * Src.Stride, Src.Width, RowCount, Src.Stride};
    TBitmap32 Across(Part.Width, RowCount);
    HorizontalPass(Read, Across.View(), Rows);
    TBitmap32 Result(Part.Width, Part.Height);
    VerticalPass(Across.View(), Result.View(), Columns);
    Results[I] = std::move(Result);
  }
}

void StretchNearest(TConstBitmapView Src, TBitmap32& Dst, int W, int H) {
  StretchNearestPart(Src, Dst, W, H, {0, 0, W, H});
}

void StretchNearestPart(TConstBitmapView Src, TBitmap32& Dst, std::int64_t W, std::int64_t H, const TResizePart& Part) {
  if (Src.Empty() || W <= 0 || H <= 0 || !IsInside(Part, W, H)) return;
  TBitmap32 Result(Part.Width, Part.Height);
  std::vector<int> Columns(static_cast<std::size_t>(Part.Width));
  for (int X = 0; X < Part.Width; ++X)
    Columns[static_cast<std::size_t>(X)] = static_cast<int>((Part.Left + X) * Src.Width / W);
  for (int Y = 0; Y < Part.Height; ++Y) {
    const TPixel32* const S = Src.Row(static_cast<int>((Part.Top + Y) * Src.Height / H));
    TPixel32* const D = Result.Row(Y);
    for (int X = 0; X < Part.Width; ++X) D[X] = S[Columns[static_cast<std::size_t>(X)]];
  }
  Dst = std::move(Result);
}
