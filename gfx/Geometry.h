// Plain points and half-open rectangles (right column and bottom row excluded) for the
// portable pixel code. Portable: no <windows.h>.
#pragma once

#include <algorithm>

struct TPoint {
  int X = 0;
  int Y = 0;
  constexpr bool operator==(const TPoint&) const = default;
};

struct TRect {
  int Left = 0;
  int Top = 0;
  int Right = 0;
  int Bottom = 0;

  constexpr int Width() const { return Right - Left; }
  constexpr int Height() const { return Bottom - Top; }
  // Inverted rectangles (Right < Left or Bottom < Top) are empty too.
  constexpr bool IsEmpty() const { return Right <= Left || Bottom <= Top; }
  constexpr TRect Offset(int DX, int DY) const { return {Left + DX, Top + DY, Right + DX, Bottom + DY}; }
  constexpr bool Contains(int X, int Y) const { return X >= Left && X < Right && Y >= Top && Y < Bottom; }
  constexpr bool operator==(const TRect&) const = default;
};

constexpr TRect Bounds(int Left, int Top, int Width, int Height) {
  return {Left, Top, Left + Width, Top + Height};
}

// The common part of two rectangles; empty (IsEmpty) when they do not overlap.
constexpr TRect IntersectRect(const TRect& A, const TRect& B) {
  return {std::max(A.Left, B.Left), std::max(A.Top, B.Top), std::min(A.Right, B.Right),
          std::min(A.Bottom, B.Bottom)};
}
