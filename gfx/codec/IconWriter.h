// Windows icon files (.ico) of 32-bit images with alpha, each stored as a bitmap: an info
// header of double height, the BGRA rows bottom-up, then the 1-bit AND mask (set where a
// pixel is fully transparent, for systems that draw icons without alpha).
#pragma once

#include <cstdint>
#include <span>
#include <vector>

#include "gfx/Bitmap32.h"

// Images in the order they are to be stored; each side 1 to 256 pixels, else
// std::invalid_argument.
std::vector<std::uint8_t> WriteIco(std::span<const TConstBitmapView> Images);
