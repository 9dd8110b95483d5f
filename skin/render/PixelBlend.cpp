// Sections: clipping; BlendBitmaps; BlendBitmapsKeyed; CopyKeyed; CompositeAlpha;
// DrawImage32 (shapes, reflection); CopyKeyedOpaque. The row loops are in PixelBlendRows.
#include "skin/render/PixelBlend.h"

#include <algorithm>
#include <cstdint>

#include "gfx/BlockClip.h"
#include "skin/render/PixelBlendRows.h"

namespace {

constexpr TPixel32 KeyPixel = 0x00FF00FFu;  // clFuchsia in pixel order with alpha 0

// A rectangle's width or height; an int rectangle's may not fit an int.
constexpr std::int64_t Extent(int Start, int End) { return std::int64_t{End} - Start; }

// A source rectangle that names its last column and row, as a half-open one.
TRect InclusiveToHalfOpen(const TRect& R) {
  const auto Next = [](int V) { return V == INT32_MAX ? V : V + 1; };
  return {R.Left, R.Top, Next(R.Right), Next(R.Bottom)};
}

struct TRows {
  std::byte* Dst0 = nullptr;
  std::ptrdiff_t DstStride = 0;
  const std::byte* Src0 = nullptr;
  std::ptrdiff_t SrcStride = 0;

  TPixel32* Dst(const TBlock& B, int Y) const { return reinterpret_cast<TPixel32*>(Dst0 + (B.DY + Y) * DstStride) + B.DX; }
  const TPixel32* Src(const TBlock& B, int Y) const {
    return reinterpret_cast<const TPixel32*>(Src0 + (B.SY + Y) * SrcStride) + B.SX;
  }
};

// Row access to both bitmaps and the block from (SX, SY) to (DX, DY) cut to them.
bool Prepare(TBitmapView Dst, TConstBitmapView Src, std::int64_t DX, std::int64_t DY, std::int64_t SX,
             std::int64_t SY, std::int64_t W, std::int64_t H, TBlock& Block, TRows& Rows) {
  if (!RowAccess(Dst, Rows.Dst0, Rows.DstStride) || !RowAccess(Src, Rows.Src0, Rows.SrcStride)) return false;
  return ClipBlock(DX, DY, SX, SY, W, H, Dst.Width, Dst.Height, Src.Width, Src.Height, Block);
}

// The same for a half-open source rectangle placed at (DX, DY).
bool Prepare(TBitmapView Dst, TConstBitmapView Src, const TRect& SrcRect, std::int64_t DX, std::int64_t DY,
             TBlock& Block, TRows& Rows) {
  return Prepare(Dst, Src, DX, DY, SrcRect.Left, SrcRect.Top, Extent(SrcRect.Left, SrcRect.Right),
                 Extent(SrcRect.Top, SrcRect.Bottom), Block, Rows);
}

// The parent picture's pixel under destination pixel (X, Y), if there is one.
bool ParentPixel(const TCacheInfo& Parent, int X, int Y, TPixel32& Pixel) {
  const std::int64_t PX = std::int64_t{X} + Parent.X;
  const std::int64_t PY = std::int64_t{Y} + Parent.Y;
  if (PX < 0 || PY < 0 || PX >= Parent.Bmp.Width || PY >= Parent.Bmp.Height) return false;
  Pixel = Parent.Bmp.Row(static_cast<int>(PY))[PX];
  return true;
}

bool HasParentPicture(const TCacheInfo& Parent) { return Parent.Ready && Parent.Bmp.Row0 != nullptr; }

}  // namespace

// ---- BlendBitmaps ----

void BlendBitmaps(TBitmapView Dst, TConstBitmapView Src, int K, TPoint DstPoint, const TRect& SrcRect) {
  BlendBitmaps(BestPixelLanes(), Dst, Src, K, DstPoint, SrcRect);
}

void BlendBitmaps(TPixelLanes Lanes, TBitmapView Dst, TConstBitmapView Src, int K, TPoint DstPoint,
                  const TRect& SrcRect) {
  TBlock B;
  TRows Rows;
  if (!Prepare(Dst, Src, SrcRect, DstPoint.X, DstPoint.Y, B, Rows)) return;
  const int Weight = std::clamp(K, 0, 255);
  const std::int64_t N = std::int64_t{B.W} * 4;
  for (int Y = 0; Y < B.H; ++Y)
    BlendRow(Lanes, reinterpret_cast<std::uint8_t*>(Rows.Dst(B, Y)), reinterpret_cast<const std::uint8_t*>(Rows.Src(B, Y)),
             N, Weight);
}

// ---- BlendBitmapsKeyed ----

void BlendBitmapsKeyed(TBitmapView Dst, int DstX, int DstY, TColor Key, int K, const TRect& SrcRect,
                       TConstBitmapView Src) {
  TBlock B;
  TRows Rows;
  if (!Prepare(Dst, Src, InclusiveToHalfOpen(SrcRect), DstX, DstY, B, Rows)) return;
  const TPixel32 KeyValue = ExchangeRedBlue(static_cast<TPixel32>(Key));
  const int L = 255 - K;
  for (int Y = 0; Y < B.H; ++Y) {
    TPixel32* const D = Rows.Dst(B, Y);
    const TPixel32* const S = Rows.Src(B, Y);
    for (int X = 0; X < B.W; ++X) {
      const TPixel32 SP = S[X];
      if (SP == KeyValue) continue;
      const TPixel32 DP = D[X];
      TPixel32 Out = DP & 0xFF000000u;
      for (int Shift = 0; Shift < 24; Shift += 8) {
        const int SV = static_cast<int>((SP >> Shift) & 0xFF);
        const int DV = static_cast<int>((DP >> Shift) & 0xFF);
        Out |= static_cast<TPixel32>((SV * L + DV * K) >> 8) << Shift;
      }
      D[X] = Out;
    }
  }
}

// ---- CopyKeyed ----

void CopyKeyed(TBitmapView Dst, TConstBitmapView Src, int DstX, int DstY, bool UseParent, const TCacheInfo& Parent,
               TColor Key, const TRect& SrcRect) {
  TBlock B;
  TRows Rows;
  if (!Prepare(Dst, Src, InclusiveToHalfOpen(SrcRect), DstX, DstY, B, Rows)) return;
  const TPixel32 KeyValue = ExchangeRedBlue(static_cast<TPixel32>(Key));
  const bool FromParent = UseParent && HasParentPicture(Parent);
  const bool IntoParent = FromParent && Parent.Bmp.Row0 == Rows.Dst0;
  // Read before anything is written: the block may start at the first pixel.
  const TPixel32 Fill = (ExchangeRedBlue(static_cast<TPixel32>(Parent.FillColor)) & 0x00FFFFFFu) |
                        (*reinterpret_cast<const TPixel32*>(Rows.Dst0) & 0xFF000000u);
  const TPixel32 CopiedAlpha = IntoParent ? 0xFF000000u : 0;
  for (int Y = 0; Y < B.H; ++Y) {
    TPixel32* const D = Rows.Dst(B, Y);
    const TPixel32* const S = Rows.Src(B, Y);
    for (int X = 0; X < B.W; ++X) {
      if (S[X] != KeyValue) {
        D[X] = S[X] | CopiedAlpha;
      } else if (!Parent.Ready) {
        D[X] = Fill;
      } else if (FromParent && !IntoParent) {
        ParentPixel(Parent, B.DX + X, B.DY + Y, D[X]);
      }
    }
  }
}

// ---- CompositeAlpha ----

void CompositeAlpha(const TRect& DstRect, const TRect& SrcRect, TBitmapView Dst, bool UseParent,
                    const TCacheInfo& Parent, TConstBitmapView Src) {
  CompositeAlpha(BestPixelLanes(), DstRect, SrcRect, Dst, UseParent, Parent, Src);
}

void CompositeAlpha(TPixelLanes Lanes, const TRect& DstRect, const TRect& SrcRect, TBitmapView Dst, bool UseParent,
                    const TCacheInfo& Parent, TConstBitmapView Src) {
  const std::int64_t W = std::min(Extent(DstRect.Left, DstRect.Right), Extent(SrcRect.Left, SrcRect.Right));
  const std::int64_t H = std::min(Extent(DstRect.Top, DstRect.Bottom), Extent(SrcRect.Top, SrcRect.Bottom));
  if (W <= 0 || H <= 0) return;
  TBlock B;
  TRows Rows;
  if (!Prepare(Dst, Src, DstRect.Left, DstRect.Top, SrcRect.Left, SrcRect.Top, W, H, B, Rows)) return;
  const bool FromParent = UseParent && HasParentPicture(Parent);
  for (int Y = 0; Y < B.H; ++Y) {
    TPixel32* const D = Rows.Dst(B, Y);
    const TPixel32* const S = Rows.Src(B, Y);
    CompositeRow(Lanes, D, S, B.W);
    if (FromParent)
      for (int X = 0; X < B.W; ++X) {
        TPixel32 P = 0;
        if (S[X] == KeyPixel && ParentPixel(Parent, B.DX + X, B.DY + Y, P)) D[X] = P | 0xFF000000u;
      }
  }
}

// ---- DrawImage32 ----

namespace {

// The same with the image drawn as a shape of Shape's colour (pixel order): the channels of
// Shape scaled by each source pixel's brightness replace the source channels.
void DrawShapeRow(TPixel32* D, const TPixel32* S, int N, int Factor, bool KeepAlpha, TPixel32 Shape) {
  for (int X = 0; X < N; ++X) {
    const TPixel32 SP = S[X];
    const int Y = static_cast<int>((SP >> 16) & 0xFF) / 4 + static_cast<int>((SP >> 8) & 0xFF) / 2 +
                  static_cast<int>(SP & 0xFF) / 4;
    TPixel32 Shaded = SP & 0xFF000000u;
    for (int Shift = 0; Shift < 24; Shift += 8)
      Shaded |= static_cast<TPixel32>(static_cast<int>((Shape >> Shift) & 0xFF) * Y >> 8) << Shift;
    DrawImageRow(TPixelLanes::Baseline, D + X, &Shaded, 1, Factor, KeepAlpha);  // one pixel: the plain loop
  }
}

// A colour brightened until its largest byte is 255, in pixel order.
TPixel32 ShapeColor(TColor Color) {
  const TsColor C = TsColor::FromC(static_cast<std::uint32_t>(Color));
  const int Lift = 255 - std::max({C.R, C.G, C.B});
  const auto Up = [Lift](std::uint8_t V) { return static_cast<std::uint8_t>(std::min(255, V + Lift)); };
  return ExchangeRedBlue(TsColor{Up(C.R), Up(C.G), Up(C.B), 0}.C());
}

}  // namespace

void DrawImage32(const TRect& DstRect, const TRect& SrcRect, TBitmapView Dst, bool Reflected, int Blend,
                 TColor Color, bool UseParent, const TCacheInfo& Parent, TConstBitmapView Src) {
  DrawImage32(BestPixelLanes(), DstRect, SrcRect, Dst, Reflected, Blend, Color, UseParent, Parent, Src);
}

void DrawImage32(TPixelLanes Lanes, const TRect& DstRect, const TRect& SrcRect, TBitmapView Dst, bool Reflected,
                 int Blend, TColor Color, bool UseParent, const TCacheInfo& Parent, TConstBitmapView Src) {
  const std::int64_t W = std::min(Extent(DstRect.Left, DstRect.Right), Extent(SrcRect.Left, SrcRect.Right));
  const std::int64_t H = std::min(Extent(DstRect.Top, DstRect.Bottom), Extent(SrcRect.Top, SrcRect.Bottom));
  if (W <= 0 || H <= 0) return;
  const int Factor = std::clamp(100 - Blend, 0, 100);
  const bool KeepAlpha = Blend != 0;
  const bool Shape = Color != clNone;
  const TPixel32 ShapePixel = Shape ? ShapeColor(Color) : 0;
  const bool FromParent = UseParent && HasParentPicture(Parent);

  const auto DrawRow = [&](TPixel32* D, const TPixel32* S, int N, int RowFactor, int DX, int DY) {
    if (Shape)
      DrawShapeRow(D, S, N, RowFactor, KeepAlpha, ShapePixel);
    else
      DrawImageRow(Lanes, D, S, N, RowFactor, KeepAlpha);
    if (FromParent)
      for (int X = 0; X < N; ++X) {
        TPixel32 P = 0;
        if ((S[X] >> 24) <= VisibleAlphaAbove && ParentPixel(Parent, DX + X, DY, P)) D[X] = P;
      }
  };

  TBlock B;
  TRows Rows;
  if (!RowAccess(Dst, Rows.Dst0, Rows.DstStride) || !RowAccess(Src, Rows.Src0, Rows.SrcStride)) return;
  if (ClipBlock(DstRect.Left, DstRect.Top, SrcRect.Left, SrcRect.Top, W, H, Dst.Width, Dst.Height, Src.Width,
                Src.Height, B))
    for (int Y = 0; Y < B.H; ++Y) DrawRow(Rows.Dst(B, Y), Rows.Src(B, Y), B.W, Factor, B.DX, B.DY + Y);

  if (!Reflected) return;
  // The mirror image: half the image's height below it, source rows from the bottom up,
  // its weight falling linearly from the image's own towards 0. Row I reads source row
  // SrcRect.Top + H - 1 - I and lands on DstRect.Top + H + I; only the rows inside both
  // bitmaps are visited.
  const std::int64_t ReflectionHeight = H / 2;
  const std::int64_t SrcBottom = SrcRect.Top + H - 1;
  const std::int64_t DstStart = DstRect.Top + H;
  const std::int64_t First = std::max({std::int64_t{0}, SrcBottom - (Src.Height - 1), -DstStart});
  const std::int64_t End = std::min({ReflectionHeight, SrcBottom + 1, Dst.Height - DstStart});
  for (std::int64_t I = First; I < End; ++I) {
    if (!ClipBlock(DstRect.Left, DstStart + I, SrcRect.Left, SrcBottom - I, W, 1, Dst.Width, Dst.Height, Src.Width,
                   Src.Height, B))
      continue;
    const int RowFactor = static_cast<int>(Factor * (ReflectionHeight - I) / ReflectionHeight);
    DrawRow(Rows.Dst(B, 0), Rows.Src(B, 0), B.W, RowFactor, B.DX, B.DY);
  }
}

// ---- CopyKeyedOpaque ----

void CopyKeyedOpaque(TBitmapView Dst, TConstBitmapView Src, int X, int Y, TColor Key) {
  TBlock B;
  TRows Rows;
  if (!Prepare(Dst, Src, BitmapRect(Src), X, Y, B, Rows)) return;
  const TPixel32 KeyValue = ExchangeRedBlue(static_cast<TPixel32>(Key));
  for (int Row = 0; Row < B.H; ++Row) {
    TPixel32* const D = Rows.Dst(B, Row);
    const TPixel32* const S = Rows.Src(B, Row);
    for (int I = 0; I < B.W; ++I)
      if (S[I] != KeyValue) D[I] = S[I] | 0xFF000000u;
  }
}
