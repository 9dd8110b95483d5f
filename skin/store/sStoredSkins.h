// The skins kept inside the program: each a name, its shadow settings and the packed skin.
// Portable.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "skin/render/Color.h"

struct TsStoredSkin {
  std::wstring Name;
  TColor Shadow1Color = clBlack;
  int Shadow1Offset = 0;
  int Shadow1Transparency = 0;
  std::vector<std::uint8_t> PackedData;  // the container, as stored
};

using TsStoredSkins = std::vector<TsStoredSkin>;
