#include "skin/store/ManagerScale.h"

#include <algorithm>
#include <cstdint>
#include <limits>

int SysFontScaleFromDpi(int AppliedDpi) {
  if (AppliedDpi >= 192) return 3;
  if (AppliedDpi >= 144) return 2;
  if (AppliedDpi >= 120) return 1;
  return 0;
}

int ScaleInt(int Value, TacScaleMode Mode, int Scale) {
  if (Mode == TacScaleMode::smOldMode) return Value;
  const std::int64_t V = Value;
  std::int64_t Scaled = V;
  switch (Scale) {
    case 1:
      Scaled = V + V / 4;
      break;
    case 2:
      Scaled = V + V / 2;
      break;
    case 3:
      Scaled = V * 2;
      break;
    default:
      break;
  }
  return static_cast<int>(
      std::clamp<std::int64_t>(Scaled, std::numeric_limits<int>::min(), std::numeric_limits<int>::max()));
}
