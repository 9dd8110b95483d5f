#include "tools/picgen/Canvas.h"

#include <algorithm>
#include <cmath>

namespace {

std::uint8_t ToByte(double Value) {
  return static_cast<std::uint8_t>(std::lround(std::clamp(Value, 0.0, 1.0) * 255.0));
}

}  // namespace

TCanvas::TCanvas(int Width, int Height)
    : FWidth(Width),
      FHeight(Height),
      FPremultiplied(static_cast<std::size_t>(Width) * static_cast<std::size_t>(Height)) {}

void TCanvas::Over(int X, int Y, const TRgba& Color, double Coverage) {
  TRgba& Target = FPremultiplied[static_cast<std::size_t>(Y) * static_cast<std::size_t>(FWidth) +
                                 static_cast<std::size_t>(X)];
  const double Alpha = Color.A * Coverage;
  Target.R = Color.R * Alpha + Target.R * (1 - Alpha);
  Target.G = Color.G * Alpha + Target.G * (1 - Alpha);
  Target.B = Color.B * Alpha + Target.B * (1 - Alpha);
  Target.A = Alpha + Target.A * (1 - Alpha);
}

TBitmap32 TCanvas::ToBitmap() const {
  TBitmap32 Bitmap(FWidth, FHeight);
  for (int Y = 0; Y < FHeight; ++Y) {
    TPixel32* Row = Bitmap.Row(Y);
    for (int X = 0; X < FWidth; ++X) {
      const TRgba& P = FPremultiplied[static_cast<std::size_t>(Y) * static_cast<std::size_t>(FWidth) +
                                      static_cast<std::size_t>(X)];
      const std::uint8_t A = ToByte(P.A);
      Row[X] = A == 0 ? 0 : MakePixel32(ToByte(P.R / P.A), ToByte(P.G / P.A), ToByte(P.B / P.A), A);
    }
  }
  return Bitmap;
}
