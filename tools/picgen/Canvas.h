// An anti-aliasing painter for the picture generator. Shapes are painted with the weight
// of how much of each pixel they cover, measured on a grid of sample points; colours are
// kept premultiplied in floating point until the picture is finished.
#pragma once

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <vector>

#include "gfx/Bitmap32.h"
#include "tools/picgen/Shapes.h"

// A straight-alpha colour, each part 0 to 1.
struct TRgba {
  double R = 0;
  double G = 0;
  double B = 0;
  double A = 0;
};

constexpr TRgba Rgb(std::uint32_t Hex, double Alpha = 1.0) {
  return {((Hex >> 16) & 0xFF) / 255.0, ((Hex >> 8) & 0xFF) / 255.0, (Hex & 0xFF) / 255.0, Alpha};
}

constexpr TRgba MixRgba(const TRgba& From, const TRgba& To, double T) {
  return {From.R + (To.R - From.R) * T, From.G + (To.G - From.G) * T, From.B + (To.B - From.B) * T,
          From.A + (To.A - From.A) * T};
}

// Colour sources for TCanvas::Fill: one colour, and a vertical gradient between two
// colours over the rows Top to Bottom.
inline auto Solid(const TRgba& Color) {
  return [=](TPointF) { return Color; };
}

inline auto VerticalGradient(const TRgba& From, const TRgba& To, double Top, double Bottom) {
  return [=](TPointF P) { return MixRgba(From, To, std::clamp((P.Y - Top) / (Bottom - Top), 0.0, 1.0)); };
}

// A rectangle in pixel coordinates, right and bottom excluded.
struct TBoxF {
  double Left = 0;
  double Top = 0;
  double Right = 0;
  double Bottom = 0;
};

class TCanvas {
 public:
  // Samples per pixel in each direction: 8 x 8 gives 64 coverage levels, smooth enough
  // for edges at any angle.
  static constexpr int Samples = 8;

  TCanvas(int Width, int Height);

  int Width() const { return FWidth; }
  int Height() const { return FHeight; }

  // Paints ColorAt(pixel centre) over every pixel that Bounds touches, weighted by the
  // share of its sample points for which Inside(point) holds. Bounds spares the work of
  // sampling where the shape cannot be.
  template <class TInside, class TColorAt>
  void Fill(const TBoxF& Bounds, const TInside& Inside, const TColorAt& ColorAt) {
    const int Left = std::max(0, static_cast<int>(std::floor(Bounds.Left)));
    const int Top = std::max(0, static_cast<int>(std::floor(Bounds.Top)));
    const int Right = std::min(FWidth, static_cast<int>(std::ceil(Bounds.Right)));
    const int Bottom = std::min(FHeight, static_cast<int>(std::ceil(Bounds.Bottom)));
    for (int Y = Top; Y < Bottom; ++Y)
      for (int X = Left; X < Right; ++X) {
        int Hits = 0;
        for (int Sy = 0; Sy < Samples; ++Sy)
          for (int Sx = 0; Sx < Samples; ++Sx)
            if (Inside(TPointF{X + (Sx + 0.5) / Samples, Y + (Sy + 0.5) / Samples})) ++Hits;
        if (Hits > 0) Over(X, Y, ColorAt(TPointF{X + 0.5, Y + 0.5}), double(Hits) / (Samples * Samples));
      }
  }

  // Paints Color over every pixel with the weight WeightAt(pixel centre), 0 to 1: for
  // shapes that are soft by nature, such as shadows.
  template <class TWeightAt>
  void FillSoft(const TWeightAt& WeightAt, const TRgba& Color) {
    for (int Y = 0; Y < FHeight; ++Y)
      for (int X = 0; X < FWidth; ++X) {
        const double Weight = WeightAt(TPointF{X + 0.5, Y + 0.5});
        if (Weight > 0) Over(X, Y, Color, Weight);
      }
  }

  // Straight alpha, rounded to bytes; fully transparent pixels are 0.
  TBitmap32 ToBitmap() const;

 private:
  void Over(int X, int Y, const TRgba& Color, double Coverage);

  int FWidth;
  int FHeight;
  std::vector<TRgba> FPremultiplied;
};
