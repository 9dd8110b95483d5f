#include "framework/Colors.h"

COLORREF ColorToRGB(TColor Color) {
  if (IsSystemColor(Color)) return GetSysColor(SystemColorIndex(Color));
  if (Color == clNone || Color == clDefault) return RGB(0, 0, 0);
  return static_cast<COLORREF>(Color) & 0xFFFFFFu;
}
