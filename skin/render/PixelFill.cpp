#include "skin/render/PixelFill.h"

#include <algorithm>
#include <cstdint>

namespace {

// Calls RowFunction(Line, Left, Right) for every row of Rect clipped to Bitmap.
template <class TRowFunction>
void ForEachRowOf(TBitmapView Bitmap, const TRect& Rect, TRowFunction&& RowFunction) {
  std::byte* Row0 = nullptr;
  std::ptrdiff_t Stride = 0;
  if (!RowAccess(Bitmap, Row0, Stride)) return;
  const TRect R = IntersectRect(Rect, BitmapRect(Bitmap));
  if (R.IsEmpty()) return;
  for (int Y = R.Top; Y < R.Bottom; ++Y) RowFunction(reinterpret_cast<TPixel32*>(Row0 + Y * Stride), R.Left, R.Right);
}

void FadeRow(TPixel32* Line, int Left, int Right, int K, TPixel32 Color, bool SkipKey) {
  const int ColorB = static_cast<int>(Color & 0xFF);
  const int ColorG = static_cast<int>((Color >> 8) & 0xFF);
  const int ColorR = static_cast<int>((Color >> 16) & 0xFF);
  const int L = 255 - K;
  for (int X = Left; X < Right; ++X) {
    const TPixel32 P = Line[X];
    if (SkipKey && P == 0x00FF00FFu) continue;
    const auto Mix = [&](int Shift, int C) {
      return static_cast<TPixel32>(((static_cast<int>((P >> Shift) & 0xFF) * K + C * L) >> 8)) << Shift;
    };
    Line[X] = (P & 0xFF000000u) | Mix(16, ColorR) | Mix(8, ColorG) | Mix(0, ColorB);
  }
}

}  // namespace

void FillPixels(TBitmapView Bitmap, const TRect& Rect, TColor Color, std::uint8_t Alpha) {
  const TPixel32 Value = (ExchangeRedBlue(static_cast<TPixel32>(Color)) & 0x00FFFFFFu) | TPixel32{Alpha} << 24;
  ForEachRowOf(Bitmap, Rect, [Value](TPixel32* Line, int Left, int Right) {
    for (int X = Left; X < Right; ++X) Line[X] = Value;
  });
}

void SetPixelAlpha(TBitmapView Bitmap, const TRect& Rect, std::uint8_t Alpha, TColor Key) {
  const bool Skip = Key != clNone;
  const TPixel32 KeyPixel = ExchangeRedBlue(static_cast<TPixel32>(Key));
  const TPixel32 AlphaBits = TPixel32{Alpha} << 24;
  ForEachRowOf(Bitmap, Rect, [&](TPixel32* Line, int Left, int Right) {
    for (int X = Left; X < Right; ++X)
      if (!Skip || Line[X] != KeyPixel) Line[X] = (Line[X] & 0x00FFFFFFu) | AlphaBits;
  });
}

void FadeRectToColor(TBitmapView Bitmap, const TRect& Rect, int K, TColor Color) {
  const TPixel32 ColorPixel = ExchangeRedBlue(static_cast<TPixel32>(Color));
  ForEachRowOf(Bitmap, Rect,
               [&](TPixel32* Line, int Left, int Right) { FadeRow(Line, Left, Right, K, ColorPixel, false); });
}

void FadeBitmapToColor(TBitmapView Bitmap, int K, TColor Color) {
  const TPixel32 ColorPixel = ExchangeRedBlue(static_cast<TPixel32>(Color));
  ForEachRowOf(Bitmap, BitmapRect(Bitmap),
               [&](TPixel32* Line, int Left, int Right) { FadeRow(Line, Left, Right, K, ColorPixel, true); });
}

void DrawDotFrame(TBitmapView Bitmap, const TRect& Rect, TColor Color1, TColor Color2) {
  if (Rect.IsEmpty() || Bitmap.Empty()) return;
  const auto Put = [&](std::int64_t X, std::int64_t Y, TColor Color) {
    if (Color == clNone || X < 0 || Y < 0 || X >= Bitmap.Width || Y >= Bitmap.Height) return;
    TPixel32& P = Bitmap.Row(static_cast<int>(Y))[X];
    P = (P & 0xFF000000u) | (ExchangeRedBlue(static_cast<TPixel32>(Color)) & 0x00FFFFFFu);
  };
  // Dot pair I lies at Start + 2I - 1 and Start + 2I: only the pairs reaching into the
  // bitmap's Size are visited.
  const auto Pairs = [](std::int64_t Start, std::int64_t Length, int Size, auto&& PutPair) {
    const std::int64_t First = std::max<std::int64_t>(1, -Start / 2);
    const std::int64_t Last = std::min<std::int64_t>(Length / 2, (Size - Start) / 2 + 1);
    for (std::int64_t I = First; I <= Last; ++I) PutPair(Start + 2 * I - 1, Start + 2 * I);
  };
  const std::int64_t Bottom = std::int64_t{Rect.Bottom} - 1;
  const std::int64_t Right = std::int64_t{Rect.Right} - 1;
  Pairs(Rect.Left, std::int64_t{Rect.Right} - Rect.Left, Bitmap.Width, [&](std::int64_t A, std::int64_t B) {
    for (const std::int64_t Y : {std::int64_t{Rect.Top}, Bottom}) {
      Put(A, Y, Color1);
      Put(B, Y, Color2);
    }
  });
  Pairs(Rect.Top, std::int64_t{Rect.Bottom} - Rect.Top, Bitmap.Height, [&](std::int64_t A, std::int64_t B) {
    for (const std::int64_t X : {std::int64_t{Rect.Left}, Right}) {
      Put(X, A, Color1);
      Put(X, B, Color2);
    }
  });
}
