#include "skin/render/win32/StretchDraw32.h"

#include "framework/Handles.h"
#include "skin/render/PixelBlend.h"
#include "gfx/Resample.h"

void StretchDrawImage32(HDC DC, TConstBitmapView Bitmap, const RECT& Rect, bool Reflected) {
  const int W = Rect.right - Rect.left;
  const int H = Rect.bottom - Rect.top;
  if (W <= 0 || H <= 0 || Bitmap.Empty()) return;
  const int AreaHeight = Reflected ? H + H / 2 : H;

  BITMAPINFO Info{};
  Info.bmiHeader.biSize = sizeof(Info.bmiHeader);
  Info.bmiHeader.biWidth = W;
  Info.bmiHeader.biHeight = -AreaHeight;  // top-down
  Info.bmiHeader.biPlanes = 1;
  Info.bmiHeader.biBitCount = 32;
  Info.bmiHeader.biCompression = BI_RGB;
  void* Bits = nullptr;
  const TUniqueBitmap Scratch(CreateDIBSection(DC, &Info, DIB_RGB_COLORS, &Bits, nullptr, 0));
  const TMemoryDC ScratchDC(CreateCompatibleDC(DC));
  if (!Scratch || !ScratchDC || Bits == nullptr) return;
  const TSelectObjectGuard Selection(ScratchDC.Get(), Scratch.Get());
  BitBlt(ScratchDC.Get(), 0, 0, W, AreaHeight, DC, Rect.left, Rect.top, SRCCOPY);
  // GDI may still hold the copy in its batch; the pixels are touched directly next.
  GdiFlush();

  TBitmap32 Stretched;
  TConstBitmapView Picture = Bitmap;
  if (Bitmap.Width != W || Bitmap.Height != H) {
    StretchNearest(Bitmap, Stretched, W, H);
    Picture = Stretched.View();
  }
  const TBitmapView Area(static_cast<std::byte*>(Bits), W, AreaHeight, std::ptrdiff_t{W} * 4);
  DrawImage32({0, 0, W, H}, {0, 0, W, H}, Area, Reflected, 0, clNone, false, TCacheInfo{}, Picture);
  BitBlt(DC, Rect.left, Rect.top, W, AreaHeight, ScratchDC.Get(), 0, 0, SRCCOPY);
}
