#include "gfx/codec/PngEncode.h"

#include <png.h>

#include <stdexcept>

std::vector<std::uint8_t> EncodePng(const TBitmap32& Pixels) {
  png_image Image{};
  Image.version = PNG_IMAGE_VERSION;
  Image.width = static_cast<png_uint_32>(Pixels.Width());
  Image.height = static_cast<png_uint_32>(Pixels.Height());
  Image.format = PNG_FORMAT_BGRA;
  png_alloc_size_t Size = 0;
  if (Pixels.Empty() || !png_image_write_to_memory(&Image, nullptr, &Size, 0, Pixels.Row(0), 0, nullptr))
    throw std::runtime_error("cannot encode a " + std::to_string(Pixels.Width()) + " x " +
                             std::to_string(Pixels.Height()) + " picture as PNG");
  std::vector<std::uint8_t> Bytes(Size);
  if (!png_image_write_to_memory(&Image, Bytes.data(), &Size, 0, Pixels.Row(0), 0, nullptr))
    throw std::runtime_error("cannot encode a picture as PNG");
  Bytes.resize(Size);
  return Bytes;
}
