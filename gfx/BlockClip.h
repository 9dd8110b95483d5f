// A block of pixels going from a source picture to a target picture, cut to the part that
// lies inside both. The arithmetic is 64-bit, so any int position or size is safe: a block
// starting at INT_MIN or as wide as INT_MAX is cut like any other. Portable.
#pragma once

#include <algorithm>
#include <cstdint>

// A W x H block from (SX, SY) of a source to (DX, DY) of a target.
struct TBlock {
  int DX = 0, DY = 0, SX = 0, SY = 0, W = 0, H = 0;
};

// Cuts the W x H block from (SX, SY) of a SourceW x SourceH picture to (DX, DY) of a
// TargetW x TargetH one so that it lies inside both; columns and rows cut off at the start
// move both positions alike. False, and Out unchanged, when nothing is left.
constexpr bool ClipBlock(std::int64_t DX, std::int64_t DY, std::int64_t SX, std::int64_t SY, std::int64_t W,
                         std::int64_t H, int TargetW, int TargetH, int SourceW, int SourceH, TBlock& Out) {
  const std::int64_t CutX = std::max({std::int64_t{0}, -DX, -SX});
  const std::int64_t CutY = std::max({std::int64_t{0}, -DY, -SY});
  DX += CutX;
  SX += CutX;
  DY += CutY;
  SY += CutY;
  W = std::min({W - CutX, TargetW - DX, SourceW - SX});
  H = std::min({H - CutY, TargetH - DY, SourceH - SY});
  if (W <= 0 || H <= 0) return false;
  Out = {static_cast<int>(DX), static_cast<int>(DY), static_cast<int>(SX), static_cast<int>(SY), static_cast<int>(W),
         static_cast<int>(H)};
  return true;
}
