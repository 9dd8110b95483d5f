// The text of a multi-stop colour gradient of a skin section, read into its points.
// Portable.
#pragma once

#include <cstdint>
#include <string_view>
#include <vector>

#include "gfx/Color.h"

struct TsGradPoint {
  std::uint16_t Index = 0;
  // Bits 0-1 (of the first point): 0 top to bottom, 1 left to right, 2 four corners and
  // centre, 3 nothing. Bit 4: the band to the neighbour is a smooth band. Bit 5 (first
  // point): the corners are painted as a path gradient.
  std::int32_t Mode = 0;
  TsColor Color;  // a TColor's bytes: R is byte 0
  std::uint8_t Percent = 0;  // 0..100, the last point at 100
  constexpr bool operator==(const TsGradPoint&) const = default;
};
using TsGradArray = std::vector<TsGradPoint>;

constexpr std::int32_t GradientKindMask = 0x03;
constexpr std::int32_t GradientSmoothBand = 0x10;
constexpr std::int32_t GradientPathCorners = 0x20;

// Both text formats: five fields a point ending in "0", or three fields a point ending in a
// letter that counts the points. Text of 4 characters or fewer gives no points. A field that
// is not an integer throws EConvertError (skin/store/ConvertError.h).
TsGradArray ParseGradient(std::string_view Text);

