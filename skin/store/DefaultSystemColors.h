// The system colours of a default Windows 10 desktop, for the portable store when no live
// answer is supplied (the Win32 manager supplies GetSysColor instead). TColor order:
// 0x00BBGGRR.
// Portable.
#pragma once

#include <array>

#include "gfx/Color.h"

namespace DefaultSystemColorsDetail {
constexpr TColor Rgb(int R, int G, int B) { return static_cast<TColor>(R | G << 8 | B << 16); }
inline constexpr std::array<TColor, 31> Table{
    Rgb(200, 200, 200), Rgb(0, 0, 0),       Rgb(153, 180, 209), Rgb(191, 205, 219), Rgb(240, 240, 240),
    Rgb(255, 255, 255), Rgb(100, 100, 100), Rgb(0, 0, 0),       Rgb(0, 0, 0),       Rgb(0, 0, 0),
    Rgb(180, 180, 180), Rgb(244, 247, 252), Rgb(171, 171, 171), Rgb(0, 120, 215),   Rgb(255, 255, 255),
    Rgb(240, 240, 240), Rgb(160, 160, 160), Rgb(109, 109, 109), Rgb(0, 0, 0),       Rgb(0, 0, 0),
    Rgb(255, 255, 255), Rgb(105, 105, 105), Rgb(227, 227, 227), Rgb(0, 0, 0),       Rgb(255, 255, 225),
    Rgb(0, 0, 0),       Rgb(0, 102, 204),   Rgb(185, 209, 234), Rgb(215, 228, 242), Rgb(51, 153, 255),
    Rgb(240, 240, 240)};
}  // namespace DefaultSystemColorsDetail

// The colour of system colour Index (0..30); black for any other index.
constexpr TColor DefaultSystemColor(int Index) {
  return Index >= 0 && Index < static_cast<int>(DefaultSystemColorsDetail::Table.size())
             ? DefaultSystemColorsDetail::Table[static_cast<std::size_t>(Index)]
             : clBlack;
}
