#include "skin/render/win32/TextOnPicture.h"

#include <algorithm>
#include <optional>
#include <string>

#include "framework/DibSection.h"
#include "framework/Handles.h"
#include "skin/render/TextAlpha.h"

namespace {

// The 32-bit picture selected into DC, as a view; empty when there is none.
TBitmapView SelectedPicture(HDC DC) {
  DIBSECTION Dib{};
  const auto Bitmap = static_cast<HBITMAP>(GetCurrentObject(DC, OBJ_BITMAP));
  if (!Bitmap || GetObjectW(Bitmap, sizeof(Dib), &Dib) != sizeof(Dib)) return {};
  if (Dib.dsBm.bmBitsPixel != 32 || !Dib.dsBm.bmBits || Dib.dsBm.bmHeight <= 0) return {};
  auto* const Bits = static_cast<std::byte*>(Dib.dsBm.bmBits);
  const std::ptrdiff_t RowBytes = Dib.dsBm.bmWidthBytes;
  const int Height = Dib.dsBm.bmHeight;
  // A positive header height is a bottom-up DIB: row 0 lies last in memory.
  if (Dib.dsBmih.biHeight > 0) return {Bits + (Height - 1) * RowBytes, Dib.dsBm.bmWidth, Height, -RowBytes};
  return {Bits, Dib.dsBm.bmWidth, Height, RowBytes};
}

// The part of the picture selected into DC that text drawn in Rect with Format can reach:
// GDI draws nothing outside the DC's clip box, nor outside Rect unless DT_NOCLIP. Empty when
// nothing can be drawn.
TBitmapView ReachablePart(HDC DC, TBitmapView Picture, RECT Rect, UINT Format) {
  RECT Box{};
  const int Kind = GetClipBox(DC, &Box);
  if (Kind == NULLREGION || Kind == ERROR) return {};
  if (!(Format & DT_NOCLIP) && !IntersectRect(&Box, &Box, &Rect)) return {};
  LPtoDP(DC, reinterpret_cast<POINT*>(&Box), 2);
  const TRect Part =
      IntersectRect({Box.left, Box.top, Box.right, Box.bottom}, {0, 0, Picture.Width, Picture.Height});
  if (Part.Width() <= 0 || Part.Height() <= 0) return {};
  return {reinterpret_cast<std::byte*>(Picture.Row(Part.Top) + Part.Left), Part.Width(), Part.Height(),
          Picture.Stride};
}

void DrawPlainText(HDC DC, std::wstring_view Text, RECT Rect, UINT Format) {
  DrawTextW(DC, Text.data(), static_cast<int>(Text.size()), &Rect, Format);
}

// The platform's text call takes at most this many characters for a glow mask.
constexpr std::size_t MaskTextLimit = 5460;

}  // namespace

void DrawTextKeepingAlpha(HDC DC, std::wstring_view Text, RECT Rect, UINT Format) {
  GdiFlush();
  const TBitmapView Whole = SelectedPicture(DC);
  if (Whole.Empty()) return DrawPlainText(DC, Text, Rect, Format);
  // Only what the text can reach is kept and restored: a label drawn into its container's
  // picture touches a small part of it.
  const TBitmapView Picture = ReachablePart(DC, Whole, Rect, Format);
  if (Picture.Empty()) return;
  TBitmap32 Before(Picture.Width, Picture.Height);
  for (int Y = 0; Y < Picture.Height; ++Y) std::copy_n(Picture.Row(Y), Picture.Width, Before.Row(Y));
  DrawPlainText(DC, Text, Rect, Format);
  GdiFlush();
  RestoreAlphaAroundText(Picture, Before.View());
}

TGlowTextDrawer GlowMaskTextDrawer(std::wstring_view Text, HFONT Font, UINT Format, int Directions) {
  return [Text = std::wstring(Text.substr(0, MaskTextLimit)), Font, Format, Directions](
             TGlowMask& Mask, const TRect& TextRect) {
    std::optional<TDibSection> Scratch = TDibSection::Make(Mask.Width, Mask.Height);
    if (!Scratch) return;
    Scratch->Pixels().Fill(0x00FFFFFFu);
    const HDC DC = Scratch->DC();
    const TSelectObjectGuard Selected(DC, Font);
    SetBkMode(DC, TRANSPARENT);
    SetTextColor(DC, RGB(0, 0, 0));
    const RECT At{TextRect.Left, TextRect.Top, TextRect.Right, TextRect.Bottom};
    DrawPlainText(DC, Text, At, Format);
    const POINT Moves[] = {{-1, 0}, {0, -1}, {1, 0}, {0, 1}};
    for (int Bit = 0; Bit < 4; ++Bit)
      if (Directions & (1 << Bit)) {
        RECT Moved = At;
        OffsetRect(&Moved, Moves[Bit].x, Moves[Bit].y);
        DrawPlainText(DC, Text, Moved, Format);
      }
    const TBitmapView Pixels = Scratch->Pixels();
    for (int Y = 0; Y < Mask.Height; ++Y)
      for (int X = 0; X < Mask.Width; ++X)
        Mask.Row(Y)[X] = static_cast<std::uint8_t>(Pixels.Row(Y)[X] & 0xFF);
  };
}
