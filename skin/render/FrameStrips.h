// Where the four strips of a frame lie: the rectangles a frame fill paints and the blocks a
// frame copy moves, in the order they are drawn. Portable, so the geometry is tested natively.
#pragma once

#include <array>

#include "gfx/Geometry.h"

// Top (full width, WT high), left (below the top, WL wide), bottom (right of the left strip,
// WB high), right (between top and bottom, WR wide).
constexpr std::array<TRect, 4> SolidFrameStrips(const TRect& R, int WL, int WT, int WR, int WB) {
  return {TRect{R.Left, R.Top, R.Right, R.Top + WT}, TRect{R.Left, R.Top + WT, R.Left + WL, R.Bottom},
          TRect{R.Left + WL, R.Bottom - WB, R.Right, R.Bottom}, TRect{R.Right - WR, R.Top + WT, R.Right, R.Bottom - WB}};
}

// The frame of width BW of a W x H area at (X, Y): left (BW x H) at (X, Y), top (W x BW) at
// (X + BW, Y), right (BW x H) at (X + W - BW, Y + BW), bottom (W x BW) at (X + BW, Y + H - BW).
// Each strip is as long as the area's side, so the top, right and bottom ones reach BW past
// the corner; the copy takes the same places from the source, so that part only repeats
// what is there.
constexpr std::array<TRect, 4> FrameCopyStrips(int X, int Y, int W, int H, int BW) {
  return {Bounds(X, Y, BW, H), Bounds(X + BW, Y, W, BW), Bounds(X + W - BW, Y + BW, BW, H),
          Bounds(X + BW, Y + H - BW, W, BW)};
}
