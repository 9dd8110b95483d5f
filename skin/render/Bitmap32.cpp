#include "skin/render/Bitmap32.h"

#include <stdexcept>
#include <string>

TBitmap32::TBitmap32(int Width, int Height) {
  if (!IsValidBitmapSize(Width, Height))
    throw std::length_error("bitmap size " + std::to_string(Width) + " x " + std::to_string(Height) +
                            " is out of range");
  FWidth = Width;
  FHeight = Height;
  FPixels.assign(static_cast<std::size_t>(Width) * static_cast<std::size_t>(Height), 0);
}

TBitmapView TBitmap32::View() {
  return {reinterpret_cast<std::byte*>(FPixels.data()), FWidth, FHeight,
          static_cast<std::ptrdiff_t>(FWidth) * 4};
}

TConstBitmapView TBitmap32::View() const {
  return {reinterpret_cast<const std::byte*>(FPixels.data()), FWidth, FHeight,
          static_cast<std::ptrdiff_t>(FWidth) * 4};
}
