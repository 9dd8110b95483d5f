// The built-in form-shadow templates come as PNG files with alpha; their fully transparent
// white pixels (exactly 0x00FFFFFF) are made 0 so that the painters see transparent black.
// Portable.
#pragma once

#include <cstdint>
#include <span>

#include "gfx/Bitmap32.h"

// The decoded picture, or an empty bitmap when the bytes are not a PNG file.
TBitmap32 DecodeShadowTemplate(std::span<const std::uint8_t> Png);
