#include "skin/render/TextGlow.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <limits>
#include <new>
#include <numeric>

namespace {

constexpr int MaxReach = 16;

// The kernel's weights spread over Step-spaced samples of Line (Count of them).
void BlurLine(const std::uint8_t* Line, std::ptrdiff_t Step, int Count, const std::vector<double>& Kernel,
              std::vector<std::uint8_t>& Out) {
  const int Reach = static_cast<int>(Kernel.size() / 2);
  Out.resize(static_cast<std::size_t>(Count));
  for (int I = 0; I < Count; ++I) {
    double Sum = 0;
    for (int K = -Reach; K <= Reach; ++K) {
      const int At = std::clamp(I + K, 0, Count - 1);
      Sum += Kernel[static_cast<std::size_t>(K + Reach)] * Line[At * Step];
    }
    Out[static_cast<std::size_t>(I)] = static_cast<std::uint8_t>(std::clamp(std::nearbyint(Sum), 0.0, 255.0));
  }
}

}  // namespace

std::vector<double> GlowKernel(int Size) {
  if (Size <= 0) return {};
  std::vector<double> Taps(2 * MaxReach + 1);
  for (int K = -MaxReach; K <= MaxReach; ++K) {
    const double Q = static_cast<double>(K) / Size;
    Taps[static_cast<std::size_t>(K + MaxReach)] = std::round(std::exp(-(Q * Q) / 2));
  }
  const double Total = std::accumulate(Taps.begin(), Taps.end(), 0.0);
  for (double& T : Taps) T /= Total;
  // Trim the outer taps while what they carry stays below half a grey level.
  int Reach = MaxReach;
  double Trimmed = 0;
  while (Trimmed < 1.0 / 510 && Reach > 1) {
    Trimmed += 2 * Taps[static_cast<std::size_t>(Reach + MaxReach)];
    --Reach;
  }
  std::vector<double> Kernel(Taps.begin() + (MaxReach - Reach), Taps.begin() + (MaxReach + Reach + 1));
  const double Kept = std::accumulate(Kernel.begin(), Kernel.end(), 0.0);
  for (double& T : Kernel) T /= Kept;
  return Kernel;
}

void BlurGlowMask(TGlowMask& Mask, const std::vector<double>& Kernel) {
  if (Kernel.empty() || Mask.Width <= 0 || Mask.Height <= 0) return;
  std::vector<std::uint8_t> Out;
  for (int Y = 0; Y < Mask.Height; ++Y) {
    BlurLine(Mask.Row(Y), 1, Mask.Width, Kernel, Out);
    std::copy(Out.begin(), Out.end(), Mask.Row(Y));
  }
  for (int X = 0; X < Mask.Width; ++X) {
    BlurLine(Mask.Row(0) + X, Mask.Width, Mask.Height, Kernel, Out);
    for (int Y = 0; Y < Mask.Height; ++Y) Mask.Row(Y)[X] = Out[static_cast<std::size_t>(Y)];
  }
}

void CompositeGlow(TBitmapView Picture, const TGlowMask& Mask, TPoint Origin, TColor Color) {
  const TRect Area = IntersectRect(Bounds(Origin.X, Origin.Y, Mask.Width, Mask.Height), BitmapRect(Picture));
  if (Area.IsEmpty() || Picture.Row0 == nullptr) return;
  const TPixel32 Glow = ExchangeRedBlue(static_cast<TPixel32>(Color));
  for (int Y = Area.Top; Y < Area.Bottom; ++Y) {
    const std::uint8_t* const M = Mask.Row(Y - Origin.Y) - Origin.X;
    TPixel32* const P = Picture.Row(Y);
    for (int X = Area.Left; X < Area.Right; ++X) {
      const int Keep = M[X];
      if (Keep == 255) continue;
      const int W = 255 - Keep;
      const int A = static_cast<int>(P[X] >> 24);
      TPixel32 Result = static_cast<TPixel32>(A + (((255 - A) * W) >> 8)) << 24;
      for (int Shift = 0; Shift < 24; Shift += 8) {
        const int G = static_cast<int>((Glow >> Shift) & 0xFF);
        const int C = static_cast<int>((P[X] >> Shift) & 0xFF);
        Result |= static_cast<TPixel32>((W * G + C * Keep) >> 8) << Shift;
      }
      P[X] = Result;
    }
  }
}

void PaintTextGlow(TBitmapView Picture, const TRect& Rect, TGlowMask& Mask, TColor Color, int Size,
                   const TGlowTextDrawer& DrawText) {
  if (Size <= 0 || Rect.IsEmpty()) return;
  // An area beyond the int range or larger than any bitmap, or a mask there is no room for,
  // paints nothing.
  const std::int64_t Grow64 = std::int64_t{Size} + 4;
  const std::int64_t Left = std::int64_t{Rect.Left} + 1 - Grow64;
  const std::int64_t Top = std::int64_t{Rect.Top} + 1 - Grow64;
  const std::int64_t Right = std::int64_t{Rect.Right} + 1 + Grow64;
  const std::int64_t Bottom = std::int64_t{Rect.Bottom} + 1 + Grow64;
  constexpr std::int64_t Lowest = std::numeric_limits<int>::min();
  constexpr std::int64_t Highest = std::numeric_limits<int>::max();
  if (Left < Lowest || Top < Lowest || Right > Highest || Bottom > Highest ||
      !IsValidBitmapSize(Right - Left, Bottom - Top))
    return;
  const TRect Area = GlowArea(Rect, Size);
  if (Mask.Width != Area.Width() || Mask.Height != Area.Height()) {
    try {
      Mask.Pixels.assign(static_cast<std::size_t>(Area.Width()) * static_cast<std::size_t>(Area.Height()), 255);
    } catch (const std::bad_alloc&) {
      Mask = {};
      return;
    }
    Mask.Width = Area.Width();
    Mask.Height = Area.Height();
    const int Grow = Size + 4;
    DrawText(Mask, {Grow, Grow, Mask.Width - Grow, Mask.Height - Grow});
    BlurGlowMask(Mask, GlowKernel(Size));
  }
  CompositeGlow(Picture, Mask, {Area.Left, Area.Top}, Color);
}
