// 32-bit pixels to PNG file bytes (8-bit RGBA, straight alpha), for the programs that draw
// and preview skins and for tests that build skins in code.
#pragma once

#include <cstdint>
#include <vector>

#include "gfx/Bitmap32.h"

// Throws std::runtime_error when libpng cannot encode the picture (an empty one, say).
std::vector<std::uint8_t> EncodePng(const TBitmap32& Pixels);
