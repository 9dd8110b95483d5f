#include "framework/DibSection.h"

#include <cstddef>
#include <utility>

std::optional<TDibSection> TDibSection::Make(int Width, int Height, TRowOrder RowOrder) {
  if (Width <= 0 || Height <= 0 || !IsValidBitmapSize(Width, Height)) return std::nullopt;
  BITMAPINFO Info{};
  Info.bmiHeader.biSize = sizeof(Info.bmiHeader);
  Info.bmiHeader.biWidth = Width;
  // A negative height makes the DIB top-down.
  Info.bmiHeader.biHeight = RowOrder == TRowOrder::TopDown ? -Height : Height;
  Info.bmiHeader.biPlanes = 1;
  Info.bmiHeader.biBitCount = 32;
  Info.bmiHeader.biCompression = BI_RGB;
  void* Bits = nullptr;
  TUniqueBitmap Bitmap(CreateDIBSection(nullptr, &Info, DIB_RGB_COLORS, &Bits, nullptr, 0));
  TMemoryDC DC(CreateCompatibleDC(nullptr));
  if (!Bitmap || !DC || Bits == nullptr) return std::nullopt;
  // 32-bit rows need no padding.
  const std::ptrdiff_t RowBytes = std::ptrdiff_t{Width} * 4;
  auto* const First = static_cast<std::byte*>(Bits);
  const TBitmapView View = RowOrder == TRowOrder::TopDown
                               ? TBitmapView(First, Width, Height, RowBytes)
                               : TBitmapView(First + (Height - 1) * RowBytes, Width, Height, -RowBytes);
  return TDibSection(std::move(DC), std::move(Bitmap), View);
}

TDibSection::TDibSection(TMemoryDC DC, TUniqueBitmap Bitmap, TBitmapView View)
    : FDC(std::move(DC)), FBitmap(std::move(Bitmap)), FView(View) {
  FOldBitmap = SelectObject(FDC.Get(), FBitmap.Get());
}

TDibSection::TDibSection(TDibSection&& Other) noexcept
    : FDC(std::move(Other.FDC)),
      FBitmap(std::move(Other.FBitmap)),
      FOldBitmap(std::exchange(Other.FOldBitmap, nullptr)),
      FView(std::exchange(Other.FView, TBitmapView{})) {}

TDibSection::~TDibSection() {
  // A bitmap still selected into a DC cannot be deleted.
  if (FDC && FOldBitmap) SelectObject(FDC.Get(), FOldBitmap);
}

TBitmapView TDibSection::Pixels() const {
  GdiFlush();
  return FView;
}
