// Pixel core figures on an 808 x 483 picture (the main window's client area):
//  - BlendBitmaps, CompositeAlpha, DrawImage32 and FillPixels against memcpy of the same
//    bytes, in the same run (goal: at most 3 x memcpy);
//  - ResampleBitmap with the Mitchell filter against ImageMagick's Mitchell resize of the
//    same pixels through Magick++, one thread (goal: ours no slower).
// Run: MAGICK_THREAD_LIMIT=1 bench/pixel_bench (the program also sets the limit itself).
#include <benchmark/benchmark.h>

#include <cstdint>
#include <cstdlib>
#include <cstring>

#include "gfx/Bitmap32.h"
#include "skin/render/PixelBlend.h"
#include "skin/render/PixelFill.h"
#include "gfx/Resample.h"

// Last: MagickCore defines macros with our names (SetPixelAlpha).
#include <Magick++.h>

namespace {

constexpr int PictureWidth = 808;
constexpr int PictureHeight = 483;

// A deterministic picture with every kind of alpha (opaque, clear, in between).
TBitmap32 Picture(int Width, int Height, std::uint32_t Seed) {
  TBitmap32 Bitmap(Width, Height);
  std::uint32_t State = Seed;
  for (int Y = 0; Y < Height; ++Y)
    for (int X = 0; X < Width; ++X) {
      State = State * 1664525u + 1013904223u;
      Bitmap.Row(Y)[X] = State;
    }
  return Bitmap;
}

std::int64_t PictureBytes(const TBitmap32& Bitmap) { return std::int64_t{Bitmap.Width()} * Bitmap.Height() * 4; }

void Memcpy(benchmark::State& State) {
  const TBitmap32 Src = Picture(PictureWidth, PictureHeight, 1);
  TBitmap32 Dst = Picture(PictureWidth, PictureHeight, 2);
  for (auto _ : State) {
    std::memcpy(Dst.Row(0), Src.Row(0), static_cast<std::size_t>(PictureBytes(Src)));
    benchmark::ClobberMemory();
  }
  State.SetBytesProcessed(State.iterations() * PictureBytes(Src));
}
BENCHMARK(Memcpy);

void BlendBitmapsBench(benchmark::State& State) {
  const TBitmap32 Src = Picture(PictureWidth, PictureHeight, 1);
  TBitmap32 Dst = Picture(PictureWidth, PictureHeight, 2);
  for (auto _ : State) {
    BlendBitmaps(Dst.View(), Src.View(), 127, {0, 0}, BitmapRect(Src.View()));
    benchmark::ClobberMemory();
  }
  State.SetBytesProcessed(State.iterations() * PictureBytes(Src));
}
BENCHMARK(BlendBitmapsBench)->Name("BlendBitmaps");

void CompositeAlphaBench(benchmark::State& State) {
  const TBitmap32 Src = Picture(PictureWidth, PictureHeight, 1);
  TBitmap32 Dst = Picture(PictureWidth, PictureHeight, 2);
  const TCacheInfo NoParent;
  const TRect All = BitmapRect(Src.View());
  for (auto _ : State) {
    CompositeAlpha(All, All, Dst.View(), false, NoParent, Src.View());
    benchmark::ClobberMemory();
  }
  State.SetBytesProcessed(State.iterations() * PictureBytes(Src));
}
BENCHMARK(CompositeAlphaBench)->Name("CompositeAlpha");

void DrawImage32Bench(benchmark::State& State) {
  const TBitmap32 Src = Picture(PictureWidth, PictureHeight, 1);
  TBitmap32 Dst = Picture(PictureWidth, PictureHeight, 2);
  const TCacheInfo NoParent;
  const TRect All = BitmapRect(Src.View());
  for (auto _ : State) {
    DrawImage32(All, All, Dst.View(), false, 0, clNone, false, NoParent, Src.View());
    benchmark::ClobberMemory();
  }
  State.SetBytesProcessed(State.iterations() * PictureBytes(Src));
}
BENCHMARK(DrawImage32Bench)->Name("DrawImage32");

void FillPixelsBench(benchmark::State& State) {
  TBitmap32 Dst = Picture(PictureWidth, PictureHeight, 2);
  const TRect All = BitmapRect(Dst.View());
  for (auto _ : State) {
    FillPixels(Dst.View(), All, TColor{0x404040}, 255);
    benchmark::ClobberMemory();
  }
  State.SetBytesProcessed(State.iterations() * PictureBytes(Dst));
}
BENCHMARK(FillPixelsBench)->Name("FillPixels");

void ResampleMitchell(benchmark::State& State) {
  const int W = static_cast<int>(State.range(0));
  const int H = static_cast<int>(State.range(1));
  const TBitmap32 Src = Picture(W, H, 3);
  for (auto _ : State) {
    TBitmap32 Dst;
    ResampleBitmap(Src.View(), Dst, static_cast<int>(State.range(2)), rfMitchell, static_cast<int>(State.range(3)));
    benchmark::DoNotOptimize(Dst);
  }
}
BENCHMARK(ResampleMitchell)->Args({225, 125, 77, 41})->Args({808, 483, 404, 241})->Unit(benchmark::kMicrosecond);

void MagickMitchell(benchmark::State& State) {
  const int W = static_cast<int>(State.range(0));
  const int H = static_cast<int>(State.range(1));
  const TBitmap32 Src = Picture(W, H, 3);
  const Magick::Image Source(static_cast<std::size_t>(W), static_cast<std::size_t>(H), "BGRA", Magick::CharPixel,
                             Src.Row(0));
  Magick::Geometry Size(static_cast<std::size_t>(State.range(2)), static_cast<std::size_t>(State.range(3)));
  Size.aspect(true);  // exactly this size
  for (auto _ : State) {
    Magick::Image Copy = Source;  // copy on write: the resize works on its own pixels
    Copy.filterType(Magick::MitchellFilter);
    Copy.resize(Size);
    benchmark::DoNotOptimize(Copy);
  }
}
BENCHMARK(MagickMitchell)->Args({225, 125, 77, 41})->Args({808, 483, 404, 241})->Unit(benchmark::kMicrosecond);

}  // namespace

int main(int argc, char** argv) {
  setenv("MAGICK_THREAD_LIMIT", "1", 1);
  Magick::InitializeMagick(*argv);
  Magick::ResourceLimits::thread(1);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
