#include "gfx/ColorOps.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr int Channel(std::uint32_t Value, int Shift) { return static_cast<int>((Value >> Shift) & 0xFF); }
constexpr std::uint32_t Place(int Byte, int Shift) { return static_cast<std::uint32_t>(Byte) << Shift; }

}  // namespace

std::uint8_t GreyLevel(std::uint8_t R, std::uint8_t G, std::uint8_t B) {
  // nearbyint rounds in the current mode, which is to nearest with ties to even.
  return static_cast<std::uint8_t>(std::nearbyint(0.299 * R + 0.587 * G + 0.114 * B));
}

TPixel32 TintPixel(TPixel32 Pixel, TColor Tone) {
  const int M = std::max({Channel(Pixel, 0), Channel(Pixel, 8), Channel(Pixel, 16)});
  const TsColor T = TsColor::FromC(static_cast<std::uint32_t>(Tone));
  return (Pixel & 0xFF000000u) | Place(M * T.R >> 8, 16) | Place(M * T.G >> 8, 8) | Place(M * T.B >> 8, 0);
}

TPixel32 ShiftSaturation(int K, TPixel32 Pixel) {
  if (K == 0) return Pixel;
  const int Grey = GreyLevel(static_cast<std::uint8_t>(Channel(Pixel, 16)), static_cast<std::uint8_t>(Channel(Pixel, 8)),
                             static_cast<std::uint8_t>(Channel(Pixel, 0)));
  TPixel32 Result = Pixel & 0xFF000000u;
  for (int Shift = 0; Shift < 24; Shift += 8) {
    const int Value = std::clamp((K + 255) * Channel(Pixel, Shift) - K * Grey, 0, 65535);
    Result |= Place(Value >> 8, Shift);
  }
  return Result;
}

std::uint32_t ScaleBrightness(std::uint32_t Color, int K) {
  if (K == 0) return Color;
  std::uint32_t Result = Color & 0xFF000000u;
  for (int Shift = 0; Shift < 24; Shift += 8) {
    const int C = Channel(Color, Shift);
    const int Value = K > 0 ? std::min(255, C + (K * C >> 8)) : std::max(0, C - ((-K) * C >> 8));
    Result |= Place(Value, Shift);
  }
  return Result;
}

TPixel32 RotateHue(int Degrees, TPixel32 Pixel) {
  if (Degrees == 0) return Pixel;
  const double R = Channel(Pixel, 16);
  const double G = Channel(Pixel, 8);
  const double B = Channel(Pixel, 0);
  const double V = std::max({R, G, B});
  const double Delta = V - std::min({R, G, B});
  if (Delta == 0) return Pixel;  // grey, including black: no hue to turn
  const double S = Delta / V;
  double H = R == V ? (G - B) / Delta : G == V ? 2 + (B - R) / Delta : 4 + (R - G) / Delta;
  H *= 60;
  if (H < 0) H += 360;
  int NewH = static_cast<int>(std::trunc(H + Degrees)) % 360;
  if (NewH < 0) NewH += 360;

  const int Sextant = NewH / 60;
  const double F = NewH / 60.0 - Sextant;
  const double P = V * (1 - S);
  const double Q = V * (1 - S * F);
  const double T = V * (1 - S * (1 - F));
  double NR = V, NG = T, NB = P;  // sextant 0
  switch (Sextant) {
    case 1: NR = Q, NG = V, NB = P; break;
    case 2: NR = P, NG = V, NB = T; break;
    case 3: NR = P, NG = Q, NB = V; break;
    case 4: NR = T, NG = P, NB = V; break;
    case 5: NR = V, NG = P, NB = Q; break;
    default: break;
  }
  const auto Byte = [](double Value) { return std::clamp(static_cast<int>(Value), 0, 255); };
  return (Pixel & 0xFF000000u) | Place(Byte(NR), 16) | Place(Byte(NG), 8) | Place(Byte(NB), 0);
}
