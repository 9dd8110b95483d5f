// A control's outer effect (a light or a shadow painted into its parent's picture around the
// control): which picture item, offsets and opacity it takes, and its painting, which keeps
// the parent's pixels under it. Portable.
#pragma once

#include <algorithm>
#include <cstdint>
#include <optional>

#include "gfx/Bitmap32.h"
#include "gfx/Geometry.h"
#include "skin/store/sSkinData.h"

struct TOuterEffectLook {
  int Mask = -1;    // the picture item
  TRect Offsets;    // how far the effect reaches beyond the control: left, top, right, bottom
  int Opacity = 0;  // 0..255
};

// The section's own effect; without an OuterMask of its own, the skin's effect number
// OuterMode (1 the light, 2 the shadow). None for an OuterMode below 1, or a skin effect
// without a source or a mask.
std::optional<TOuterEffectLook> OuterEffectOf(const TsGeneralData& Section, const TacOutEffArray& Effects);

// The control's Bounds moved by Offset (where the parent's picture puts the parent's
// origin) and widened outwards by Offsets. Each edge is held within +-2^29, so that any
// offsets a skin gives leave a width and a height that fit an int (and paint nothing).
constexpr TRect OuterEffectRect(const TRect& Bounds, TPoint Offset, const TRect& Offsets) {
  const auto Edge = [](std::int64_t Value) {
    constexpr std::int64_t Limit = std::int64_t{1} << 29;
    return static_cast<int>(std::clamp(Value, -Limit, Limit));
  };
  return {Edge(std::int64_t{Bounds.Left} + Offset.X - Offsets.Left),
          Edge(std::int64_t{Bounds.Top} + Offset.Y - Offsets.Top),
          Edge(std::int64_t{Bounds.Right} + Offset.X + Offsets.Right),
          Edge(std::int64_t{Bounds.Bottom} + Offset.Y + Offsets.Bottom)};
}

// Paints the effect of Item into Picture over Rect, after keeping the pixels it covers in
// Saved. With RestoreFirst and a copy in Saved, the effect goes over that copy instead, which
// is then put into Picture at Rect, and Saved keeps what Picture held there before. A Rect
// too large for a bitmap paints nothing.
void PaintOuterEffect(TBitmapView Picture, const TRect& Rect, const TOuterEffectLook& Look,
                      const TsMaskData& Item, TConstBitmapView Master, bool RestoreFirst,
                      std::optional<TBitmap32>& Saved);
