// Index: source and clipping helpers; masked compositing; piece placement (tile, stretch);
// glyphs; nine-piece borders; their corners painted again; alpha-producing borders; textures.
#include "skin/render/MaskPaint.h"

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <limits>
#include <new>
#include <stdexcept>
#include <utility>
#include <vector>

#include "skin/render/PixelBlend.h"
#include "skin/render/PixelFill.h"
#include "gfx/BlockClip.h"
#include "gfx/Resample.h"

#if defined(__x86_64__)
#include <emmintrin.h>
#endif

namespace {

// ---- Source and clipping helpers

constexpr TPixel32 KeyPixel = 0x00FF00FFu;

// The picture an item is cut from (its own, else Master); empty when there is none or it
// does not hold the item's rectangle (a picture smaller than its description is never read).
TConstBitmapView ItemSource(const TsMaskData& Item, TConstBitmapView Master) {
  const TConstBitmapView Source = Item.Bmp ? Item.Bmp->View() : Master;
  if (Source.Row0 == nullptr || Item.R.IsEmpty() || IntersectRect(Item.R, BitmapRect(Source)) != Item.R) return {};
  return Source;
}

// A view of Rect of Bitmap; Rect must lie inside it.
TConstBitmapView SubView(TConstBitmapView Bitmap, const TRect& Rect) {
  return {Bitmap.Row0 + Rect.Top * Bitmap.Stride + std::ptrdiff_t{Rect.Left} * 4, Rect.Width(), Rect.Height(),
          Bitmap.Stride};
}

// A W x H block going to (DX, DY) of Dst from (IX, IY) of an image and (MX, MY) of its mask,
// cut to all three: the image's block, and where its mask block starts.
bool ClipMaskedBlock(TBitmapView Dst, std::int64_t DX, std::int64_t DY, TConstBitmapView Img, std::int64_t IX,
                     std::int64_t IY, TConstBitmapView Mask, std::int64_t MX, std::int64_t MY, std::int64_t W,
                     std::int64_t H, TBlock& Block, TPoint& MaskStart) {
  TBlock I, M;
  if (!ClipBlock(DX, DY, IX, IY, W, H, Dst.Width, Dst.Height, Img.Width, Img.Height, I) ||
      !ClipBlock(I.DX, I.DY, MX + (I.SX - IX), MY + (I.SY - IY), I.W, I.H, Dst.Width, Dst.Height, Mask.Width,
                 Mask.Height, M))
    return false;
  Block = {M.DX, M.DY, I.SX + (M.DX - I.DX), I.SY + (M.DY - I.DY), M.W, M.H};
  MaskStart = {M.SX, M.SY};
  return true;
}

bool ParentPixelAt(const TCacheInfo& Parent, int X, int Y, TPixel32& Pixel) {
  if (!Parent.Ready || Parent.Bmp.Row0 == nullptr) return false;
  const std::int64_t PX = std::int64_t{X} + Parent.X;
  const std::int64_t PY = std::int64_t{Y} + Parent.Y;
  if (PX < 0 || PY < 0 || PX >= Parent.Bmp.Width || PY >= Parent.Bmp.Height) return false;
  Pixel = Parent.Bmp.Row(static_cast<int>(PY))[PX];
  return true;
}

TPixel32 FillPixelOf(const TCacheInfo& Parent) {
  return ExchangeRedBlue(static_cast<TPixel32>(Parent.FillColor));
}

// Copies pixels whole (all four bytes) from Src at (SX, SY) to Dst at (DX, DY).
void CopyBlock(TBitmapView Dst, std::int64_t DX, std::int64_t DY, TConstBitmapView Src, std::int64_t SX,
               std::int64_t SY, std::int64_t W, std::int64_t H) {
  TBlock B;
  if (Dst.Row0 == nullptr || Src.Row0 == nullptr ||
      !ClipBlock(DX, DY, SX, SY, W, H, Dst.Width, Dst.Height, Src.Width, Src.Height, B))
    return;
  for (int Y = 0; Y < B.H; ++Y) std::copy_n(Src.Row(B.SY + Y) + B.SX, B.W, Dst.Row(B.DY + Y) + B.DX);
}

// ---- Masked compositing

// What a key image pixel does.
enum class TKeyRule { Leave, Composite, Parent, Fill };
// What happens to the target's alpha.
enum class TAlphaRule { Keep, Accumulate, Opaque };

struct TMaskRules {
  TKeyRule Key = TKeyRule::Leave;
  TAlphaRule Alpha = TAlphaRule::Keep;
  bool Faded = false;
};

// Mask bytes are per-channel transparencies: 0 takes the image's byte, 255 keeps the target.
TPixel32 MixThroughMask(TPixel32 D, TPixel32 S, TPixel32 M) {
  TPixel32 Result = D & 0xFF000000u;
  for (int Shift = 0; Shift < 24; Shift += 8) {
    const int DC = static_cast<int>((D >> Shift) & 0xFF);
    const int SC = static_cast<int>((S >> Shift) & 0xFF);
    const int MC = static_cast<int>((M >> Shift) & 0xFF);
    Result |= static_cast<TPixel32>(((DC - SC) * MC + SC * 256) >> 8) << Shift;
  }
  return Result;
}

TPixel32 RaiseMask(TPixel32 M) {
  TPixel32 Result = 0;
  for (int Shift = 0; Shift < 24; Shift += 8)
    Result |= static_cast<TPixel32>(std::min<int>(static_cast<int>((M >> Shift) & 0xFF) + 100, 255)) << Shift;
  return Result;
}

#if defined(__x86_64__)
// MixThroughMask on four pixels at a time for the rules that need no parent and no alpha
// sums (key pixels left or composited, alpha kept or made opaque, mask not faded); returns the
// number of pixels done. Each colour byte ((d - s) * m + s * 256) >> 8 is
// s + floor((d - s) * m / 256), and (d - s) * 2 and m * 128 fit 16 signed bits: the high half
// of their product is exactly that floor.
int CompositeMaskedLanes(TPixel32* D, const TPixel32* S, const TPixel32* M, int N, const TMaskRules& Rules) {
  const __m128i Zero = _mm_setzero_si128();
  const __m128i AlphaBytes = _mm_set1_epi32(static_cast<int>(0xFF000000u));
  const __m128i RedBytes = _mm_set1_epi32(0x00FF0000);
  const __m128i Key = _mm_set1_epi32(static_cast<int>(KeyPixel));
  const __m128i KeyMatters = Rules.Key == TKeyRule::Leave ? _mm_set1_epi32(-1) : Zero;
  const __m128i Opaque = Rules.Alpha == TAlphaRule::Opaque ? AlphaBytes : Zero;
  const auto Mix = [](__m128i D16, __m128i S16, __m128i M16) {
    return _mm_add_epi16(S16, _mm_mulhi_epi16(_mm_slli_epi16(_mm_sub_epi16(D16, S16), 1), _mm_slli_epi16(M16, 7)));
  };
  int X = 0;
  for (; X + 4 <= N; X += 4) {
    const __m128i SP = _mm_loadu_si128(reinterpret_cast<const __m128i*>(S + X));
    const __m128i DP = _mm_loadu_si128(reinterpret_cast<const __m128i*>(D + X));
    const __m128i MP = _mm_loadu_si128(reinterpret_cast<const __m128i*>(M + X));
    const __m128i Mixed = _mm_packus_epi16(
        Mix(_mm_unpacklo_epi8(DP, Zero), _mm_unpacklo_epi8(SP, Zero), _mm_unpacklo_epi8(MP, Zero)),
        Mix(_mm_unpackhi_epi8(DP, Zero), _mm_unpackhi_epi8(SP, Zero), _mm_unpackhi_epi8(MP, Zero)));
    const __m128i WithAlpha = _mm_or_si128(_mm_andnot_si128(AlphaBytes, Mixed), _mm_and_si128(AlphaBytes, DP));
    // A mask red byte of 255 keeps the target pixel, as does a key pixel that is left.
    const __m128i Keep = _mm_or_si128(_mm_cmpeq_epi32(_mm_and_si128(MP, RedBytes), RedBytes),
                                      _mm_and_si128(KeyMatters, _mm_cmpeq_epi32(SP, Key)));
    const __m128i Out = _mm_or_si128(_mm_and_si128(Keep, DP), _mm_andnot_si128(Keep, WithAlpha));
    _mm_storeu_si128(reinterpret_cast<__m128i*>(D + X), _mm_or_si128(Out, Opaque));
  }
  return X;
}
#endif

// The rules CompositeMaskedLanes takes.
bool LanesTake(const TMaskRules& Rules) {
  return (Rules.Key == TKeyRule::Leave || Rules.Key == TKeyRule::Composite) && Rules.Alpha != TAlphaRule::Accumulate &&
         !Rules.Faded;
}

// Composites a W x H block of Img at (IX, IY) through Mask at (MX, MY) onto Dst at (DX, DY).
void CompositeMasked(TBitmapView Dst, std::int64_t DX, std::int64_t DY, TConstBitmapView Img, int IX, int IY,
                     TConstBitmapView Mask, int MX, int MY, std::int64_t W, std::int64_t H, const TMaskRules& Rules,
                     const TCacheInfo& Parent) {
  TBlock B;
  TPoint MaskAt;
  if (Dst.Row0 == nullptr || !ClipMaskedBlock(Dst, DX, DY, Img, IX, IY, Mask, MX, MY, W, H, B, MaskAt)) return;
  const TPixel32 Fill = FillPixelOf(Parent);
  [[maybe_unused]] const bool Lanes = LanesTake(Rules);
  for (int Y = 0; Y < B.H; ++Y) {
    TPixel32* const D = Dst.Row(B.DY + Y) + B.DX;
    const TPixel32* const S = Img.Row(B.SY + Y) + B.SX;
    const TPixel32* const M = Mask.Row(MaskAt.Y + Y) + MaskAt.X;
    int X = 0;
#if defined(__x86_64__)
    if (Lanes) X = CompositeMaskedLanes(D, S, M, B.W, Rules);
#endif
    for (; X < B.W; ++X) {
      const bool Key = S[X] == KeyPixel;
      if (Key && Rules.Key == TKeyRule::Parent) {
        ParentPixelAt(Parent, B.DX + X, B.DY + Y, D[X]);
      } else if (Key && Rules.Key == TKeyRule::Fill) {
        D[X] = Fill;
      } else if ((!Key || Rules.Key == TKeyRule::Composite) && ((M[X] >> 16) & 0xFF) != 0xFF) {
        const TPixel32 MaskBytes = Rules.Faded ? RaiseMask(M[X]) : M[X];
        const TPixel32 Mixed = MixThroughMask(D[X], S[X], MaskBytes);
        if (Rules.Alpha == TAlphaRule::Accumulate) {
          const int DA = static_cast<int>(D[X] >> 24);
          const int Cover = 255 - static_cast<int>((MaskBytes >> 16) & 0xFF);
          D[X] = (Mixed & 0x00FFFFFFu) | (static_cast<TPixel32>(DA + (((255 - DA) * Cover) >> 8)) << 24);
        } else {
          D[X] = Mixed;
        }
      }
      if (Rules.Alpha == TAlphaRule::Opaque) D[X] |= 0xFF000000u;
    }
  }
}

// The outer-effect mix: the mask's red byte weighs all three channels, scaled by Opacity;
// alpha grows to the mask's coverage without being scaled.
void CompositeOuterEffect(TBitmapView Dst, std::int64_t DX, std::int64_t DY, TConstBitmapView Img, int IX, int IY,
                          TConstBitmapView Mask, int MX, int MY, std::int64_t W, std::int64_t H, int Opacity,
                          const TCacheInfo& Parent) {
  TBlock B;
  TPoint MaskAt;
  if (Dst.Row0 == nullptr || !ClipMaskedBlock(Dst, DX, DY, Img, IX, IY, Mask, MX, MY, W, H, B, MaskAt)) return;
  for (int Y = 0; Y < B.H; ++Y) {
    TPixel32* const D = Dst.Row(B.DY + Y) + B.DX;
    const TPixel32* const S = Img.Row(B.SY + Y) + B.SX;
    const TPixel32* const M = Mask.Row(MaskAt.Y + Y) + MaskAt.X;
    for (int X = 0; X < B.W; ++X) {
      if (S[X] == KeyPixel) {
        if (!ParentPixelAt(Parent, B.DX + X, B.DY + Y, D[X]) && !Parent.Ready) D[X] &= 0x00FFFFFFu;
        continue;
      }
      const int Cover = 255 - static_cast<int>((M[X] >> 16) & 0xFF);
      const int Weight = (Opacity * Cover) >> 8;
      TPixel32 Result = 0;
      for (int Shift = 0; Shift < 24; Shift += 8) {
        const int DC = static_cast<int>((D[X] >> Shift) & 0xFF);
        const int SC = static_cast<int>((S[X] >> Shift) & 0xFF);
        Result |= static_cast<TPixel32>((DC * (255 - Weight) + SC * Weight) >> 8) << Shift;
      }
      int DA = static_cast<int>(D[X] >> 24);
      if (DA == 0) {
        DA = Cover;
      } else if (DA < 255) {
        DA = std::max(DA, Cover);
      }
      D[X] = Result | (static_cast<TPixel32>(DA) << 24);
    }
  }
}

// ---- Piece placement

enum class TPieceKind { Corner, Side, Centre };

// A rectangle of the target in 64-bit: pieces, and the strips the fill modes place a
// texture wide or high beyond a rectangle's edges, may reach past the ends of the int range.
struct TArea {
  std::int64_t Left = 0, Top = 0, Right = 0, Bottom = 0;
  bool IsEmpty() const { return Right <= Left || Bottom <= Top; }
  std::int64_t Width() const { return Right - Left; }
  std::int64_t Height() const { return Bottom - Top; }
};

TArea Common(const TArea& A, const TArea& B) {
  return {std::max(A.Left, B.Left), std::max(A.Top, B.Top), std::min(A.Right, B.Right), std::min(A.Bottom, B.Bottom)};
}

TArea WholeOf(TConstBitmapView Bitmap) { return {0, 0, Bitmap.Width, Bitmap.Height}; }

// The first of the starts Origin, Origin + Size, ... whose tile reaches past Edge.
std::int64_t FirstTileReaching(std::int64_t Origin, std::int64_t Edge, int Size) {
  return Edge <= Origin ? Origin : Origin + (Edge - Origin) / Size * Size;
}

// One piece of a border or texture: where it goes and where its image (and mask) lie.
struct TPiece {
  TArea Dst;          // target area
  TRect Src;          // the piece in the source picture
  TPieceKind Kind = TPieceKind::Side;
};

// How a block of the source reaches the target: Put(DX, DY, Img, IX, IY, Mask, MX, MY, W, H).
// For unmasked items Mask is empty and ignored. Only the tiles reaching into Target are put.
template <class TPut>
void TilePiece(const TPiece& P, const TArea& Target, TConstBitmapView Img, TConstBitmapView Mask, int MaskDY,
               TPut&& Put) {
  const int SW = P.Src.Width();
  const int SH = P.Src.Height();
  const std::int64_t EndX = std::min(P.Dst.Right, Target.Right);
  const std::int64_t EndY = std::min(P.Dst.Bottom, Target.Bottom);
  for (std::int64_t Y = FirstTileReaching(P.Dst.Top, Target.Top, SH); Y < EndY; Y += SH)
    for (std::int64_t X = FirstTileReaching(P.Dst.Left, Target.Left, SW); X < EndX; X += SW)
      Put(X, Y, Img, P.Src.Left, P.Src.Top, Mask, P.Src.Left, P.Src.Top + MaskDY,
          std::min<std::int64_t>(SW, P.Dst.Right - X), std::min<std::int64_t>(SH, P.Dst.Bottom - Y));
}

// Stretches a piece (image and mask alike) to its target size, working out only the part
// inside Target, in scratch bitmaps of that part's size. The centre, and a side that shrinks
// along its length only, get the smooth filter; everything else drops or repeats pixels as
// the window system's colour-on-colour stretch does. A scratch bitmap that cannot be made
// leaves the piece out.
template <class TPut>
void StretchPiece(const TPiece& P, const TArea& Target, TConstBitmapView Img, TConstBitmapView Mask, int MaskDY,
                  bool Masked, TPut&& Put) {
  const std::int64_t W = P.Dst.Width();
  const std::int64_t H = P.Dst.Height();
  const int SW = P.Src.Width();
  const int SH = P.Src.Height();
  const TArea Visible = Common(P.Dst, Target);
  if (Visible.IsEmpty()) return;
  const TResizePart Part{Visible.Left - P.Dst.Left, Visible.Top - P.Dst.Top, static_cast<int>(Visible.Width()),
                         static_cast<int>(Visible.Height())};
  const bool ShrinksOneWay = (W < SW && H == SH) || (H < SH && W == SW);
  const bool Smooth = Masked && (P.Kind == TPieceKind::Centre || ShrinksOneWay) && W > 1 && H > 1 && SW > 1 && SH > 1;
  // The image and, when masked, its mask; smooth pieces are always masked and share the
  // resampling weights.
  std::array<TBitmap32, 2> Stretched;
  try {
    const std::array<TConstBitmapView, 2> Sources{SubView(Img, P.Src),
                                                  Masked ? SubView(Mask, P.Src.Offset(0, MaskDY)) : TConstBitmapView{}};
    if (Smooth) {
      ResampleBitmapParts(Sources, Stretched, W, H, rfMitchell, Part);
    } else {
      StretchNearestPart(Sources[0], Stretched[0], W, H, Part);
      if (Masked) StretchNearestPart(Sources[1], Stretched[1], W, H, Part);
    }
  } catch (const std::bad_alloc&) {
    return;
  } catch (const std::length_error&) {
    return;
  }
  Put(Visible.Left, Visible.Top, Stretched[0].View(), 0, 0, Stretched[1].View(), 0, 0, Part.Width, Part.Height);
}

// Places one piece: corners once, sides and centre tiled or stretched. A side piece of size
// 0 is copied once, as long as the side, when unmasked and left out when masked (tiling it
// would never advance).
template <class TPut>
void PlacePiece(const TPiece& P, const TArea& Target, TConstBitmapView Img, TConstBitmapView Mask, int MaskDY,
                bool Masked, bool Stretch, TPut&& Put) {
  if (P.Dst.IsEmpty()) return;
  if (P.Src.Width() <= 0 || P.Src.Height() <= 0) {
    if (!Masked)
      Put(P.Dst.Left, P.Dst.Top, Img, P.Src.Left, P.Src.Top, Mask, 0, 0, P.Dst.Width(), P.Dst.Height());
    return;
  }
  if (Stretch && P.Kind != TPieceKind::Corner && (P.Dst.Width() != P.Src.Width() || P.Dst.Height() != P.Src.Height())) {
    StretchPiece(P, Target, Img, Mask, MaskDY, Masked, Put);
  } else {
    TilePiece(P, Target, Img, Mask, MaskDY, Put);
  }
}

// ---- Nine-piece geometry

struct TNinePiece {
  int WL = 0, WT = 0, WR = 0, WB = 0;
  TRect StateImage;  // the chosen state's image in the source
};

// The chosen state's image of Item (State held to the images there are); false when the
// item has no images or the image's place does not fit an int (it lies beyond any picture).
bool StateImageOf(const TsMaskData& Item, int State, TRect& Image) {
  if (Item.ImageCount <= 0 || Item.Width <= 0 || Item.Height <= 0) return false;
  const int S = std::clamp(State, 0, Item.ImageCount - 1);
  const std::int64_t Left = Item.R.Left + std::int64_t{S} * Item.Width;
  constexpr std::int64_t Last = std::numeric_limits<int>::max();
  if (Left + Item.Width > Last || std::int64_t{Item.R.Top} + Item.Height > Last) return false;
  Image = Bounds(static_cast<int>(Left), Item.R.Top, Item.Width, Item.Height);
  return true;
}

// Border widths reduced to fit Rect (the excess taken half from the near side, the rest from
// the far side) and the state image. False when the side pieces would have negative size.
bool LayOutNinePiece(const TRect& Rect, int State, const TsMaskData& Item, TNinePiece& L) {
  const auto Reduce = [](int& Near, int& Far, std::int64_t Length) {
    const std::int64_t Excess = std::int64_t{Near} + Far - Length;
    if (Excess <= 0) return;
    Near = static_cast<int>(std::max<std::int64_t>(0, Near - Excess / 2));
    Far = static_cast<int>(std::max<std::int64_t>(0, Far - (Excess - Excess / 2)));
  };
  L.WL = Item.WL;
  L.WT = Item.WT;
  L.WR = Item.WR;
  L.WB = Item.WB;
  Reduce(L.WL, L.WR, std::int64_t{Rect.Right} - Rect.Left);
  Reduce(L.WT, L.WB, std::int64_t{Rect.Bottom} - Rect.Top);
  if (!StateImageOf(Item, State, L.StateImage)) return false;
  return Item.Width - L.WL - L.WR >= 0 && Item.Height - L.WT - L.WB >= 0;
}

// The nine pieces in painting order (the order matters where pieces overlap): top-left,
// left, top, bottom-left, bottom, bottom-right, top-right, right, centre.
std::array<TPiece, 9> NinePieces(const TRect& Rect, const TNinePiece& L) {
  const TRect& I = L.StateImage;
  const std::int64_t X0 = Rect.Left, Y0 = Rect.Top, X1 = Rect.Right, Y1 = Rect.Bottom;
  const int IL = I.Left, IT = I.Top, IR = I.Right, IB = I.Bottom;
  using K = TPieceKind;
  return {TPiece{{X0, Y0, X0 + L.WL, Y0 + L.WT}, {IL, IT, IL + L.WL, IT + L.WT}, K::Corner},
          TPiece{{X0, Y0 + L.WT, X0 + L.WL, Y1 - L.WB}, {IL, IT + L.WT, IL + L.WL, IB - L.WB}, K::Side},
          TPiece{{X0 + L.WL, Y0, X1 - L.WR, Y0 + L.WT}, {IL + L.WL, IT, IR - L.WR, IT + L.WT}, K::Side},
          TPiece{{X0, Y1 - L.WB, X0 + L.WL, Y1}, {IL, IB - L.WB, IL + L.WL, IB}, K::Corner},
          TPiece{{X0 + L.WL, Y1 - L.WB, X1 - L.WR, Y1}, {IL + L.WL, IB - L.WB, IR - L.WR, IB}, K::Side},
          TPiece{{X1 - L.WR, Y1 - L.WB, X1, Y1}, {IR - L.WR, IB - L.WB, IR, IB}, K::Corner},
          TPiece{{X1 - L.WR, Y0, X1, Y0 + L.WT}, {IR - L.WR, IT, IR, IT + L.WT}, K::Corner},
          TPiece{{X1 - L.WR, Y0 + L.WT, X1, Y1 - L.WB}, {IR - L.WR, IT + L.WT, IR, IB - L.WB}, K::Side},
          TPiece{{X0 + L.WL, Y0 + L.WT, X1 - L.WR, Y1 - L.WB}, {IL + L.WL, IT + L.WT, IR - L.WR, IB - L.WB}, K::Centre}};
}

bool SkipsBorder(const TRect& Rect, int State, const TsMaskData& Item) {
  return (State == 0 && (Item.DrawMode & dmNotInState0) != 0) || std::int64_t{Rect.Right} - Rect.Left < 2 ||
         std::int64_t{Rect.Bottom} - Rect.Top < 2;
}

// An unmasked piece: corners by key colour (the parent behind key pixels when asked), sides
// and centre copied whole, key pixels included.
void PutUnmasked(TBitmapView Bitmap, const TPiece& P, TConstBitmapView Src, bool Stretch, bool UseParent,
                 const TCacheInfo& Parent) {
  const TArea Target = WholeOf(Bitmap);
  if (P.Kind == TPieceKind::Corner) {
    // A corner reaching into the bitmap starts within a border width of it.
    if (Common(P.Dst, Target).IsEmpty()) return;
    const TRect& S = P.Src;
    CopyKeyed(Bitmap, Src, static_cast<int>(P.Dst.Left), static_cast<int>(P.Dst.Top), UseParent, Parent, clFuchsia,
              {S.Left, S.Top, S.Right - 1, S.Bottom - 1});
    return;
  }
  PlacePiece(P, Target, Src, {}, 0, false, Stretch,
             [&](std::int64_t DX, std::int64_t DY, TConstBitmapView Img, int IX, int IY, TConstBitmapView, int, int,
                 std::int64_t W, std::int64_t H) { CopyBlock(Bitmap, DX, DY, Img, IX, IY, W, H); });
}

// ---- Textures

// How an area's columns (or rows) pick the texture's: repeated with a tile starting at
// Origin, or, with a Length, the texture stretched once over Length pixels from Origin,
// picking the pixels StretchNearest picks.
struct TAxis {
  std::int64_t Origin = 0;
  std::int64_t Length = 0;  // 0: repeated
  int Size = 0;             // the texture's width or height

  int At(std::int64_t P) const {
    const std::int64_t Offset = P - Origin;
    if (Length > 0) return static_cast<int>(Offset * Size / Length);
    const std::int64_t Phase = Offset % Size;
    return static_cast<int>(Phase < 0 ? Phase + Size : Phase);
  }
};

TAxis Repeated(std::int64_t Origin, int Size) { return {Origin, 0, Size}; }
TAxis Stretched(std::int64_t Origin, std::int64_t Length, int Size) { return {Origin, Length, Size}; }

// Paints the part of Area inside the bitmap with the Texture pixels that Columns and Rows
// pick: the work, and the one scratch table, follow the bitmap's size, not the area's.
void PaintArea(TBitmapView Bitmap, const TArea& Area, TConstBitmapView Texture, const TAxis& Columns,
               const TAxis& Rows) {
  const TArea Visible{std::max<std::int64_t>(Area.Left, 0), std::max<std::int64_t>(Area.Top, 0),
                      std::min<std::int64_t>(Area.Right, Bitmap.Width),
                      std::min<std::int64_t>(Area.Bottom, Bitmap.Height)};
  if (Visible.IsEmpty()) return;
  const int X0 = static_cast<int>(Visible.Left);
  const int W = static_cast<int>(Visible.Right - Visible.Left);
  // Stretched columns are worked out once for every row; repeated ones are copied in runs.
  // Without room for that table nothing is painted.
  std::vector<int> Picks;
  if (Columns.Length > 0) {
    try {
      Picks.resize(static_cast<std::size_t>(W));
    } catch (const std::bad_alloc&) {
      return;
    }
    for (int X = 0; X < W; ++X) Picks[static_cast<std::size_t>(X)] = Columns.At(Visible.Left + X);
  }
  const int FirstColumn = Columns.At(Visible.Left);
  int PreviousRow = -1;
  for (int Y = static_cast<int>(Visible.Top); Y < Visible.Bottom; ++Y) {
    const int Row = Rows.At(Y);
    TPixel32* const D = Bitmap.Row(Y) + X0;
    // A stretched texture row spans several target rows: the first one is copied on.
    if (Row == PreviousRow) {
      std::copy_n(Bitmap.Row(Y - 1) + X0, W, D);
      continue;
    }
    PreviousRow = Row;
    const TPixel32* const S = Texture.Row(Row);
    if (!Picks.empty()) {
      for (int X = 0; X < W; ++X) D[X] = S[Picks[static_cast<std::size_t>(X)]];
      continue;
    }
    for (int X = 0, From = FirstColumn; X < W; From = 0) {
      const int Run = std::min(Columns.Size - From, W - X);
      std::copy_n(S + From, Run, D + X);
      X += Run;
    }
  }
}

void TileArea(TBitmapView Bitmap, const TArea& Area, std::int64_t OX, std::int64_t OY, TConstBitmapView Texture) {
  PaintArea(Bitmap, Area, Texture, Repeated(OX, Texture.Width), Repeated(OY, Texture.Height));
}

void StretchArea(TBitmapView Bitmap, const TArea& Area, TConstBitmapView Texture) {
  PaintArea(Bitmap, Area, Texture, Stretched(Area.Left, Area.Right - Area.Left, Texture.Width),
            Stretched(Area.Top, Area.Bottom - Area.Top, Texture.Height));
}

// The count of rows (or columns) of size Size whose start stays below End - Size.
std::int64_t WholeStarts(std::int64_t Length, int Size) { return Length > Size ? (Length - 1) / Size : 0; }

}  // namespace

void PaintStateImage(TBitmapView Bitmap, TPoint Point, int State, const TCacheInfo& Parent, const TsMaskData& MaskData,
                     TConstBitmapView Master, int Mode) {
  if (!MaskData.Bmp && MaskData.ImageCount <= 0) return;
  const TConstBitmapView Src = ItemSource(MaskData, Master);
  TRect Image;
  if (Src.Row0 == nullptr || Bitmap.Row0 == nullptr || !StateImageOf(MaskData, State, Image)) return;
  if (MaskData.MaskType == 0) {
    if (MaskData.Bmp) {
      // An own picture (a PNG with its own alpha) is copied pixel by pixel, alpha included.
      TBlock B;
      if (!ClipBlock(Point.X, Point.Y, Image.Left, Image.Top, Image.Width(), Image.Height(), Bitmap.Width,
                     Bitmap.Height, Src.Width, Src.Height, B))
        return;
      for (int Y = 0; Y < B.H; ++Y) {
        const TPixel32* const From = Src.Row(B.SY + Y) + B.SX;
        TPixel32* const To = Bitmap.Row(B.DY + Y) + B.DX;
        for (int X = 0; X < B.W; ++X)
          if (From[X] != KeyPixel) To[X] = From[X];
      }
    } else if (Mode == 1) {
      CopyKeyed(Bitmap, Src, Point.X, Point.Y, true, Parent, clFuchsia,
                {Image.Left, Image.Top, Image.Right - 1, Image.Bottom - 1});
    } else {
      BlendBitmapsKeyed(Bitmap, Point.X, Point.Y, clFuchsia, 127, {Image.Left, Image.Top, Image.Right - 1, Image.Bottom - 1},
                        Src);
    }
    return;
  }
  if (std::int64_t{Image.Bottom} + MaskData.Height > Src.Height) return;
  CompositeMasked(Bitmap, Point.X, Point.Y, Src, Image.Left, Image.Top, Src, Image.Left, Image.Top + MaskData.Height,
                  Image.Width(), Image.Height(), {TKeyRule::Leave, TAlphaRule::Accumulate, Mode != 1}, Parent);
}

void PaintNinePiece(TBitmapView Bitmap, const TRect& Rect, const TCacheInfo& Parent, bool ParentCorners, int State,
                    const TsMaskData& MaskData, TConstBitmapView Master) {
  if (SkipsBorder(Rect, State, MaskData) || Bitmap.Row0 == nullptr) return;
  const TConstBitmapView Src = ItemSource(MaskData, Master);
  TNinePiece L;
  if (Src.Row0 == nullptr || !LayOutNinePiece(Rect, State, MaskData, L)) return;
  const bool Stretch = (MaskData.DrawMode & dmStretch) != 0;
  const bool Centre = (MaskData.DrawMode & dmCentre) != 0;
  const bool UseParent = ParentCorners && MaskData.CornerType > 0;
  const bool Masked = MaskData.MaskType > 0;
  const int MaskDY = MaskData.R.Height() / 2;
  const bool ReadyParent = Parent.Ready && Parent.Bmp.Row0 != nullptr;

  TMaskRules CornerRules;
  if (ReadyParent) {
    CornerRules = {UseParent ? TKeyRule::Parent : TKeyRule::Composite, TAlphaRule::Opaque, false};
  } else {
    CornerRules = {UseParent ? TKeyRule::Fill : TKeyRule::Leave, TAlphaRule::Keep, false};
  }
  const TMaskRules InnerRules{TKeyRule::Leave, TAlphaRule::Keep, false};

  for (const TPiece& P : NinePieces(Rect, L)) {
    if (P.Kind == TPieceKind::Centre && !Centre) continue;
    if (!Masked) {
      PutUnmasked(Bitmap, P, Src, Stretch, UseParent, Parent);
      continue;
    }
    const TMaskRules& Rules = P.Kind == TPieceKind::Corner ? CornerRules : InnerRules;
    PlacePiece(P, WholeOf(Bitmap), Src, Src, MaskDY, true, Stretch,
               [&](std::int64_t DX, std::int64_t DY, TConstBitmapView Img, int IX, int IY, TConstBitmapView Mask, int MX,
                   int MY, std::int64_t W, std::int64_t H) {
                 CompositeMasked(Bitmap, DX, DY, Img, IX, IY, Mask, MX, MY, W, H, Rules, Parent);
               });
  }
}

void PaintBorderCorners(TBitmapView Bitmap, const TRect& Rect, const TCacheInfo& Parent, int State,
                        const TsMaskData& MaskData, TConstBitmapView Master, int Corners) {
  if (SkipsBorder(Rect, State, MaskData) || Bitmap.Row0 == nullptr) return;
  const TConstBitmapView Src = ItemSource(MaskData, Master);
  TNinePiece L;
  if (Src.Row0 == nullptr || !LayOutNinePiece(Rect, State, MaskData, L)) return;
  const std::array<TPiece, 9> Pieces = NinePieces(Rect, L);
  // Pieces 0, 3, 6 and 5 are the top-left, bottom-left, top-right and bottom-right corners.
  const std::pair<int, int> Chosen[] = {{bcTopLeft, 0}, {bcBottomLeft, 3}, {bcTopRight, 6}, {bcBottomRight, 5}};
  const bool ReadyParent = Parent.Ready && Parent.Bmp.Row0 != nullptr;
  const int MaskDY = MaskData.R.Height() / 2;
  for (const auto& [Bit, Index] : Chosen) {
    const TPiece& P = Pieces[static_cast<std::size_t>(Index)];
    if ((Corners & Bit) == 0 || Common(P.Dst, WholeOf(Bitmap)).IsEmpty()) continue;
    if (MaskData.MaskType <= 0) {
      PutUnmasked(Bitmap, P, Src, false, true, Parent);
      continue;
    }
    // A masked corner mixes with what lies behind it, so that is put under it first.
    if (ReadyParent) {
      CopyBlock(Bitmap, P.Dst.Left, P.Dst.Top, Parent.Bmp, P.Dst.Left + Parent.X, P.Dst.Top + Parent.Y, P.Dst.Width(),
                P.Dst.Height());
    } else if (Parent.FillColor != clFuchsia) {
      const TArea A = Common(P.Dst, WholeOf(Bitmap));
      FillPixels(Bitmap, {static_cast<int>(A.Left), static_cast<int>(A.Top), static_cast<int>(A.Right),
                          static_cast<int>(A.Bottom)},
                 Parent.FillColor, 255);
    }
    const TMaskRules Rules{TKeyRule::Leave, ReadyParent ? TAlphaRule::Opaque : TAlphaRule::Keep, false};
    CompositeMasked(Bitmap, P.Dst.Left, P.Dst.Top, Src, P.Src.Left, P.Src.Top, Src, P.Src.Left, P.Src.Top + MaskDY,
                    P.Dst.Width(), P.Dst.Height(), Rules, Parent);
  }
}

TsMaskData BorderForCornerRefresh(const TsMaskData& Border) {
  TsMaskData Result = Border;
  if (!Border.Bmp || Border.ImageCount > 0) return Result;
  Result.ImageCount = 3;
  Result.MaskType = 1;
  Result.Width = Border.R.Width() / 3;
  Result.Height = Border.R.Height() / 2;
  return Result;
}

void PaintNinePieceAlpha(TBitmapView Bitmap, const TRect& Rect, const TCacheInfo& Parent, int State,
                         const TsMaskData& MaskData, TConstBitmapView Master, int Opacity, const TRect& SideLimits) {
  if (SkipsBorder(Rect, State, MaskData) || Bitmap.Row0 == nullptr) return;
  const TConstBitmapView Src = ItemSource(MaskData, Master);
  TNinePiece L;
  if (Src.Row0 == nullptr || !LayOutNinePiece(Rect, State, MaskData, L)) return;
  const bool Stretch = (MaskData.DrawMode & dmStretch) != 0;
  if (MaskData.MaskType <= 0) {
    const bool Centre = (MaskData.DrawMode & dmCentre) != 0;
    for (const TPiece& P : NinePieces(Rect, L))
      if (P.Kind != TPieceKind::Centre || Centre) PutUnmasked(Bitmap, P, Src, Stretch, MaskData.CornerType > 0, Parent);
    return;
  }
  std::array<TPiece, 9> Pieces = NinePieces(Rect, L);
  // Narrowed sides keep the part of their piece along the picture's outer edge and lie
  // along the outer edge of Rect.
  const int NL = std::min(L.WL, std::max(0, SideLimits.Left));
  const int NT = std::min(L.WT, std::max(0, SideLimits.Top));
  const int NR = std::min(L.WR, std::max(0, SideLimits.Right));
  const int NB = std::min(L.WB, std::max(0, SideLimits.Bottom));
  Pieces[1].Dst.Right = Pieces[1].Dst.Left + NL;
  Pieces[1].Src.Right = Pieces[1].Src.Left + NL;
  Pieces[2].Dst.Bottom = Pieces[2].Dst.Top + NT;
  Pieces[2].Src.Bottom = Pieces[2].Src.Top + NT;
  Pieces[4].Dst.Top = Pieces[4].Dst.Bottom - NB;
  Pieces[4].Src.Top = Pieces[4].Src.Bottom - NB;
  Pieces[7].Dst.Left = Pieces[7].Dst.Right - NR;
  Pieces[7].Src.Left = Pieces[7].Src.Right - NR;
  const int MaskDY = MaskData.R.Height() / 2;
  for (int I = 0; I < 8; ++I) {
    const TPiece& P = Pieces[I];
    if (P.Kind == TPieceKind::Side && (P.Src.Width() <= 0 || P.Src.Height() <= 0)) continue;
    PlacePiece(P, WholeOf(Bitmap), Src, Src, MaskDY, true, Stretch,
               [&](std::int64_t DX, std::int64_t DY, TConstBitmapView Img, int IX, int IY, TConstBitmapView Mask, int MX,
                   int MY, std::int64_t W, std::int64_t H) {
                 CompositeOuterEffect(Bitmap, DX, DY, Img, IX, IY, Mask, MX, MY, W, H, Opacity, Parent);
               });
  }
}

void PaintTexture(TBitmapView Bitmap, TRect& Rect, const TsMaskData& MaskData, TConstBitmapView Master, int Mode) {
  const TConstBitmapView Src = ItemSource(MaskData, Master);
  if (Src.Row0 == nullptr || Bitmap.Row0 == nullptr || Rect.IsEmpty()) return;
  const TConstBitmapView T = SubView(Src, MaskData.R);
  const int TW = T.Width;
  const int TH = T.Height;
  const TArea A{Rect.Left, Rect.Top, Rect.Right, Rect.Bottom};
  TArea Left{-1, -1, -1, -1};
  switch (Mode) {
    case 0:
      TileArea(Bitmap, A, A.Left, A.Top, T);
      break;
    case 1:
      StretchArea(Bitmap, A, T);
      break;
    case 2:
      TileArea(Bitmap, {A.Left, A.Top, A.Right, std::min(A.Bottom, A.Top + TH)}, A.Left, A.Top, T);
      Left = {A.Left, A.Top + TH, A.Right, A.Bottom};
      break;
    case 3:
      TileArea(Bitmap, {A.Left, A.Top, std::min(A.Right, A.Left + TW), A.Bottom}, A.Left, A.Top, T);
      Left = {A.Left + TW, A.Top, A.Right, A.Bottom};
      break;
    case 4:
      StretchArea(Bitmap, {A.Left, A.Top, A.Right, A.Top + TH}, T);
      Left = {A.Left, A.Top + TH, A.Right, A.Bottom};
      break;
    case 5:
      StretchArea(Bitmap, {A.Left, A.Top, A.Left + TW, A.Bottom}, T);
      Left = {A.Left + TW, A.Top, A.Right, A.Bottom};
      break;
    case 6:
      TileArea(Bitmap, {A.Left, std::max(A.Top, A.Bottom - TH), A.Right, A.Bottom}, A.Left, A.Bottom - TH, T);
      Left = {A.Left, A.Top, A.Right, A.Bottom - TH};
      break;
    case 7:
      TileArea(Bitmap, {std::max(A.Left, A.Right - TW), A.Top, A.Right, A.Bottom}, A.Right - TW, A.Top, T);
      Left = {A.Left, A.Top, A.Right - TW, A.Bottom};
      break;
    case 8:
      StretchArea(Bitmap, {A.Left, A.Bottom - TH, A.Right, A.Bottom}, T);
      Left = {A.Left, A.Top, A.Right, A.Bottom - TH};
      break;
    case 9:
      StretchArea(Bitmap, {A.Right - TW, A.Top, A.Right, A.Bottom}, T);
      Left = {A.Left, A.Top, A.Right - TW, A.Bottom};
      break;
    case 10:
      TileArea(Bitmap, {A.Left, A.Top, A.Right, A.Top + WholeStarts(A.Bottom - A.Top, TH) * TH}, A.Left, A.Top, T);
      break;
    case 11:
      PaintArea(Bitmap, A, T, Stretched(A.Left, A.Right - A.Left, TW), Repeated(A.Top, TH));
      break;
    case 12:
      PaintArea(Bitmap, A, T, Repeated(A.Left, TW), Stretched(A.Top, A.Bottom - A.Top, TH));
      break;
    case 13:
      TileArea(Bitmap, A, A.Right, A.Bottom, T);
      break;
    default:
      return;
  }
  // A strip the texture covers entirely leaves nothing for the colour; any other part left
  // lies inside Rect.
  Rect = Left.IsEmpty() ? NothingLeft
                        : TRect{static_cast<int>(Left.Left), static_cast<int>(Left.Top), static_cast<int>(Left.Right),
                                static_cast<int>(Left.Bottom)};
}

void PaintMaskedTexture(TBitmapView Bitmap, TRect& Rect, const TCacheInfo& Parent, int Mode,
                        const TsMaskData& MaskData, TConstBitmapView Master) {
  const TConstBitmapView Src = ItemSource(MaskData, Master);
  if ((Mode != 0 && Mode != 10) || Src.Row0 == nullptr || Bitmap.Row0 == nullptr || Rect.IsEmpty()) return;
  const TRect A = Rect;
  Rect = NothingLeft;
  const int MaskDY = MaskData.R.Height() / 2;
  const TRect Tile{MaskData.R.Left, MaskData.R.Top, MaskData.R.Right, MaskData.R.Top + MaskDY};
  const int TW = Tile.Width();
  const int TH = Tile.Height();
  if (TW <= 0 || TH <= 0) return;
  const bool ReadyParent = Parent.Ready && Parent.Bmp.Row0 != nullptr;
  TKeyRule Key = TKeyRule::Leave;
  if (ReadyParent) {
    Key = TKeyRule::Parent;
  } else if (Parent.FillColor != clFuchsia) {
    Key = TKeyRule::Fill;
  }
  const TMaskRules Rules{Key, TAlphaRule::Keep, false};
  // Mode 10 covers whole tile positions only (a start below the far edge minus the tile's
  // size); mode 0 cuts the last row and column. Only the tiles reaching into the bitmap are
  // visited.
  const TArea Whole{A.Left, A.Top, A.Right, A.Bottom};
  const TArea Covered = Mode == 0 ? Whole
                                  : TArea{Whole.Left, Whole.Top, Whole.Left + WholeStarts(Whole.Right - Whole.Left, TW) * TW,
                                          Whole.Top + WholeStarts(Whole.Bottom - Whole.Top, TH) * TH};
  const std::int64_t EndX = std::min<std::int64_t>(Covered.Right, Bitmap.Width);
  const std::int64_t EndY = std::min<std::int64_t>(Covered.Bottom, Bitmap.Height);
  for (std::int64_t Y = FirstTileReaching(Covered.Top, 0, TH); Y < EndY; Y += TH)
    for (std::int64_t X = FirstTileReaching(Covered.Left, 0, TW); X < EndX; X += TW)
      CompositeMasked(Bitmap, static_cast<int>(X), static_cast<int>(Y), Src, Tile.Left, Tile.Top, Src, Tile.Left,
                      Tile.Top + MaskDY, static_cast<int>(std::min<std::int64_t>(TW, Covered.Right - X)),
                      static_cast<int>(std::min<std::int64_t>(TH, Covered.Bottom - Y)), Rules, Parent);
  if (Mode != 10) return;
  // Covered ends inside A, so its edges fit an int.
  const int CoveredRight = static_cast<int>(Covered.Right);
  const int CoveredBottom = static_cast<int>(Covered.Bottom);
  const std::array<TRect, 2> Strips{TRect{CoveredRight, A.Top, A.Right, A.Bottom},
                                    TRect{A.Left, CoveredBottom, CoveredRight, A.Bottom}};
  for (const TRect& Strip : Strips) {
    const TRect S = IntersectRect(Strip, BitmapRect(Bitmap));
    if (S.IsEmpty()) continue;
    if (ReadyParent) {
      CopyBlock(Bitmap, S.Left, S.Top, Parent.Bmp, std::int64_t{S.Left} + Parent.X, std::int64_t{S.Top} + Parent.Y,
                S.Width(), S.Height());
    } else if (Parent.FillColor != clFuchsia) {
      FillPixels(Bitmap, S, Parent.FillColor, 255);
    }
  }
}
