// Alignment of a container's children: the pure layout rule, without windows. Portable.
//
// Aligned children take their place in the order top, bottom, left, right, client. Within a
// kind, the child nearest the edge it sticks to goes first (ties keep child order), so
// re-aligning an already aligned layout changes nothing. Each takes the full extent of what is
// left along its edge and keeps its own size across it (even when that overflows, so a
// window that shrinks and grows again gets its layout back); a client child fills the rest.
// No size goes below 0.
#pragma once

#include <vector>

#include "gfx/Geometry.h"

enum class TAlign { alNone, alTop, alBottom, alLeft, alRight, alClient };

struct TAlignItem {
  TAlign Align = TAlign::alNone;
  TRect Bounds;
};

// The new bounds of every item, in the order given; alNone items keep theirs.
std::vector<TRect> AlignBounds(const TRect& Client, const std::vector<TAlignItem>& Items);
