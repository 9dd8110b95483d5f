// Plane geometry for the picture generator: distances to simple shapes, in pixels.
// Pixel (x, y) covers [x, x + 1) x [y, y + 1).
#pragma once

#include <algorithm>
#include <cmath>
#include <span>

struct TPointF {
  double X = 0;
  double Y = 0;
};

struct TSegment {
  TPointF A;
  TPointF B;
};

// Distance from P to the segment (a point when A equals B).
inline double SegmentDistance(TPointF P, const TSegment& S) {
  const double Dx = S.B.X - S.A.X;
  const double Dy = S.B.Y - S.A.Y;
  const double LengthSquared = Dx * Dx + Dy * Dy;
  double T = LengthSquared > 0 ? ((P.X - S.A.X) * Dx + (P.Y - S.A.Y) * Dy) / LengthSquared : 0;
  T = std::clamp(T, 0.0, 1.0);
  return std::hypot(P.X - (S.A.X + T * Dx), P.Y - (S.A.Y + T * Dy));
}

inline double SegmentsDistance(TPointF P, std::span<const TSegment> Segments) {
  double Nearest = INFINITY;
  for (const TSegment& S : Segments) Nearest = std::min(Nearest, SegmentDistance(P, S));
  return Nearest;
}

// 0 below Edge0, 1 above Edge1, a smooth S-curve between: soft edges and falloffs.
inline double SmoothStep(double Edge0, double Edge1, double X) {
  const double T = std::clamp((X - Edge0) / (Edge1 - Edge0), 0.0, 1.0);
  return T * T * (3 - 2 * T);
}

struct TRoundRect {
  double Left = 0;
  double Top = 0;
  double Right = 0;
  double Bottom = 0;
  double Radius = 0;

  TRoundRect Inset(double By) const { return {Left + By, Top + By, Right - By, Bottom - By, Radius - By}; }
  TRoundRect Offset(double Dx, double Dy) const {
    return {Left + Dx, Top + Dy, Right + Dx, Bottom + Dy, Radius};
  }
};

// Signed distance to the outline: negative inside.
inline double RoundRectDistance(TPointF P, const TRoundRect& R) {
  const double HalfWidth = (R.Right - R.Left) / 2;
  const double HalfHeight = (R.Bottom - R.Top) / 2;
  const double Qx = std::abs(P.X - (R.Left + HalfWidth)) - HalfWidth + R.Radius;
  const double Qy = std::abs(P.Y - (R.Top + HalfHeight)) - HalfHeight + R.Radius;
  return std::hypot(std::max(Qx, 0.0), std::max(Qy, 0.0)) + std::min(std::max(Qx, Qy), 0.0) - R.Radius;
}

// The heart curve (x^2 + y^2 - 1)^3 <= x^2 y^3, scaled so that it is about Size pixels
// wide, centred on Centre.
inline bool InsideHeart(TPointF P, TPointF Centre, double Size) {
  const double Scale = Size / 2.3;
  const double X = (P.X - Centre.X) / Scale;
  const double Y = -(P.Y - Centre.Y) / Scale + 0.1;
  const double A = X * X + Y * Y - 1;
  return A * A * A <= X * X * Y * Y * Y;
}
