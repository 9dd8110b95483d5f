// libFuzzer target for gradient texts: any input either parses or is refused with
// EConvertError; parsed points keep their invariants and paint, plain and textured, into
// small bitmaps through rectangles inside, across and outside them without touching memory
// beyond the pixels.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "skin/store/ConvertError.h"
#include "skin/render/Gradient.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* Data, std::size_t Size) {
  const std::string_view Text(reinterpret_cast<const char*>(Data), Size);
  TsGradArray Points;
  try {
    Points = ParseGradient(Text);
  } catch (const EConvertError&) {
    return 0;
  }
  for (const TsGradPoint& Point : Points)
    if (Point.Percent > 100) std::abort();
  if (!Points.empty() && Points.back().Percent != 100) std::abort();
  // Only the five-field format pads a four-corner gradient to its five points.
  if (!Points.empty() && Text.back() == '0' && (Points[0].Mode & GradientKindMask) == 2 && Points.size() < 5)
    std::abort();

  TBitmap32 Bitmap(7, 5);
  TBitmap32 Texture(3, 2);
  Texture.Fill(0xFF808080u);
  const TRect Rects[] = {{0, 0, 7, 5}, {-3, -2, 4, 9}, {2, 1, 40, 3}, {5, 4, 1, 1}, {-100, -100, 100, 100}};
  const int Offset = static_cast<int>(Size % 7);
  for (const TRect& Rect : Rects) {
    PaintGradient(Bitmap.View(), Rect, Points, Offset);
    PaintGradientTextured(Bitmap.View(), Rect, Points, 255, static_cast<int>(Size % 256), {1, 0, 3, 2},
                          Texture.View());
  }
  return 0;
}
