// Whether the corners of a border picture hold the key colour (its CornerType 1). Each source
// picture is counted once, into a table of key pixels above and left of every point; every
// corner of every state picture is then answered in constant time, however many borders
// share the source or how large their corners are.
// Portable.
#pragma once

#include <cstdint>
#include <unordered_map>
#include <vector>

#include "gfx/Bitmap32.h"
#include "gfx/Geometry.h"
#include "skin/store/sSkinData.h"

// Key pixels counted over a picture without its last row and column (the corner test never
// looks there).
class TKeyColorCount {
 public:
  explicit TKeyColorCount(TConstBitmapView Source);
  // A key-colour pixel in Area (clipped)?
  bool Any(TRect Area) const;

 private:
  int FWidth = 0;   // counted columns
  int FHeight = 0;  // counted rows
  std::vector<std::uint32_t> FCounts;  // (FWidth + 1) x (FHeight + 1)
};

// The counts of each source picture a load asks about, made on first use.
class TKeyColorCorners {
 public:
  // A corner of any state picture of Picture, cut from Source, holds the key colour?
  bool HasKeyColorCorner(TConstBitmapView Source, const TsMaskData& Picture);

 private:
  std::unordered_map<const void*, TKeyColorCount> FCounts;
};
