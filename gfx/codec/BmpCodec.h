// Windows bitmap files (.bmp) to and from 32-bit pixels.
// Reads uncompressed 1-, 4- and 8-bit (with their colour table), 24- and 32-bit files,
// bottom-up or top-down, with any of the usual info headers; 32-bit files may be BI_RGB or BI_BITFIELDS with the standard byte masks,
// and their fourth byte is kept as alpha. Writes 32-bit files with alpha that Windows'
// LoadImage, common viewers and ReadBmp all accept.
#pragma once

#include <cstdint>
#include <span>
#include <stdexcept>
#include <vector>

#include "gfx/Bitmap32.h"

// The one error of the reader: says what was wrong and at which byte of the file.
class EBmpError : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

struct TBmpImage {
  TBitmap32 Pixels;
  // Bits per pixel in the file. Pictures without an alpha channel (below 32) come with
  // alpha 255; a loader may then mark its key colour transparent.
  int BitCount = 0;
};

// Throws EBmpError for anything it cannot read; never reads outside Bytes.
TBmpImage ReadBmp(std::span<const std::uint8_t> Bytes);

// A complete 32-bit file (BITMAPV5HEADER, BI_BITFIELDS with an alpha mask, bottom-up).
std::vector<std::uint8_t> WriteBmp32(TConstBitmapView Pixels);
