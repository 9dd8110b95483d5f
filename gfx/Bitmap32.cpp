#include "gfx/Bitmap32.h"

#include <algorithm>
#include <stdexcept>
#include <string>
#include <utility>

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

TBitmap32 NewBitmap32(int Width, int Height) { return TBitmap32(Width, Height); }

TBitmap32 NewBitmap32(const TRect& Rect) { return TBitmap32(Rect.Width(), Rect.Height()); }

TBitmap32 NewBitmapLike(TConstBitmapView Bitmap) { return TBitmap32(Bitmap.Width, Bitmap.Height); }

void CloneBitmap(TBitmap32& Dst, TConstBitmapView Src) {
  TBitmap32 Copy(Src.Width, Src.Height);
  for (int Y = 0; Y < Src.Height; ++Y) std::copy_n(Src.Row(Y), Src.Width, Copy.Row(Y));
  Dst = std::move(Copy);
}

TPixel32 ReadPixel(TConstBitmapView Bitmap, int X, int Y) {
  if (X < 0 || Y < 0 || X >= Bitmap.Width || Y >= Bitmap.Height) return 0;
  return Bitmap.Row(Y)[X];
}
