// TDibSection: a 32-bit DIB section selected into a memory DC of its own, so one picture can
// be painted pixel by pixel through a TBitmapView, drawn into with GDI (text) through DC(),
// and given to BitBlt, AlphaBlend or UpdateLayeredWindow as their source DC.
#pragma once

#include <windows.h>

#include <optional>

#include "framework/Handles.h"
#include "gfx/Bitmap32.h"

class TDibSection {
 public:
  // How the rows lie in memory: a bottom-up DIB starts with its last row.
  enum class TRowOrder { TopDown, BottomUp };

  // Nothing for a width or height below 1 or beyond IsValidBitmapSize, or when GDI cannot
  // make the bitmap or the DC. New pixels are 0.
  static std::optional<TDibSection> Make(int Width, int Height, TRowOrder RowOrder = TRowOrder::TopDown);

  TDibSection(TDibSection&& Other) noexcept;
  TDibSection& operator=(TDibSection&&) = delete;
  TDibSection(const TDibSection&) = delete;
  TDibSection& operator=(const TDibSection&) = delete;
  ~TDibSection();

  HDC DC() const { return FDC.Get(); }
  HBITMAP Bitmap() const { return FBitmap.Get(); }
  int Width() const { return FView.Width; }
  int Height() const { return FView.Height; }
  // The pixels, row 0 at the top whatever the row order. GDI batches its drawing: this
  // flushes it first, so what was drawn through DC() is there.
  TBitmapView Pixels() const;

 private:
  TDibSection(TMemoryDC DC, TUniqueBitmap Bitmap, TBitmapView View);
  TMemoryDC FDC;
  TUniqueBitmap FBitmap;
  HGDIOBJ FOldBitmap = nullptr;  // the DC's own bitmap, selected back before the DC goes
  TBitmapView FView;
};
