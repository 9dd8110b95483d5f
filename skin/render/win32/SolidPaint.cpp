#include "skin/render/win32/SolidPaint.h"

#include "framework/Colors.h"
#include "framework/Handles.h"
#include "skin/render/FrameStrips.h"

namespace {

void FillRects(HDC DC, const TRect* Rects, int Count, TColor Color) {
  const TUniqueBrush Brush(CreateSolidBrush(ColorToRGB(Color)));
  if (!Brush) return;
  const TSavedDCState State(DC);
  const TSelectObjectGuard Selection(DC, Brush.Get());
  for (int I = 0; I < Count; ++I) {
    const TRect& R = Rects[I];
    if (!R.IsEmpty()) PatBlt(DC, R.Left, R.Top, R.Width(), R.Height(), PATCOPY);
  }
}

}  // namespace

void PaintSolidRect(HDC DC, const RECT& Rect, TColor Color) {
  const TRect R{Rect.left, Rect.top, Rect.right, Rect.bottom};
  FillRects(DC, &R, 1, Color);
}

void PaintSolidFrame(HDC DC, const RECT& Rect, int WL, int WT, int WR, int WB, TColor Color) {
  const auto Strips = SolidFrameStrips({Rect.left, Rect.top, Rect.right, Rect.bottom}, WL, WT, WR, WB);
  FillRects(DC, Strips.data(), static_cast<int>(Strips.size()), Color);
}

void CopyFrameStrips(HDC DstDC, int X, int Y, int W, int H, HDC SrcDC, int SrcX, int SrcY, int BW) {
  for (const TRect& R : FrameCopyStrips(X, Y, W, H, BW))
    BitBlt(DstDC, R.Left, R.Top, R.Width(), R.Height(), SrcDC, SrcX + (R.Left - X), SrcY + (R.Top - Y), SRCCOPY);
}
