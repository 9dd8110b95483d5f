#include "gfx/Premultiply.h"

#include <algorithm>

void PremultiplyAlpha(TBitmapView Bitmap, const TRect& Rect, bool DesktopComposition) {
  std::byte* Row0 = nullptr;
  std::ptrdiff_t Stride = 0;
  if (!RowAccess(Bitmap, Row0, Stride)) return;
  const TRect R = IntersectRect(Rect, BitmapRect(Bitmap));
  if (R.IsEmpty()) return;
  // Without composition a layered window shows near-white premultiplied pixels as holes;
  // limiting them to 244 keeps them visible.
  const int Limit = DesktopComposition ? 255 : 244;
  for (int Y = R.Top; Y < R.Bottom; ++Y) {
    TPixel32* const Line = reinterpret_cast<TPixel32*>(Row0 + Y * Stride);
    for (int X = R.Left; X < R.Right; ++X) {
      const TPixel32 P = Line[X];
      if (P == 0x00FFFFFFu) {
        Line[X] = 0;
        continue;
      }
      const int A = static_cast<int>(P >> 24);
      const int B = static_cast<int>(P & 0xFF);
      const int G = static_cast<int>((P >> 8) & 0xFF);
      const int Red = static_cast<int>((P >> 16) & 0xFF);
      const int Cap = (B >= 245 && G >= 245 && Red >= 245) ? Limit : 255;
      const auto Pre = [&](int C) { return static_cast<TPixel32>(std::min(Cap, C * A >> 8)); };
      Line[X] = (P & 0xFF000000u) | Pre(Red) << 16 | Pre(G) << 8 | Pre(B);
    }
  }
}

void PremultiplyAlpha(TBitmapView Bitmap, bool DesktopComposition) {
  PremultiplyAlpha(Bitmap, BitmapRect(Bitmap), DesktopComposition);
}
