// Sections: the colour line along a gradient's axis (bands); kinds 0 and 1;
// the four-corner kind; the textured gradient.
#include "skin/render/Gradient.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <string>

// ---- The colour line ----

namespace {

TPixel32 PointPixel(const TsGradPoint& P) {
  return 0xFF000000u | TPixel32{P.Color.R} << 16 | TPixel32{P.Color.G} << 8 | TPixel32{P.Color.B};
}

// The gradient's colours along one axis for positions [First, Last] of the bitmap; a
// position no band reaches keeps Painted false and its pixels are left alone.
struct TColorLine {
  std::int64_t First = 0;
  std::vector<TPixel32> Colors;
  std::vector<std::uint8_t> Painted;

  bool Empty() const { return Colors.empty(); }
};

// One band from Start to End inclusive (End > Start): single-precision steps accumulated
// row by row, or, for a smooth band, an exact interpolation.
void PaintBand(TColorLine& Line, std::int64_t Start, std::int64_t End, const TsGradPoint& P1, const TsGradPoint& P2) {
  const std::int64_t Last = Line.First + static_cast<std::int64_t>(Line.Colors.size()) - 1;
  const std::int64_t From = std::max(Start, Line.First);
  const std::int64_t To = std::min(End, Last);
  if (From > To) return;
  const TPixel32 C1 = PointPixel(P1);
  const TPixel32 C2 = PointPixel(P2);
  const auto Put = [&](std::int64_t Pos, TPixel32 Color) {
    const auto I = static_cast<std::size_t>(Pos - Line.First);
    Line.Colors[I] = Color;
    Line.Painted[I] = 1;
  };
  if (C1 == C2) {
    for (std::int64_t Pos = From; Pos <= To; ++Pos) Put(Pos, C1);
    return;
  }
  const bool Smooth = ((P1.Mode | P2.Mode) & GradientSmoothBand) != 0;
  const auto Byte = [](double V) { return static_cast<TPixel32>(std::clamp(std::nearbyint(V), 0.0, 255.0)); };
  float Value[3];
  float Step[3];
  for (int C = 0; C < 3; ++C) {
    const int Shift = 8 * C;
    const float A = static_cast<float>((C1 >> Shift) & 0xFF);
    const float B = static_cast<float>((C2 >> Shift) & 0xFF);
    Step[C] = (B - A) / static_cast<float>(End - Start);
    // Rows above the clip are not painted; jump over them in one step.
    Value[C] = A + Step[C] * static_cast<float>(From - Start);
  }
  for (std::int64_t Pos = From; Pos <= To; ++Pos) {
    TPixel32 Color = 0xFF000000u;
    for (int C = 0; C < 3; ++C) {
      const int Shift = 8 * C;
      double V = Value[C];
      if (Smooth) {
        const double A = (C1 >> Shift) & 0xFF;
        const double B = (C2 >> Shift) & 0xFF;
        V = A + (B - A) * static_cast<double>(Pos - Start) / static_cast<double>(End - Start);
      }
      Color |= Byte(V) << Shift;
      Value[C] += Step[C];
    }
    Put(Pos, Color);
  }
}

// Kind 0 (Vertical) or 1: the bands over RectStart..RectEnd (exclusive) of the axis,
// clipped to [0, Size); Offset only for kind 0.
TColorLine BuildLine(const TsGradArray& Points, bool Vertical, std::int64_t RectStart, std::int64_t RectEnd,
                     std::int64_t Size, std::int64_t Offset) {
  TColorLine Line;
  const std::int64_t First = std::max<std::int64_t>(RectStart, 0);
  const std::int64_t Last = std::min(RectEnd, Size) - 1;
  if (Last < First || Points.size() < 2) return Line;
  Line.First = First;
  Line.Colors.assign(static_cast<std::size_t>(Last - First + 1), 0);
  Line.Painted.assign(Line.Colors.size(), 0);
  const std::int64_t Length = RectEnd - RectStart;
  std::int64_t Start = Vertical ? RectStart + Offset : RectStart;
  for (std::size_t K = 1; K < Points.size(); ++K) {
    const int Delta = Points[K].Percent - Points[K - 1].Percent;
    std::int64_t End = 0;
    if (K + 1 == Points.size())
      End = Last;
    else if (Vertical)
      End = std::min(Start + Delta * (Offset + Length) / 100, Last);
    else
      End = std::min(static_cast<std::int64_t>(std::nearbyint(static_cast<double>(Start) + Delta * static_cast<double>(Length) / 100)), Last);
    if (End > Start) PaintBand(Line, Start, End, Points[K - 1], Points[K]);
    Start = End;
  }
  return Line;
}

int Kind(const TsGradArray& Points) { return Points.empty() ? 3 : Points[0].Mode & GradientKindMask; }

// ---- Four corners and centre ----

// Fills R (already clipped) of the rectangle Full with four triangles meeting at Full's
// centre, each interpolating its corners' colours linearly. The triangle fill and the path
// gradient over a rectangle come to the same picture, so both take this path.
void PaintCorners(TBitmapView Bitmap, const TRect& Full, const TRect& R, const TsGradArray& Points) {
  struct TVertex {
    double X, Y;
    double C[3];
  };
  const auto Vertex = [](double X, double Y, const TsGradPoint& P) {
    return TVertex{X, Y, {double(P.Color.B), double(P.Color.G), double(P.Color.R)}};  // pixel order
  };
  const double L = Full.Left, T = Full.Top, Rt = double(Full.Right) - 1, B = double(Full.Bottom) - 1;
  const TVertex TL = Vertex(L, T, Points[0]), Centre = Vertex((L + Rt) / 2, (T + B) / 2, Points[1]),
                TR = Vertex(Rt, T, Points[2]), BR = Vertex(Rt, B, Points[3]), BL = Vertex(L, B, Points[4]);
  const TVertex* Triangles[4][3] = {{&TL, &Centre, &TR}, {&Centre, &TR, &BR}, {&TL, &Centre, &BL}, {&BL, &Centre, &BR}};
  for (int Y = R.Top; Y < R.Bottom; ++Y) {
    TPixel32* const Line = Bitmap.Row(Y);
    for (int X = R.Left; X < R.Right; ++X) {
      // Pick the triangle by the diagonals through the centre (normalised to a square).
      const double U = Rt > L ? (X - L) / (Rt - L) : 0.5;
      const double V = B > T ? (Y - T) / (B - T) : 0.5;
      const int Which = V <= U ? (V <= 1 - U ? 0 : 1) : (V <= 1 - U ? 2 : 3);
      const TVertex& P0 = *Triangles[Which][0];
      const TVertex& P1 = *Triangles[Which][1];
      const TVertex& P2 = *Triangles[Which][2];
      const double Det = (P1.Y - P2.Y) * (P0.X - P2.X) + (P2.X - P1.X) * (P0.Y - P2.Y);
      double W0 = 1, W1 = 0;
      if (Det != 0) {
        W0 = ((P1.Y - P2.Y) * (X - P2.X) + (P2.X - P1.X) * (Y - P2.Y)) / Det;
        W1 = ((P2.Y - P0.Y) * (X - P2.X) + (P0.X - P2.X) * (Y - P2.Y)) / Det;
      }
      const double W2 = 1 - W0 - W1;
      TPixel32 Color = 0xFF000000u;
      for (int C = 0; C < 3; ++C) {
        const double Value = W0 * P0.C[C] + W1 * P1.C[C] + W2 * P2.C[C];
        Color |= static_cast<TPixel32>(std::clamp(std::nearbyint(Value), 0.0, 255.0)) << (8 * C);
      }
      Line[X] = Color;
    }
  }
}

}  // namespace

// ---- Painting ----

void PaintGradient(TBitmapView Bitmap, const TRect& Rect, const TsGradArray& Points, int Offset) {
  const TRect R = IntersectRect(Rect, BitmapRect(Bitmap));
  if (R.IsEmpty() || Points.empty() || Bitmap.Row0 == nullptr) return;
  switch (Kind(Points)) {
    case 0: {
      const TColorLine Line = BuildLine(Points, true, Rect.Top, Rect.Bottom, Bitmap.Height, Offset);
      for (std::size_t I = 0; I < Line.Colors.size(); ++I) {
        if (!Line.Painted[I]) continue;
        TPixel32* const Row = Bitmap.Row(static_cast<int>(Line.First + static_cast<std::int64_t>(I)));
        std::fill(Row + R.Left, Row + R.Right, Line.Colors[I]);
      }
      break;
    }
    case 1: {
      const TColorLine Line = BuildLine(Points, false, Rect.Left, Rect.Right, Bitmap.Width, 0);
      if (Line.Empty()) return;
      for (int Y = R.Top; Y < R.Bottom; ++Y) {
        TPixel32* const Row = Bitmap.Row(Y);
        for (std::size_t I = 0; I < Line.Colors.size(); ++I)
          if (Line.Painted[I]) Row[Line.First + static_cast<std::int64_t>(I)] = Line.Colors[I];
      }
      break;
    }
    case 2:
      if (Points.size() >= 5) PaintCorners(Bitmap, Rect, R, Points);
      break;
    default:
      break;
  }
}

// ---- With texture ----

namespace {

TPixel32 MixTexture(TPixel32 G, TPixel32 T, int Weight, TPixel32 AlphaBits) {
  TPixel32 Out = AlphaBits;
  for (int Shift = 0; Shift < 24; Shift += 8) {
    const int GV = static_cast<int>((G >> Shift) & 0xFF);
    const int TV = static_cast<int>((T >> Shift) & 0xFF);
    Out |= static_cast<TPixel32>((Weight * (TV - GV) + GV * 256) >> 8) << Shift;
  }
  return Out;
}

int PositiveMod(std::int64_t A, int B) { return static_cast<int>(((A % B) + B) % B); }

}  // namespace

void PaintGradientTextured(TBitmapView Bitmap, const TRect& Rect, const TsGradArray& Points, std::uint8_t Alpha,
                           int TextureWeight, const TRect& TextureRect, TConstBitmapView Texture) {
  const TRect R = IntersectRect(Rect, BitmapRect(Bitmap));
  const int GradientKind = Kind(Points);
  if (R.IsEmpty() || Bitmap.Row0 == nullptr || (GradientKind != 0 && GradientKind != 1)) return;
  const TRect Tex = IntersectRect(TextureRect.IsEmpty() ? BitmapRect(Texture) : TextureRect, BitmapRect(Texture));
  if (Tex.IsEmpty() || Texture.Row0 == nullptr) return;
  const int TW = Tex.Width();
  const int TH = Tex.Height();
  const TPixel32 AlphaBits = TPixel32{Alpha} << 24;
  const auto TextureRow = [&](int Y) { return Texture.Row(Tex.Top + PositiveMod(Y, TH)) + Tex.Left; };

  if (GradientKind == 0) {
    const TColorLine Line = BuildLine(Points, true, Rect.Top, Rect.Bottom, Bitmap.Height, 0);
    for (std::size_t I = 0; I < Line.Colors.size(); ++I) {
      if (!Line.Painted[I]) continue;
      const int Y = static_cast<int>(Line.First + static_cast<std::int64_t>(I));
      TPixel32* const Row = Bitmap.Row(Y);
      const TPixel32* const T = TextureRow(Y);
      for (int X = R.Left; X < R.Right; ++X) Row[X] = MixTexture(Line.Colors[I], T[X % TW], TextureWeight, AlphaBits);
    }
    return;
  }
  const TColorLine Line = BuildLine(Points, false, Rect.Left, Rect.Right, Bitmap.Width, 0);
  if (Line.Empty()) return;
  const int PeriodEnd = std::min(R.Bottom, R.Top + TH);
  for (int Y = R.Top; Y < PeriodEnd; ++Y) {
    TPixel32* const Row = Bitmap.Row(Y);
    const TPixel32* const T = TextureRow(Y);
    for (std::size_t I = 0; I < Line.Colors.size(); ++I) {
      if (!Line.Painted[I]) continue;
      const int X = static_cast<int>(Line.First + static_cast<std::int64_t>(I));
      Row[X] = MixTexture(Line.Colors[I], T[X % TW], TextureWeight, AlphaBits);
    }
  }
  // Every later row repeats the row one texture period above it.
  for (int Y = PeriodEnd; Y < R.Bottom; ++Y) std::copy_n(Bitmap.Row(Y - TH) + R.Left, R.Width(), Bitmap.Row(Y) + R.Left);
}
