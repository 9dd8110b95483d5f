#include "skin/frame/GlowRect.h"

#include <cstdint>
#include <limits>

#include "gfx/Bitmap32.h"

std::optional<TRect> GlowWindowRect(const TRect& RealRect, const TsMaskData& Glow, int Margin) {
  // 64-bit, so that no skin value or rectangle overflows the sums.
  const std::int64_t Width = std::int64_t{RealRect.Width()} + Glow.WL + Glow.WR - 2 * std::int64_t{Margin};
  const std::int64_t Height = std::int64_t{RealRect.Height()} + Glow.WT + Glow.WB - 2 * std::int64_t{Margin};
  const std::int64_t Left = std::int64_t{RealRect.Left} + Margin - Glow.WL;
  const std::int64_t Top = std::int64_t{RealRect.Top} + Margin - Glow.WT;
  // A glow whose picture cannot be made is not shown either.
  if (Width <= 0 || Height <= 0 || !IsValidBitmapSize(Width, Height)) return std::nullopt;
  constexpr std::int64_t Lowest = std::numeric_limits<int>::min();
  constexpr std::int64_t Highest = std::numeric_limits<int>::max();
  if (Left < Lowest || Top < Lowest || Left + Width > Highest || Top + Height > Highest) return std::nullopt;
  return Bounds(static_cast<int>(Left), static_cast<int>(Top), static_cast<int>(Width), static_cast<int>(Height));
}
