#include "skin/render/win32/StretchDraw32.h"

#include <optional>

#include "framework/DibSection.h"
#include "skin/render/PixelBlend.h"
#include "gfx/Resample.h"

void StretchDrawImage32(HDC DC, TConstBitmapView Bitmap, const RECT& Rect, bool Reflected) {
  const int W = Rect.right - Rect.left;
  const int H = Rect.bottom - Rect.top;
  if (W <= 0 || H <= 0 || Bitmap.Empty()) return;
  const int AreaHeight = Reflected ? H + H / 2 : H;

  const std::optional<TDibSection> Scratch = TDibSection::Make(W, AreaHeight);
  if (!Scratch) return;
  BitBlt(Scratch->DC(), 0, 0, W, AreaHeight, DC, Rect.left, Rect.top, SRCCOPY);

  TBitmap32 Stretched;
  TConstBitmapView Picture = Bitmap;
  if (Bitmap.Width != W || Bitmap.Height != H) {
    StretchNearest(Bitmap, Stretched, W, H);
    Picture = Stretched.View();
  }
  // Pixels() waits for the copy, which GDI may still hold in its batch.
  const TBitmapView Area = Scratch->Pixels();
  DrawImage32({0, 0, W, H}, {0, 0, W, H}, Area, Reflected, 0, clNone, false, TCacheInfo{}, Picture);
  BitBlt(DC, Rect.left, Rect.top, W, AreaHeight, Scratch->DC(), 0, 0, SRCCOPY);
}
