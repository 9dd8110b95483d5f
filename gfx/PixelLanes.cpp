#include "gfx/PixelLanes.h"

bool CanRunPixelLanes(TPixelLanes Lanes) {
  if (Lanes == TPixelLanes::Baseline) return true;
#if defined(__x86_64__)
  // The check also asks the system whether it saves the wide registers.
  static const bool HasAvx2 = [] {
    __builtin_cpu_init();
    return __builtin_cpu_supports("avx2") != 0;
  }();
  return HasAvx2;
#else
  return false;
#endif
}

TPixelLanes BestPixelLanes() {
  return CanRunPixelLanes(TPixelLanes::Avx2) ? TPixelLanes::Avx2 : TPixelLanes::Baseline;
}
