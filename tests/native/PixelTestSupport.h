// Small helpers for the pixel tests: bitmaps filled from a list, views with padded or
// negative strides over memory the test owns (with a guard value outside the pixels).
#pragma once

#include <cstddef>
#include <initializer_list>
#include <vector>

#include "gfx/Bitmap32.h"

inline TBitmap32 BitmapOf(int Width, int Height, std::initializer_list<TPixel32> Pixels) {
  TBitmap32 Bitmap(Width, Height);
  auto It = Pixels.begin();
  for (int Y = 0; Y < Height; ++Y)
    for (int X = 0; X < Width; ++X) Bitmap.Row(Y)[X] = It != Pixels.end() ? *It++ : 0;
  return Bitmap;
}

inline TBitmap32 Filled(int Width, int Height, TPixel32 Value) {
  TBitmap32 Bitmap(Width, Height);
  Bitmap.Fill(Value);
  return Bitmap;
}

constexpr TPixel32 Guard = 0xDEADBEEF;

// Width x Height pixels in rows of Pitch pixels inside Memory, filled with Guard; the view
// runs top-down, or bottom-up (negative stride) when BottomUp.
struct TStridedMemory {
  std::vector<TPixel32> Memory;
  TBitmapView View;

  TStridedMemory(int Width, int Height, int Pitch, bool BottomUp)
      : Memory(static_cast<std::size_t>(Pitch) * static_cast<std::size_t>(Height), Guard) {
    std::byte* const Base = reinterpret_cast<std::byte*>(Memory.data());
    const std::ptrdiff_t Stride = std::ptrdiff_t{Pitch} * 4;
    View = BottomUp ? TBitmapView(Base + (Height - 1) * Stride, Width, Height, -Stride)
                    : TBitmapView(Base, Width, Height, Stride);
  }
  // Pixels anywhere in Memory that still hold Guard.
  int Guards() const {
    int Count = 0;
    for (const TPixel32 P : Memory) Count += P == Guard;
    return Count;
  }
  // Pixels outside the view's columns that still hold Guard.
  int GuardsLeft() const {
    int Count = 0;
    for (std::size_t I = 0; I < Memory.size(); ++I)
      if (static_cast<int>(I % static_cast<std::size_t>(Pitch())) >= View.Width && Memory[I] == Guard) ++Count;
    return Count;
  }
  int Pitch() const { return static_cast<int>(Memory.size()) / View.Height; }
  int PaddingPixels() const { return (Pitch() - View.Width) * View.Height; }
};
