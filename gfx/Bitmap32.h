// 32-bit pixels and the two ways of holding them:
//   TBitmap32     owns its pixels (top-down, tightly packed);
//   TBitmapView   borrows pixels owned elsewhere (a TBitmap32, a DIB section, a file
//                 buffer) and addresses them through row 0 and a signed stride in bytes.
// A pixel is straight (not premultiplied) alpha, bytes in memory blue, green, red, alpha;
// read as one integer it is 0xAARRGGBB.
#pragma once

#include <bit>
#include <cassert>
#include <cstddef>
#include <cstdint>
#include <type_traits>
#include <vector>

#include "gfx/Geometry.h"

static_assert(std::endian::native == std::endian::little, "pixels are read as little-endian integers");

using TPixel32 = std::uint32_t;

constexpr TPixel32 MakePixel32(std::uint8_t R, std::uint8_t G, std::uint8_t B, std::uint8_t A) {
  return (TPixel32{A} << 24) | (TPixel32{R} << 16) | (TPixel32{G} << 8) | TPixel32{B};
}
constexpr std::uint8_t PixelAlpha(TPixel32 Pixel) { return static_cast<std::uint8_t>(Pixel >> 24); }

// Sizes a bitmap may have: each side at most MaxBitmapSide, at most MaxBitmapPixels in all
// (256 MiB), so every byte offset fits easily in ptrdiff_t. Zero width or height is an
// empty bitmap.
constexpr int MaxBitmapSide = 1 << 16;
constexpr std::int64_t MaxBitmapPixels = std::int64_t{1} << 26;
constexpr bool IsValidBitmapSize(std::int64_t Width, std::int64_t Height) {
  return Width >= 0 && Height >= 0 && Width <= MaxBitmapSide && Height <= MaxBitmapSide &&
         Width * Height <= MaxBitmapPixels;
}

// A borrowed rectangle of pixels; owns nothing and must not outlive the pixels' owner.
// Row y starts at Row0 + y * Stride bytes; a bottom-up DIB is its last row in memory with
// a negative stride. Stride is a multiple of 4 (every 32-bit DIB row is).
template <class TPixel>
struct TBasicBitmapView {
  using TByte = std::conditional_t<std::is_const_v<TPixel>, const std::byte, std::byte>;

  TByte* Row0 = nullptr;
  int Width = 0;
  int Height = 0;
  std::ptrdiff_t Stride = 0;

  TBasicBitmapView() = default;
  TBasicBitmapView(TByte* ARow0, int AWidth, int AHeight, std::ptrdiff_t AStride)
      : Row0(ARow0), Width(AWidth), Height(AHeight), Stride(AStride) {
    assert(Width >= 0 && Height >= 0 && Stride % 4 == 0);
  }
  // A view of mutable pixels is also a view of const ones.
  template <class TOther>
  requires(std::is_same_v<const TOther, TPixel> && !std::is_same_v<TOther, TPixel>)
      TBasicBitmapView(const TBasicBitmapView<TOther>& Other)  // NOLINT: implicit on purpose
      : Row0(Other.Row0), Width(Other.Width), Height(Other.Height), Stride(Other.Stride) {}

  bool Empty() const { return Width <= 0 || Height <= 0; }

  TPixel* Row(int Y) const {
    assert(Y >= 0 && Y < Height);
    return reinterpret_cast<TPixel*>(Row0 + Y * Stride);
  }

  void Fill(TPixel32 Value) const requires(!std::is_const_v<TPixel>) {
    for (int Y = 0; Y < Height; ++Y) {
      TPixel* const Line = Row(Y);
      for (int X = 0; X < Width; ++X) Line[X] = Value;
    }
  }
};

using TBitmapView = TBasicBitmapView<TPixel32>;
using TConstBitmapView = TBasicBitmapView<const TPixel32>;

// An owning 32-bit bitmap, rows top-down without padding; new pixels are 0 (transparent).
class TBitmap32 {
 public:
  TBitmap32() = default;
  // Throws std::length_error unless IsValidBitmapSize(Width, Height).
  TBitmap32(int Width, int Height);

  int Width() const { return FWidth; }
  int Height() const { return FHeight; }
  bool Empty() const { return FWidth == 0 || FHeight == 0; }

  TPixel32* Row(int Y) { return View().Row(Y); }
  const TPixel32* Row(int Y) const { return View().Row(Y); }

  TBitmapView View();
  TConstBitmapView View() const;

  void Fill(TPixel32 Value) { View().Fill(Value); }

  bool operator==(const TBitmap32&) const = default;

 private:
  int FWidth = 0;
  int FHeight = 0;
  std::vector<TPixel32> FPixels;
};

// Row access for the pixel routines: the address of row 0 and the signed distance in bytes
// from row 0 to row 1 (0 for a bitmap of one row). False, and the caller draws nothing,
// when the bitmap has no rows or no columns.
template <class TPixel>
bool RowAccess(const TBasicBitmapView<TPixel>& Bitmap, typename TBasicBitmapView<TPixel>::TByte*& Row0,
               std::ptrdiff_t& Stride) {
  if (Bitmap.Height <= 0 || Bitmap.Width <= 0 || Bitmap.Row0 == nullptr) return false;
  Row0 = Bitmap.Row0;
  Stride = Bitmap.Height > 1 ? Bitmap.Stride : 0;
  return true;
}

// New 32-bit bitmaps, all pixels 0. Each throws std::length_error for a size out of range.
TBitmap32 NewBitmap32(int Width, int Height);
TBitmap32 NewBitmap32(const TRect& Rect);  // Rect's width and height
TBitmap32 NewBitmapLike(TConstBitmapView Bitmap);
// Dst becomes a copy of Src (its size and every pixel), whatever Src's stride.
void CloneBitmap(TBitmap32& Dst, TConstBitmapView Src);
// One pixel; 0 for a position outside the bitmap, which is never read.
TPixel32 ReadPixel(TConstBitmapView Bitmap, int X, int Y);

// The whole bitmap as a rectangle, for clipping.
template <class TPixel>
constexpr TRect BitmapRect(const TBasicBitmapView<TPixel>& Bitmap) {
  return {0, 0, Bitmap.Width, Bitmap.Height};
}
