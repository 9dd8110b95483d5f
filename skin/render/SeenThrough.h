// The colour seen through a partly transparent control: its own colour C with the colour
// behind it P showing through by its Transparency T. T is the percent as stored, used as a
// share of 256, so the parent's share is T/256 (50 over white on black gives 0x313131, not a
// mid grey); the top byte comes from P. Portable.
#pragma once

#include <cstdint>

#include "gfx/Color.h"

constexpr TColor MixSeenThrough(TColor Behind, TColor Own, int Transparency) {
  const auto P = static_cast<std::uint32_t>(Behind);
  const auto C = static_cast<std::uint32_t>(Own);
  std::uint32_t Result = P & 0xFF000000u;
  for (int Shift = 0; Shift < 24; Shift += 8) {
    const int PB = static_cast<int>(P >> Shift & 0xFF);
    const int CB = static_cast<int>(C >> Shift & 0xFF);
    const int Byte = ((PB - CB) * Transparency + CB * 256) >> 8;
    Result |= static_cast<std::uint32_t>(Byte & 0xFF) << Shift;
  }
  return static_cast<TColor>(Result);
}
