// TCacheInfo: what a painter knows about the picture behind the one it paints — either the
// parent's finished picture (Ready) or a fill colour. Portable: no <windows.h>.
#pragma once

#include <cstdint>

#include "gfx/Bitmap32.h"
#include "gfx/Color.h"
#include "gfx/Geometry.h"

struct TCacheInfo {
  // The parent's picture, borrowed; empty when there is none.
  TConstBitmapView Bmp;
  // Where the child's origin lies in Bmp.
  int X = 0;
  int Y = 0;
  // RGB fill colour when the parent answered with a colour; clFuchsia for none.
  TColor FillColor = clFuchsia;
  // Widths (left, top, right, bottom) of a frame of the parent that comes from Bmp even
  // though the parent answered with a colour.
  TRect FillRect;
  bool Ready = false;
};

// The answers a parent gives to a child asking for its background.
enum TacBGKind : std::uint8_t { bkUnanswered = 0, bkColor = 1, bkPicture = 2, bkNotReady = 3 };

// A device context as the Win32 side passes it through this record; the portable code
// never looks inside (the name matches the system header's own declaration).
using TDCHandle = struct HDC__*;

// What a child hands its parent when it asks for its background, and the parent's answer.
struct BackgroundInfo {
  // The parent's finished picture, borrowed; empty for none.
  TConstBitmapView Picture;
  // Fill colour of a colour answer.
  TColor Color = clFuchsia;
  // Where the child's origin lies in Picture.
  TPoint Offset;
  // With PaintNow: the area of TargetDC to paint.
  TRect Area;
  // With a colour answer and a Picture: widths (left, top, right, bottom) of the parent's
  // edge strips that differ from Color and come from Picture.
  TRect ColorFrame;
  TacBGKind Kind = bkUnanswered;
  bool PaintNow = false;
  TDCHandle TargetDC = nullptr;
};

// The painters' view of an answer: a ready picture, or a colour (with the picture behind
// a colour frame, when there is one). SystemColorToRGB resolves system colours.
template <class TResolve>
TCacheInfo BackgroundToCacheInfo(const BackgroundInfo& Info, TResolve&& SystemColorToRGB) {
  TCacheInfo Result;
  Result.Bmp = Info.Picture;
  Result.X = Info.Offset.X;
  Result.Y = Info.Offset.Y;
  if (Info.Kind == bkPicture) {
    Result.Ready = true;
    return Result;
  }
  Result.FillColor = SystemColorToRGB(Info.Color);
  Result.FillRect = Info.ColorFrame;
  return Result;
}
