// Sections: palette, the tile (icon and logo), the donate badge, the form shadows, the files.
#include "tools/picgen/Pictures.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "gfx/codec/BmpCodec.h"
#include "gfx/codec/IconWriter.h"
#include "gfx/codec/PngEncode.h"
#include "tools/picgen/Canvas.h"
#include "tools/picgen/Shapes.h"
#include "tools/picgen/TinyFont.h"

namespace {

// Palette: graphite around the skin's panels (0x404040) and fields (0x333333), one light
// teal accent, a muted rose for the heart, light grey text.
constexpr TRgba Edge = Rgb(0x1E1E1E);
constexpr TRgba TileTop = Rgb(0x4E4E4E);
constexpr TRgba TileBottom = Rgb(0x2E2E2E);
constexpr TRgba Highlight = Rgb(0xFFFFFF, 0.10);
constexpr TRgba Teal = Rgb(0x7FE0D2);
constexpr TRgba TealGlow = Rgb(0x7FE0D2, 0.22);
constexpr TRgba Shadow = Rgb(0x000000, 0.40);
constexpr TRgba HeartTop = Rgb(0xF08C98);
constexpr TRgba HeartBottom = Rgb(0xC8566C);
constexpr TRgba Text = Rgb(0xECECEC);
constexpr TRgba ActiveFormShadow = Rgb(0x000000, 0.50);
constexpr TRgba InactiveFormShadow = Rgb(0x000000, 0.28);

TBoxF BoundsOf(const TRoundRect& R) { return {R.Left, R.Top, R.Right, R.Bottom}; }

// The box around the segments, grown by Margin on every side.
TBoxF BoundsOf(const std::vector<TSegment>& Segments, double Margin) {
  TBoxF Box{INFINITY, INFINITY, -INFINITY, -INFINITY};
  for (const TSegment& S : Segments)
    for (const TPointF& P : {S.A, S.B}) {
      Box.Left = std::min(Box.Left, P.X - Margin);
      Box.Top = std::min(Box.Top, P.Y - Margin);
      Box.Right = std::max(Box.Right, P.X + Margin);
      Box.Bottom = std::max(Box.Bottom, P.Y + Margin);
    }
  return Box;
}

// A rounded body: dark edge, graphite gradient, a faint light rim along its top.
void PaintBody(TCanvas& Canvas, const TRoundRect& Outer, double EdgeWidth, const TRgba& Top,
               const TRgba& Bottom) {
  const TRoundRect Inner = Outer.Inset(EdgeWidth);
  Canvas.Fill(
      BoundsOf(Outer), [&](TPointF P) { return RoundRectDistance(P, Outer) <= 0; }, Solid(Edge));
  Canvas.Fill(
      BoundsOf(Inner), [&](TPointF P) { return RoundRectDistance(P, Inner) <= 0; },
      VerticalGradient(Top, Bottom, Inner.Top, Inner.Bottom));
  const TRoundRect Lowered = Inner.Offset(0, EdgeWidth);
  Canvas.Fill(
      BoundsOf(Inner),
      [&](TPointF P) { return RoundRectDistance(P, Inner) <= 0 && RoundRectDistance(P, Lowered) > 0; },
      Solid(Highlight));
}

// A teal stroke with a faint glow fading out around it.
void PaintGlowingStroke(TCanvas& Canvas, const std::vector<TSegment>& Segments, double Width) {
  Canvas.FillSoft(
      [&](TPointF P) { return 1 - SmoothStep(Width / 2, Width * 2, SegmentsDistance(P, Segments)); },
      TealGlow);
  Canvas.Fill(
      BoundsOf(Segments, Width / 2), [&](TPointF P) { return SegmentsDistance(P, Segments) <= Width / 2; },
      Solid(Teal));
}

std::vector<TSegment> Polyline(const std::vector<TPointF>& Points) {
  std::vector<TSegment> Segments;
  for (std::size_t I = 1; I < Points.size(); ++I) Segments.push_back({Points[I - 1], Points[I]});
  return Segments;
}

}  // namespace

TBitmap32 DrawTile(int Size) {
  const double S = Size;
  TCanvas Canvas(Size, Size);
  const double Margin = std::max(0.5, S / 32);
  PaintBody(Canvas, {Margin, Margin, S - Margin, S - Margin, S * 0.2}, std::max(1.0, S / 40), TileTop,
            TileBottom);

  // The ping pulse: a flat line with one beat, in unit coordinates of the tile.
  std::vector<TPointF> Pulse{{0.15, 0.56}, {0.33, 0.56}, {0.42, 0.33}, {0.53, 0.75},
                            {0.61, 0.45}, {0.67, 0.56}, {0.85, 0.56}};
  for (TPointF& P : Pulse) P = {P.X * S, P.Y * S};
  const double Stroke = std::max(1.5, S * 0.07);
  PaintGlowingStroke(Canvas, Polyline(Pulse), Stroke);
  return Canvas.ToBitmap();
}

TBitmap32 DrawDonate() {
  constexpr double W = DonateWidth;
  constexpr double H = DonateHeight;
  TCanvas Canvas(DonateWidth, DonateHeight);
  const TRoundRect Badge{6, 5, W - 6, H - 9, 30};

  const TRoundRect Cast = Badge.Offset(0, 3);
  Canvas.FillSoft([&](TPointF P) { return 1 - SmoothStep(-3, 5, RoundRectDistance(P, Cast)); }, Shadow);
  PaintBody(Canvas, Badge, 1.5, Rgb(0x575757), Rgb(0x393939));

  constexpr double Cell = 4;
  constexpr double HeartSize = 42;
  constexpr double Gap = 12;
  const double ContentWidth = HeartSize + Gap + TextWidth("DONATE", Cell);
  const double Left = (W - ContentWidth) / 2;
  const double Middle = (Badge.Top + Badge.Bottom) / 2;

  const TPointF HeartCentre{Left + HeartSize / 2, Middle};
  const TBoxF HeartBounds{HeartCentre.X - HeartSize * 0.6, HeartCentre.Y - HeartSize * 0.6,
                            HeartCentre.X + HeartSize * 0.6, HeartCentre.Y + HeartSize * 0.6};
  Canvas.Fill(
      HeartBounds, [&](TPointF P) { return InsideHeart(P, HeartCentre, HeartSize); },
      VerticalGradient(HeartTop, HeartBottom, Middle - HeartSize / 2, Middle + HeartSize / 2));

  // Letter by letter, so that each pixel is measured against one letter's strokes only.
  const double Stroke = Cell * 1.3;
  for (const std::vector<TSegment>& Letter :
       TextStrokes("DONATE", {Left + HeartSize + Gap, Middle - 3.5 * Cell}, Cell))
    Canvas.Fill(
        BoundsOf(Letter, Stroke / 2), [&](TPointF P) { return SegmentsDistance(P, Letter) <= Stroke / 2; },
        Solid(Text));
  return Canvas.ToBitmap();
}

TBitmap32 DrawFormShadow(bool Active) {
  constexpr double S = ShadowTemplateSize;
  constexpr double M = ShadowTemplateMargin;
  TCanvas Canvas(ShadowTemplateSize, ShadowTemplateSize);
  // Darkest a little inside the form's edge, gone at the template's edge: the whole falloff
  // lies in the margin that stays visible around the form.
  const TRoundRect Form{M, M, S - M, S - M, 3};
  Canvas.FillSoft([&](TPointF P) { return 1 - SmoothStep(-3, M, RoundRectDistance(P, Form)); },
                  Active ? ActiveFormShadow : InactiveFormShadow);
  return Canvas.ToBitmap();
}

std::vector<TPictureFile> GeneratePictures() {
  std::vector<TBitmap32> Tiles;
  std::vector<TConstBitmapView> Views;
  for (const int Size : IconSizes) Tiles.push_back(DrawTile(Size));
  for (const TBitmap32& Tile : Tiles) Views.push_back(Tile.View());
  return {{"quorvane.ico", WriteIco(Views)},
          {"logo.bmp", WriteBmp32(DrawTile(LogoSize).View())},
          {"donate.bmp", WriteBmp32(DrawDonate().View())},
          {"acSHDA.png", EncodePng(DrawFormShadow(true))},
          {"acSHDI.png", EncodePng(DrawFormShadow(false))}};
}
