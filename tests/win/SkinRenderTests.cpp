// The device-context routines of the pixel core, on memory DCs with 32-bit DIB sections.
#include <gtest/gtest.h>

#include <windows.h>

#include <optional>
#include <stdexcept>
#include <utility>

#include "framework/DibSection.h"
#include "framework/Handles.h"
#include "gfx/Bitmap32.h"
#include "skin/render/win32/SolidPaint.h"
#include "skin/render/win32/StretchDraw32.h"
#include "framework/SystemBindings.h"

namespace {

// A W x H top-down 32-bit DIB section selected into its own memory DC.
TDibSection NewCanvas(int W, int H) {
  std::optional<TDibSection> Dib = TDibSection::Make(W, H);
  if (!Dib) throw std::runtime_error("no DIB section");
  return std::move(*Dib);
}

constexpr TPixel32 RGBOnly(TPixel32 P) { return P & 0x00FFFFFFu; }

TEST(SolidPaint, FrameFillsOnlyTheFourStripsAndRestoresTheBrush) {
  const TDibSection Canvas = NewCanvas(6, 5);
  Canvas.Pixels().Fill(0);
  const HGDIOBJ BrushBefore = GetCurrentObject(Canvas.DC(), OBJ_BRUSH);
  PaintSolidFrame(Canvas.DC(), {0, 0, 6, 5}, 1, 1, 2, 1, clRed);
  EXPECT_EQ(GetCurrentObject(Canvas.DC(), OBJ_BRUSH), BrushBefore);
  const TBitmapView P = Canvas.Pixels();
  for (int Y = 0; Y < 5; ++Y)
    for (int X = 0; X < 6; ++X) {
      const bool Frame = Y == 0 || Y == 4 || X == 0 || X >= 4;
      EXPECT_EQ(RGBOnly(P.Row(Y)[X]), Frame ? 0xFF0000u : 0u) << X << "," << Y;
    }
}

TEST(SolidPaint, RectResolvesSystemColours) {
  const TDibSection Canvas = NewCanvas(3, 3);
  Canvas.Pixels().Fill(0);
  PaintSolidRect(Canvas.DC(), {1, 1, 3, 2}, clBtnFace);
  const COLORREF Face = GetSysColor(COLOR_BTNFACE);
  const TPixel32 Expected = TPixel32{GetRValue(Face)} << 16 | TPixel32{GetGValue(Face)} << 8 | GetBValue(Face);
  const TBitmapView P = Canvas.Pixels();
  EXPECT_EQ(RGBOnly(P.Row(1)[1]), Expected);
  EXPECT_EQ(RGBOnly(P.Row(1)[2]), Expected);
  EXPECT_EQ(RGBOnly(P.Row(0)[1]), 0u);
  EXPECT_EQ(RGBOnly(P.Row(2)[1]), 0u);
}

TEST(SolidPaint, CopyFrameStripsLeavesTheInside) {
  const TDibSection Source = NewCanvas(4, 4);
  const TDibSection Target = NewCanvas(4, 4);
  const TBitmapView S = Source.Pixels();
  for (int Y = 0; Y < 4; ++Y)
    for (int X = 0; X < 4; ++X) S.Row(Y)[X] = static_cast<TPixel32>(0x10 * Y + X + 1);
  Target.Pixels().Fill(0);
  CopyFrameStrips(Target.DC(), 0, 0, 4, 4, Source.DC(), 0, 0, 1);
  const TBitmapView T = Target.Pixels();
  for (int Y = 0; Y < 4; ++Y)
    for (int X = 0; X < 4; ++X) {
      const bool Frame = X == 0 || Y == 0 || X == 3 || Y == 3;
      EXPECT_EQ(RGBOnly(T.Row(Y)[X]), Frame ? RGBOnly(S.Row(Y)[X]) : 0u) << X << "," << Y;
    }
}

TEST(StretchDrawImage32, CompositesAndStretchesByAlpha) {
  const TDibSection Canvas = NewCanvas(6, 4);
  Canvas.Pixels().Fill(0xFF0000FFu);  // opaque blue
  TBitmap32 Picture(2, 2);
  Picture.Row(0)[0] = 0xFFFFFFFFu;  // opaque white
  Picture.Row(0)[1] = 0x00FFFFFFu;  // transparent
  Picture.Row(1)[0] = 0x00FFFFFFu;
  Picture.Row(1)[1] = 0xFFFFFFFFu;
  StretchDrawImage32(Canvas.DC(), Picture.View(), {1, 0, 5, 4}, false);  // 2 x 2 to 4 x 4
  const TBitmapView P = Canvas.Pixels();
  EXPECT_EQ(RGBOnly(P.Row(0)[0]), 0x0000FFu);  // outside the rectangle
  EXPECT_EQ(RGBOnly(P.Row(0)[1]), 0xFEFEFFu);  // white over blue at 255/256
  EXPECT_EQ(RGBOnly(P.Row(1)[2]), 0xFEFEFFu);
  EXPECT_EQ(RGBOnly(P.Row(0)[3]), 0x0000FFu);  // transparent quarter
  EXPECT_EQ(RGBOnly(P.Row(3)[4]), 0xFEFEFFu);
  EXPECT_EQ(RGBOnly(P.Row(3)[1]), 0x0000FFu);
  EXPECT_EQ(RGBOnly(P.Row(0)[5]), 0x0000FFu);
}

TEST(SystemBindings, BindsWhatThisSystemHas) {
  BindSystemFunctions();
  EXPECT_TRUE(LayeredWindowsSupported());
  EXPECT_GT(SysCheckWidth(), 0);
  EXPECT_GT(SysCheckHeight(), 0);
  const TDibSection Canvas = NewCanvas(1, 1);
  EXPECT_EQ(CallGetLayout(Canvas.DC()), 0u);
}

}  // namespace
