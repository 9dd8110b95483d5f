#include "skin/store/Blur5.h"

#include <algorithm>
#include <cmath>

namespace {

// How much of a unit square blurred by a smooth edge covers position D (0 at the picture's
// edge, Blur5Size / 2 at its middle): a smoothstep over the half width.
double Coverage(int D) {
  const double T = std::clamp((D + 0.5) / (Blur5Size / 2 + 0.5), 0.0, 1.0);
  return T * T * (3 - 2 * T);
}

}  // namespace

TBitmap32 MakeBlur5() {
  TBitmap32 Mask(Blur5Size, Blur5Size);
  for (int Y = 0; Y < Blur5Size; ++Y) {
    const double CoverY = Coverage(std::min(Y, Blur5Size - 1 - Y));
    for (int X = 0; X < Blur5Size; ++X) {
      const double Cover = CoverY * Coverage(std::min(X, Blur5Size - 1 - X));
      const auto Level = static_cast<std::uint8_t>(std::lround(255 * (1 - Cover)));
      Mask.Row(Y)[X] = MakePixel32(Level, Level, Level, 255);
    }
  }
  return Mask;
}
