// Sections: palette, helpers (placing a masked cell, PNG files), the pieces (frames,
// caption glyphs, check marks, arrows, grips), the glows and the extended border, the files.
#include "tools/skingen/SkinPictures.h"

#include <algorithm>
#include <cmath>
#include <functional>

#include "gfx/codec/BmpCodec.h"
#include "gfx/codec/PngEncode.h"
#include "tools/picgen/Canvas.h"
#include "tools/picgen/Shapes.h"

namespace {

// ---- Palette: graphite panels (0x404040) and fields (0x333333), light grey marks.
constexpr TRgba Outline = Rgb(0x1E1E1E);
constexpr TRgba FieldFill = Rgb(0x333333);
constexpr TRgba ButtonTop = Rgb(0x4E4E4E);
constexpr TRgba ButtonBottom = Rgb(0x464646);
constexpr TRgba HotTop = Rgb(0x5C5C5C);
constexpr TRgba HotBottom = Rgb(0x525252);
constexpr TRgba PressedTop = Rgb(0x3A3A3A);
constexpr TRgba PressedBottom = Rgb(0x424242);
constexpr TRgba Highlight = Rgb(0x6E6E6E);
constexpr TRgba HotHighlight = Rgb(0x9A9A9A);
constexpr TRgba Mark = Rgb(0xC8C8C8);
constexpr TRgba BrightMark = Rgb(0xFFFFFF);
constexpr TRgba CloseHot = Rgb(0xB84A4A);
constexpr TRgba GlowLight = Rgb(0xE4ECF2);
constexpr TRgba ScrollTrack = Rgb(0x363636);  // [SCROLLBAR1H] COLOR

void FillRoundRect(TCanvas& Canvas, const TRoundRect& R, const std::function<TRgba(TPointF)>& ColorAt) {
  Canvas.Fill({R.Left, R.Top, R.Right, R.Bottom}, [&](TPointF P) { return RoundRectDistance(P, R) <= 0; },
              ColorAt);
}

// The whole of Box, pixels cut by its edges weighted by how much of them it covers.
void FillBox(TCanvas& Canvas, const TBoxF& Box, const std::function<TRgba(TPointF)>& ColorAt) {
  Canvas.Fill(Box, [](TPointF) { return true; }, ColorAt);
}

void Stroke(TCanvas& Canvas, std::span<const TSegment> Segments, double Width, const TRgba& Color) {
  Canvas.Fill({0, 0, double(Canvas.Width()), double(Canvas.Height())},
              [&](TPointF P) { return SegmentsDistance(P, Segments) <= Width / 2; }, Solid(Color));
}

// ---- Helpers

// Places a drawn cell at (X, Y) of Target and its transparency mask Mask rows lower: the
// cell's colour as it is, the mask grey 255 - alpha (255 shows what is under the cell).
// Fully transparent pixels take a dark grey rather than black so that they never read as
// the key colour or as part of the picture.
void PlaceMasked(TBitmap32& Target, int X, int Y, int Mask, const TCanvas& Canvas) {
  const TBitmap32 Cell = Canvas.ToBitmap();
  for (int Row = 0; Row < Cell.Height(); ++Row)
    for (int Column = 0; Column < Cell.Width(); ++Column) {
      const TPixel32 Pixel = Cell.Row(Row)[Column];
      const auto Alpha = PixelAlpha(Pixel);
      const auto Clear = static_cast<std::uint8_t>(255 - Alpha);
      Target.Row(Y + Row)[X + Column] = Alpha == 0 ? MakePixel32(0x30, 0x30, 0x30, 255) : (Pixel | 0xFF000000u);
      Target.Row(Y + Mask + Row)[X + Column] = MakePixel32(Clear, Clear, Clear, 255);
    }
}

// Places each state's cell side by side from (X, Y), masks under them.
void PlaceStates(TBitmap32& Target, int X, int Y, int Width, int Height, int States,
                 const std::function<void(TCanvas&, int State)>& Draw) {
  for (int State = 0; State < States; ++State) {
    TCanvas Canvas(Width, Height);
    Draw(Canvas, State);
    PlaceMasked(Target, X + State * Width, Y, Height, Canvas);
  }
}

// ---- The pieces

// A push button: rounded, a shade lighter than the panels, a one-pixel highlight border.
void DrawButton(TCanvas& Canvas, int State) {
  const double W = Canvas.Width();
  const double H = Canvas.Height();
  const TRoundRect Outer{0, 0, W, H, 3.5};
  const TRgba Top = State == 1 ? HotTop : State == 2 ? PressedTop : ButtonTop;
  const TRgba Bottom = State == 1 ? HotBottom : State == 2 ? PressedBottom : ButtonBottom;
  FillRoundRect(Canvas, Outer, Solid(Outline));
  FillRoundRect(Canvas, Outer.Inset(1), Solid(State == 1 ? HotHighlight : Highlight));
  FillRoundRect(Canvas, Outer.Inset(2), VerticalGradient(Top, Bottom, 2, H - 2));
}

// A scroll thumb: clearly lighter than the dark track it slides on, lighter still when hot
// and pressed, with a dark outline that keeps it apart from the arrows.
void DrawThumb(TCanvas& Canvas, int State) {
  const TRoundRect Outer{0, 0, static_cast<double>(Canvas.Width()), static_cast<double>(Canvas.Height()), 3.5};
  FillRoundRect(Canvas, Outer, Solid(Rgb(0x262626)));
  FillRoundRect(Canvas, Outer.Inset(1), Solid(Rgb(State == 1 ? 0x8C8C8C : State == 2 ? 0xA0A0A0 : 0x6E6E6E)));
}

// A field frame: a dark outline, a lighter one when hot or focused, the field colour inside.
void DrawField(TCanvas& Canvas, int State) {
  const double W = Canvas.Width();
  const double H = Canvas.Height();
  const TRoundRect Outer{0, 0, W, H, 2.5};
  FillRoundRect(Canvas, Outer, Solid(State == 0 ? Rgb(0x555555) : HotHighlight));
  FillRoundRect(Canvas, Outer.Inset(1), Solid(FieldFill));
}

// A panel's edge: a soft light line along the top and left, a dark one along the bottom and
// right; the inside stays clear so that the panel's gradient shows.
void DrawPanelEdge(TCanvas& Canvas, int) {
  const double W = Canvas.Width();
  const double H = Canvas.Height();
  FillBox(Canvas, {0, 0, W, 1}, Solid(Rgb(0xFFFFFF, 0.10)));
  FillBox(Canvas, {0, 1, 1, H}, Solid(Rgb(0xFFFFFF, 0.10)));
  FillBox(Canvas, {0, H - 1, W, H}, Solid(Rgb(0x000000, 0.25)));
  FillBox(Canvas, {W - 1, 0, W, H - 1}, Solid(Rgb(0x000000, 0.25)));
}

// The window frame: square corners (nothing of the desktop shows through), a dark outline
// and a graphite band; the active state is a little lighter.
void DrawFormFrame(TCanvas& Canvas, int State) {
  const double W = Canvas.Width();
  const double H = Canvas.Height();
  FillBox(Canvas, {0, 0, W, H}, Solid(Outline));
  FillBox(Canvas, {1, 1, W - 1, H - 1}, Solid(State == 0 ? Rgb(0x383838) : Rgb(0x3E3E3E)));
  FillBox(Canvas, {4, 4, W - 4, H - 4}, Solid(Rgb(0x404040)));
}

// The title bar: a soft vertical gradient, lighter when the window is active.
void DrawTitle(TCanvas& Canvas, int State) {
  const double W = Canvas.Width();
  const double H = Canvas.Height();
  FillBox(Canvas, {0, 0, W, H}, Solid(Outline));
  FillBox(Canvas, {1, 1, W - 1, H},
          State == 0 ? VerticalGradient(Rgb(0x3E3E3E), Rgb(0x363636), 1, H)
                     : VerticalGradient(Rgb(0x505050), Rgb(0x424242), 1, H));
}

enum class TCaptionKind { Close, Max, Min, Restore, Help };

// A caption button, 24 x 25: the bare mark, then on a rounded plate when hot and pressed.
void DrawCaption(TCanvas& Canvas, int State, TCaptionKind Kind) {
  const double W = Canvas.Width();
  const double H = Canvas.Height();
  if (State > 0) {
    const TRgba Plate = Kind == TCaptionKind::Close ? CloseHot : Rgb(0x5E5E5E);
    FillRoundRect(Canvas, {2, 3, W - 2, H - 2, 3}, Solid(State == 2 ? MixRgba(Plate, Outline, 0.3) : Plate));
  }
  const TRgba Ink = State == 0 ? Mark : BrightMark;
  const double Cx = W / 2;
  const double Cy = H / 2 + 0.5;
  switch (Kind) {
    case TCaptionKind::Close: {
      const TSegment Cross[] = {{{Cx - 4, Cy - 4}, {Cx + 4, Cy + 4}}, {{Cx + 4, Cy - 4}, {Cx - 4, Cy + 4}}};
      Stroke(Canvas, Cross, 1.6, Ink);
      break;
    }
    case TCaptionKind::Max: {
      const TSegment Box[] = {{{Cx - 4.5, Cy - 4}, {Cx + 4.5, Cy - 4}}, {{Cx + 4.5, Cy - 4}, {Cx + 4.5, Cy + 4.5}},
                              {{Cx + 4.5, Cy + 4.5}, {Cx - 4.5, Cy + 4.5}}, {{Cx - 4.5, Cy + 4.5}, {Cx - 4.5, Cy - 4}},
                              {{Cx - 4.5, Cy - 3}, {Cx + 4.5, Cy - 3}}};
      Stroke(Canvas, Box, 1.3, Ink);
      break;
    }
    case TCaptionKind::Min: {
      const TSegment Line[] = {{{Cx - 4.5, Cy + 4}, {Cx + 4.5, Cy + 4}}};
      Stroke(Canvas, Line, 1.8, Ink);
      break;
    }
    case TCaptionKind::Restore: {
      const TSegment Boxes[] = {{{Cx - 5, Cy - 1}, {Cx + 2, Cy - 1}}, {{Cx + 2, Cy - 1}, {Cx + 2, Cy + 5}},
                                {{Cx + 2, Cy + 5}, {Cx - 5, Cy + 5}}, {{Cx - 5, Cy + 5}, {Cx - 5, Cy - 1}},
                                {{Cx - 2, Cy - 1}, {Cx - 2, Cy - 4}}, {{Cx - 2, Cy - 4}, {Cx + 5, Cy - 4}},
                                {{Cx + 5, Cy - 4}, {Cx + 5, Cy + 2}}, {{Cx + 5, Cy + 2}, {Cx + 2, Cy + 2}}};
      Stroke(Canvas, Boxes, 1.3, Ink);
      break;
    }
    case TCaptionKind::Help: {
      const TSegment Question[] = {{{Cx - 3, Cy - 3}, {Cx - 1.5, Cy - 5}}, {{Cx - 1.5, Cy - 5}, {Cx + 1.5, Cy - 5}},
                                   {{Cx + 1.5, Cy - 5}, {Cx + 3, Cy - 3}}, {{Cx + 3, Cy - 3}, {Cx, Cy}},
                                   {{Cx, Cy}, {Cx, Cy + 1.5}}, {{Cx, Cy + 4.5}, {Cx, Cy + 4.6}}};
      Stroke(Canvas, Question, 1.6, Ink);
      break;
    }
  }
}

enum class TCheckKind { Unchecked, Checked, Grayed, RadioOff, RadioOn };

// A check box or radio button, 16 x 16: field-coloured, the outline lighter when hot.
void DrawCheck(TCanvas& Canvas, int State, TCheckKind Kind) {
  const bool Radio = Kind == TCheckKind::RadioOff || Kind == TCheckKind::RadioOn;
  const TRoundRect Outer{1.5, 1.5, 14.5, 14.5, Radio ? 6.5 : 2.5};
  FillRoundRect(Canvas, Outer, Solid(State == 1 ? HotHighlight : Rgb(0x7A7A7A)));
  FillRoundRect(Canvas, Outer.Inset(1.2), Solid(State == 2 ? Rgb(0x2A2A2A) : FieldFill));
  const TRgba Ink = State == 1 ? BrightMark : Rgb(0xE6E6E6);
  if (Kind == TCheckKind::Checked) {
    const TSegment Tick[] = {{{4.5, 8.2}, {7, 10.8}}, {{7, 10.8}, {11.6, 5}}};
    Stroke(Canvas, Tick, 1.7, Ink);
  } else if (Kind == TCheckKind::Grayed) {
    FillRoundRect(Canvas, {5, 5, 11, 11, 1}, Solid(Rgb(0x8A8A8A)));
  } else if (Kind == TCheckKind::RadioOn) {
    FillRoundRect(Canvas, {5, 5, 11, 11, 3}, Solid(Ink));
  }
}

enum class TSide { Left, Top, Right, Bottom };

// A scroll arrow, a chevron pointing to Side, in a 12 x 12 cell.
void DrawArrow(TCanvas& Canvas, int State, TSide Side) {
  const TRgba Ink = State == 0 ? Rgb(0xA8A8A8) : BrightMark;
  TPointF A{3.5, 4.5};
  TPointF B{6, 7.5};
  TPointF C{8.5, 4.5};
  const auto Turn = [&](TPointF P) -> TPointF {
    switch (Side) {
      case TSide::Bottom: return P;
      case TSide::Top: return {P.X, 12 - P.Y};
      case TSide::Right: return {P.Y, P.X};
      case TSide::Left: return {12 - P.Y, P.X};
    }
    return P;
  };
  const TSegment Chevron[] = {{Turn(A), Turn(B)}, {Turn(B), Turn(C)}};
  Stroke(Canvas, Chevron, 1.6, Ink);
}

// A size grip: six dots in a triangle towards the bottom-right corner.
void DrawGrip(TCanvas& Canvas, int) {
  const double W = Canvas.Width();
  const double H = Canvas.Height();
  for (int Row = 0; Row < 3; ++Row)
    for (int Column = 2 - Row; Column < 3; ++Column) {
      const TPointF Centre{W - 3 - 4 * (2 - Column), H - 3 - 4 * (2 - Row)};
      Canvas.Fill({Centre.X - 2, Centre.Y - 2, Centre.X + 2, Centre.Y + 2},
                  [&](TPointF P) { return std::hypot(P.X - Centre.X, P.Y - Centre.Y) <= 1.1; },
                  Solid(Rgb(0x8C8C8C)));
    }
}

// ---- Glows and the extended border

// A soft light glow around an element that covers the glow picture but Border pixels.
TBitmap32 DrawGlow(int Size, double Border, double Strength) {
  TCanvas Canvas(Size, Size);
  const TRoundRect Element{Border, Border, Size - Border, Size - Border, 3};
  Canvas.FillSoft([&](TPointF P) { return Strength * (1 - SmoothStep(-1, Border, RoundRectDistance(P, Element))); },
                  GlowLight);
  return Canvas.ToBitmap();
}

// The extended border: two states side by side, 53 x 76 each: a soft shadow around a
// square-cornered graphite frame with the title band at the top; the inside stays clear.
TBitmap32 DrawExtendedBorder() {
  constexpr int Width = 53;
  constexpr int Height = 76;
  TBitmap32 Both(2 * Width, Height);
  for (int State = 0; State < 2; ++State) {
    TCanvas Canvas(Width, Height);
    const TRoundRect Frame{10, 10, Width - 10, Height - 10, 0};
    Canvas.FillSoft([&](TPointF P) {
      const double D = RoundRectDistance(P, Frame);
      return D > 0 ? 0.35 * (1 - SmoothStep(0, 10, D)) : 0.0;
    }, Rgb(0x000000));
    FillRoundRect(Canvas, Frame, Solid(Outline));
    FillRoundRect(Canvas, Frame.Inset(1), State == 1 ? VerticalGradient(Rgb(0x505050), Rgb(0x404040), 11, 49)
                                                     : VerticalGradient(Rgb(0x424242), Rgb(0x3A3A3A), 11, 49));
    const TBitmap32 Cell = Canvas.ToBitmap();
    for (int Y = 0; Y < Height; ++Y)
      for (int X = 0; X < Width; ++X) {
        const bool Inside = X >= 16 && X < Width - 16 && Y >= 49 && Y < Height - 16;
        Both.Row(Y)[State * Width + X] = Inside ? 0 : Cell.Row(Y)[X];
      }
  }
  return Both;
}

// ---- The files

TBitmap32 DrawMaster() {
  TBitmap32 Master(400, 130);
  for (int Y = 0; Y < Master.Height(); ++Y)
    for (int X = 0; X < Master.Width(); ++X) Master.Row(Y)[X] = MakePixel32(0x30, 0x30, 0x30, 255);
  // Caption buttons: three 24 x 25 states above their masks, 72 x 50 each, from the origin.
  const TCaptionKind Captions[] = {TCaptionKind::Close, TCaptionKind::Max, TCaptionKind::Min, TCaptionKind::Restore,
                                   TCaptionKind::Help};
  for (int I = 0; I < 5; ++I)
    PlaceStates(Master, 72 * I, 0, 24, 25, 3, [&](TCanvas& C, int S) { DrawCaption(C, S, Captions[I]); });
  // Check marks, 16 x 16, three states, from (0, 50); then the grips.
  const TCheckKind Checks[] = {TCheckKind::Unchecked, TCheckKind::Checked, TCheckKind::Grayed, TCheckKind::RadioOff,
                               TCheckKind::RadioOn};
  for (int I = 0; I < 5; ++I)
    PlaceStates(Master, 48 * I, 50, 16, 16, 3, [&](TCanvas& C, int S) { DrawCheck(C, S, Checks[I]); });
  PlaceStates(Master, 240, 50, 16, 16, 1, DrawGrip);
  // Frames, 12 x 12 states, from (0, 82): button, field, slider thumb, scroll button, tab.
  PlaceStates(Master, 0, 82, 12, 12, 3, DrawButton);
  PlaceStates(Master, 36, 82, 12, 12, 3, DrawField);
  PlaceStates(Master, 72, 82, 12, 12, 3, DrawThumb);
  PlaceStates(Master, 108, 82, 12, 12, 3, DrawField);
  PlaceStates(Master, 144, 82, 12, 12, 3, DrawButton);
  PlaceStates(Master, 180, 82, 12, 12, 1, DrawPanelEdge);
  PlaceStates(Master, 192, 82, 12, 12, 2, DrawFormFrame);
  PlaceStates(Master, 216, 82, 12, 12, 2, DrawTitle);
  // Scroll arrows, 12 x 12, three states, from (0, 106): left, up, right, down.
  const TSide Sides[] = {TSide::Left, TSide::Top, TSide::Right, TSide::Bottom};
  for (int I = 0; I < 4; ++I)
    PlaceStates(Master, 36 * I, 106, 12, 12, 3, [&](TCanvas& C, int S) { DrawArrow(C, S, Sides[I]); });
  return Master;
}

// The large button frame: three 27 x 27 states above their masks, borders of 8.
TBitmap32 DrawButtonHuge() {
  TBitmap32 Huge(81, 54);
  PlaceStates(Huge, 0, 0, 27, 27, 3, DrawButton);
  return Huge;
}

}  // namespace

std::vector<TSkinPicture> DrawSkinPictures() {
  return {
      {"ButtonHuge.bmp", WriteBmp32(DrawButtonHuge().View())},
      {"Master.bmp", WriteBmp32(DrawMaster().View())},
      {"CloseBtnGlow.png", EncodePng(DrawGlow(30, 8, 0.45))},
      {"MaxBtnGlow.png", EncodePng(DrawGlow(30, 8, 0.35))},
      {"MinBtnGlow.png", EncodePng(DrawGlow(30, 8, 0.35))},
      {"NormalBtnGlow.png", EncodePng(DrawGlow(30, 8, 0.35))},
      {"EditGlow.png", EncodePng(DrawGlow(30, 8, 0.40))},
      {"ExtBord.png", EncodePng(DrawExtendedBorder())},
      // Glyphs of their own are copied whole, alpha included: the grip brings the size
      // box's colour (the scroll bar track's) with it instead of black see-through pixels.
      {"Grip.png", EncodePng([] {
         TCanvas Canvas(16, 16);
         FillBox(Canvas, {0, 0, 16, 16}, Solid(ScrollTrack));
         DrawGrip(Canvas, 0);
         return Canvas.ToBitmap();
       }())},
  };
}
