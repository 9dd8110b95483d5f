// Decoding the separate images of a skin (BMP, JPEG, PNG) into 32-bit straight-alpha pixels.
// A file that cannot be decoded is no image: callers leave out the picture that needed it.
// Portable.
#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string_view>

#include "gfx/Bitmap32.h"

// Skin images are far smaller; a larger declared size is refused before allocating.
inline constexpr std::int64_t MaxSkinImagePixels = std::int64_t{1} << 24;

enum class TSkinImageKind { None, Bmp, Jpeg, Png };

// By the upper-cased name: containing ".BMP", else ".JPG" or ".JPEG", else ".PNG".
TSkinImageKind SkinImageKindOf(std::string_view UpperName);

struct TDecodedImage {
  TBitmap32 Pixels;
  bool HasAlpha = false;  // 32-bit BMP or PNG; otherwise alpha is 255 everywhere
};

std::optional<TDecodedImage> DecodeSkinImage(std::span<const std::uint8_t> Bytes, TSkinImageKind Kind);

// A picture without an alpha channel: every pixel opaque except the key colour 0xFF00FF,
// which becomes transparent (alpha 0, colour kept).
void MakeKeyColorTransparent(TBitmapView Pixels);
