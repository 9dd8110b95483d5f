// Index: layer values; opaque layers; background; whole section; colours.
#include "skin/render/SectionPaint.h"

#include <algorithm>
#include <cstdint>
#include <limits>
#include <new>
#include <stdexcept>

#include "gfx/ColorOps.h"
#include "skin/render/FrameStrips.h"
#include "skin/render/Gradient.h"
#include "skin/render/MaskPaint.h"
#include "skin/render/PixelBlend.h"
#include "skin/render/PixelFill.h"
#include "skin/render/PixelLoops.h"
#include "skin/store/sSkinStore.h"

namespace {

// ---- Layer values

struct TLayers {
  TColor Color = clWhite;
  int Transparency = 0;
  int ImagePercent = 0;
  int GradientPercent = 0;
  const TsGradArray* Gradient = nullptr;  // null: no gradient
  bool GradientOnTop = false;
  const TsMaskData* Texture = nullptr;  // null: no texture item
  TConstBitmapView Master;              // the skin's master bitmap, for items cut from it
};

const TsGradArray NoGradient;

int ClampPropState(const TsGeneralData& Section, int State) {
  return std::clamp(std::min(State, Section.States - 1), 0, 2);
}

const TsMaskData* ItemAt(const TsSkinStore& Manager, int Index) {
  return Manager.IsValidImgIndex(Index) ? &Manager.ma()[static_cast<std::size_t>(Index)] : nullptr;
}

TLayers LayersOf(const TsSkinStore& Manager, const TsGenState& S, TColor CustomColor, int Texture) {
  TLayers L;
  if (CustomColor != clFuchsia) {
    L.Color = CustomColor;
    return L;
  }
  L.Color = S.Color;
  L.Transparency = S.Transparency;
  if (L.Transparency >= 100) return L;
  L.ImagePercent = S.ImagePercent;
  L.GradientPercent = S.GradientPercent;
  L.Gradient = &S.GradientArray;
  L.GradientOnTop = !S.GradientArray.empty() && (S.GradientArray.front().Mode & GradientPathCorners) != 0;
  if (L.GradientOnTop) L.GradientPercent = 0;
  L.Texture = ItemAt(Manager, Texture < 0 ? S.TextureIndex : Texture);
  L.Master = Manager.MasterBitmap().View();
  return L;
}

const TsGradArray& GradientOf(const TLayers& L) { return L.Gradient != nullptr ? *L.Gradient : NoGradient; }

// A scratch bitmap of Rect's size; false when there is no room for it.
bool MakeLayer(const TRect& Rect, TBitmap32& Layer) {
  try {
    Layer = NewBitmap32(Rect);
  } catch (const std::bad_alloc&) {
    return false;
  } catch (const std::length_error&) {
    return false;
  }
  return true;
}

TConstBitmapView TextureSource(const TsMaskData& Item, TConstBitmapView Master) {
  return Item.Bmp ? Item.Bmp->View() : Master;
}

// A gradient, or the plain colour when it has no points.
void PaintGradientOrColor(TBitmapView Bitmap, const TRect& Rect, const TLayers& L) {
  if (GradientOf(L).empty()) {
    FillPixels(Bitmap, Rect, L.Color, 255);
  } else {
    PaintGradient(Bitmap, Rect, GradientOf(L), 0);
  }
}

// ---- Opaque layers: texture, gradient and colour mixed by their percentages

void PaintOpaqueLayers(TBitmapView Bitmap, const TRect& Rect, const TLayers& L, const TCacheInfo& Parent) {
  const int I = L.ImagePercent;
  const int G = L.GradientPercent;
  const TsGradArray& Grad = GradientOf(L);
  const int Kind = Grad.empty() ? -1 : (Grad.front().Mode & GradientKindMask);
  if (I + G == 100 && G >= 1 && G <= 99 && L.Texture != nullptr && L.Texture->DrawMode == 0 && (Kind == 0 || Kind == 1)) {
    // Texture and gradient in one pass.
    PaintGradientTextured(Bitmap, Rect, Grad, 255, PercentToWeight(I), L.Texture->R, TextureSource(*L.Texture, L.Master));
    return;
  }
  bool Textured = false;
  if (I > 0 && L.Texture != nullptr) {
    TRect Rest = Rect;
    if (L.Texture->MaskType > 0) {
      PaintMaskedTexture(Bitmap, Rest, Parent, L.Texture->DrawMode, *L.Texture, L.Master);
    } else {
      PaintTexture(Bitmap, Rest, *L.Texture, L.Master, L.Texture->DrawMode);
    }
    if (Rest != NothingLeft) FillPixels(Bitmap, Rest, L.Color, 255);
    Textured = true;
  }
  if (G > 0) {
    if (Textured) {
      // Without room for the gradient's layer the texture stays as it is.
      TBitmap32 Layer;
      if (!MakeLayer(Rect, Layer)) return;
      PaintGradientOrColor(Layer.View(), BitmapRect(Layer.View()), L);
      BlendBitmaps(Bitmap, Layer.View(), std::min(255, PercentToWeight(I)), {Rect.Left, Rect.Top},
                   BitmapRect(Layer.View()));
    } else {
      PaintGradientOrColor(Bitmap, Rect, L);
    }
  }
  if (I + G > 0 && I + G < 100) FadeRectToColor(Bitmap, Rect, PercentToWeight(I + G), L.Color);
  if (I + G == 0) FillPixels(Bitmap, Rect, L.Color, 255);
}

// ---- Background

bool IsSameBitmap(TConstBitmapView A, TConstBitmapView B) { return A.Row0 != nullptr && A.Row0 == B.Row0; }

// Where the parent's picture lies from the bitmap: 64-bit, as a position plus an offset
// may leave the int range.
struct TShift {
  std::int64_t X = 0, Y = 0;
};

// Copies what the parent's picture holds under Rect (moved by Shift), alpha included; only
// the pixels whose place in the picture lies inside Within.
void CopyFromParent(TBitmapView Bitmap, const TRect& Rect, TConstBitmapView Picture, TShift Shift,
                    const TRect& Within) {
  if (Bitmap.Row0 == nullptr || Picture.Row0 == nullptr) return;
  const TRect R = IntersectRect(Rect, BitmapRect(Bitmap));
  const TRect In = IntersectRect(Within, BitmapRect(Picture));
  const std::int64_t Left = std::max<std::int64_t>(R.Left, In.Left - Shift.X);
  const std::int64_t Right = std::min<std::int64_t>(R.Right, In.Right - Shift.X);
  const std::int64_t Top = std::max<std::int64_t>(R.Top, In.Top - Shift.Y);
  const std::int64_t Bottom = std::min<std::int64_t>(R.Bottom, In.Bottom - Shift.Y);
  if (Right <= Left || Bottom <= Top) return;
  // Inside both bitmaps now, so every place fits an int.
  for (auto Y = static_cast<int>(Top); Y < Bottom; ++Y)
    std::copy_n(Picture.Row(static_cast<int>(Y + Shift.Y)) + (Left + Shift.X), Right - Left,
                Bitmap.Row(Y) + Left);
}

// The parent's look under Rect: its picture when ready; otherwise its colour, and with
// WithFrame the edge strips of a colour frame taken from the picture behind it.
void PutParent(TBitmapView Bitmap, const TRect& Rect, const TCacheInfo& Parent, TPoint Offset, bool WithFrame) {
  const TShift Shift{std::int64_t{Parent.X} + Offset.X, std::int64_t{Parent.Y} + Offset.Y};
  if (Parent.Ready) {
    CopyFromParent(Bitmap, Rect, Parent.Bmp, Shift, BitmapRect(Parent.Bmp));
    return;
  }
  FillPixels(Bitmap, Rect, Parent.FillColor, 255);
  if (!WithFrame || Parent.Bmp.Row0 == nullptr) return;
  // Widths held to the picture's sides cut the same strips from it and keep the sums in range.
  const TRect& F = Parent.FillRect;
  const int W = Parent.Bmp.Width;
  const int H = Parent.Bmp.Height;
  for (const TRect& Strip : SolidFrameStrips(BitmapRect(Parent.Bmp), std::clamp(F.Left, 0, W), std::clamp(F.Top, 0, H),
                                             std::clamp(F.Right, 0, W), std::clamp(F.Bottom, 0, H)))
    CopyFromParent(Bitmap, Rect, Parent.Bmp, Shift, Strip);
}

// ---- Whole section

void PaintCornerImages(const TsSkinStore& Manager, const TsGeneralData& Section, TBitmapView Bitmap, const TRect& Rect,
                       int State) {
  TCacheInfo Self;
  Self.Bmp = Bitmap;
  Self.Ready = true;
  const auto Paint = [&](int Index, bool Right, bool Bottom) {
    const TsMaskData* Item = ItemAt(Manager, Index);
    if (Item == nullptr || Item->Width <= 0 || Item->Height <= 0) return;
    const TPoint At{Right ? Rect.Right - Item->Width : Rect.Left, Bottom ? Rect.Bottom - Item->Height : Rect.Top};
    PaintStateImage(Bitmap, At, State, Self, *Item, Manager.MasterBitmap().View(), 1);
  };
  Paint(Section.ImgTL, false, false);
  Paint(Section.ImgTR, true, false);
  Paint(Section.ImgBL, false, true);
  Paint(Section.ImgBR, true, true);
}

// Held to the int range: a parent that far away lies beyond every pixel either way.
TCacheInfo MovedBy(TCacheInfo Parent, TPoint Offset) {
  const auto Moved = [](int Position, int By) {
    return static_cast<int>(std::clamp<std::int64_t>(std::int64_t{Position} + By, std::numeric_limits<int>::min(),
                                                     std::numeric_limits<int>::max()));
  };
  Parent.X = Moved(Parent.X, Offset.X);
  Parent.Y = Moved(Parent.Y, Offset.Y);
  return Parent;
}

// Tone, hue and saturation of one pixel, in the order the picture gets them.
TPixel32 ApplyEffects(TPixel32 P, const TsSectionLook& Look) {
  if (Look.ColorTone != clNone) P = TintPixel(P, Look.ColorTone);
  if (Look.HueOffset != 0) P = RotateHue(Look.HueOffset, P);
  if (Look.Saturation != 0) P = ShiftSaturation(std::clamp(Look.Saturation * 255 / 100, -255, 255), P);
  return P;
}

bool HasEffects(const TsSectionLook& Look) {
  return Look.ColorTone != clNone || Look.HueOffset != 0 || Look.Saturation != 0;
}

bool InsideBitmap(TConstBitmapView Bitmap, const TRect& Rect) {
  return !Rect.IsEmpty() && Rect.Left >= 0 && Rect.Top >= 0 && Rect.Right <= Bitmap.Width &&
         Rect.Bottom <= Bitmap.Height && Bitmap.Row0 != nullptr;
}

}  // namespace

void PaintSectionBackgroundByIndex(int SkinIndex, const TCacheInfo& Parent, int State, TColor CustomColor,
                                   int HotTexture, int Texture, const TsSkinStore* Manager, TBitmapView Bitmap,
                                   TPoint Offset, const TRect& Rect) {
  if (Manager == nullptr || !Manager->IsValidSkinIndex(SkinIndex) || !InsideBitmap(Bitmap, Rect)) return;
  const TsGeneralData& Section = Manager->gd()[static_cast<std::size_t>(SkinIndex)];
  const int S = ClampPropState(Section, State);
  const TsGenState& Props = Section.Props[static_cast<std::size_t>(S)];
  const TLayers L = LayersOf(*Manager, Props, CustomColor, Texture);
  const TCacheInfo Moved = MovedBy(Parent, Offset);
  const int T = L.Transparency;

  if (Parent.Ready || Parent.FillColor != clFuchsia) {
    if (T <= 0) {
      PaintOpaqueLayers(Bitmap, Rect, L, Moved);
    } else if (T >= 100) {
      if (!(Parent.Ready && IsSameBitmap(Parent.Bmp, Bitmap))) PutParent(Bitmap, Rect, Parent, Offset, true);
    } else if (Parent.Ready || L.ImagePercent > 0 || L.GradientPercent > 0 || L.GradientOnTop) {
      TBitmap32 Layer;
      if (!MakeLayer(Rect, Layer)) return;
      PaintOpaqueLayers(Layer.View(), BitmapRect(Layer.View()), L, MovedBy(Moved, {Rect.Left, Rect.Top}));
      PutParent(Bitmap, Rect, Parent, Offset, false);
      BlendBitmaps(Bitmap, Layer.View(), PercentToWeight(T), {Rect.Left, Rect.Top}, BitmapRect(Layer.View()));
    } else {
      FillPixels(Bitmap, Rect, static_cast<TColor>(BlendTwoColors(static_cast<std::uint32_t>(Parent.FillColor),
                                                                  static_cast<std::uint32_t>(L.Color),
                                                                  PercentToWeight(T))),
                 255);
    }
  } else {
    PaintOpaqueLayers(Bitmap, Rect, L, Moved);
  }
  if (L.GradientOnTop) PaintGradient(Bitmap, Rect, GradientOf(L), 0);

  // A masked texture of fill mode 10 lies over everything.
  const int Overlay = State == 0 ? (Texture < 0 ? Props.TextureIndex : Texture) : HotTexture;
  const TsMaskData* Item = ItemAt(*Manager, Overlay);
  if (Item != nullptr && Item->MaskType > 0 && Item->DrawMode == 10) {
    TRect Area = Rect;
    PaintMaskedTexture(Bitmap, Area, Moved, 10, *Item, Manager->MasterBitmap().View());
  }
}

void PaintSectionBackground(const TsSectionLook& Look, const TCacheInfo& Parent, int State, TBitmapView Bitmap,
                            TPoint Offset, const TRect& Rect) {
  PaintSectionBackgroundByIndex(Look.SkinIndex, Parent, State, Look.CustomColor, -1, -1, Look.Manager, Bitmap, Offset,
                                Rect);
}

void PaintSection(const TsSectionLook& Look, const TCacheInfo& Parent, int HotTexture, int Texture, bool ParentCorners,
                  TBitmapView Bitmap, TPoint Offset, const TRect& Rect, int State) {
  const TsSkinStore* const Manager = Look.Manager;
  if (Manager == nullptr || !Manager->IsValidSkinIndex(Look.SkinIndex) || !InsideBitmap(Bitmap, Rect)) return;
  const TsGeneralData& Section = Manager->gd()[static_cast<std::size_t>(Look.SkinIndex)];
  const int S = std::max(0, std::min(State, Section.States - 1));
  PaintSectionBackgroundByIndex(Look.SkinIndex, Parent, S, Look.CustomColor, HotTexture, Texture, Manager, Bitmap,
                                Offset, Rect);
  PaintCornerImages(*Manager, Section, Bitmap, Rect, S);
  const TsMaskData* Border = ItemAt(*Manager, Section.BorderIndex);
  bool Effects = true;
  if (Border != nullptr && !(S == 0 && (Border->DrawMode & dmNotInState0) != 0)) {
    PaintNinePiece(Bitmap, Rect, MovedBy(Parent, Offset), ParentCorners, S, *Border, Manager->MasterBitmap().View());
  } else {
    Effects = Section.Props[static_cast<std::size_t>(ClampPropState(Section, S))].Transparency == 0;
  }
  if (Effects) ApplyColorEffects(Bitmap, Look);
}

void ApplyColorEffects(TBitmapView Bitmap, const TsSectionLook& Look) {
  if (HasEffects(Look)) ForEachPixel(Bitmap, [&Look](TPixel32 P) { return ApplyEffects(P, Look); }, clFuchsia);
}

void PaintSectionByIndex(int SkinIndex, const TCacheInfo& Parent, int State, int HotTexture, int Texture,
                         const TsSkinStore* Manager, TBitmapView Bitmap, TPoint Offset, const TRect& Rect,
                         int BorderIndex) {
  if (Manager == nullptr || !Manager->IsValidSkinIndex(SkinIndex) || !InsideBitmap(Bitmap, Rect)) return;
  const TsGeneralData& Section = Manager->gd()[static_cast<std::size_t>(SkinIndex)];
  const int S = std::max(0, std::min(State, Section.States - 1));
  PaintSectionBackgroundByIndex(SkinIndex, Parent, S, clFuchsia, HotTexture, Texture, Manager, Bitmap, Offset, Rect);
  PaintCornerImages(*Manager, Section, Bitmap, Rect, S);
  const TsMaskData* Border = ItemAt(*Manager, BorderIndex >= 0 ? BorderIndex : Section.BorderIndex);
  if (Border != nullptr) PaintNinePiece(Bitmap, Rect, MovedBy(Parent, Offset), true, S, *Border, Manager->MasterBitmap().View());
}

TColor EffectColor(TColor Color, const TsSectionLook& Look) {
  const TPixel32 Pixel = ExchangeRedBlue(static_cast<TPixel32>(Color));
  // The picture's effects skip key pixels; so does the colour.
  if (Pixel == ExchangeRedBlue(static_cast<TPixel32>(clFuchsia))) return Color;
  return static_cast<TColor>(ExchangeRedBlue(ApplyEffects(Pixel, Look)));
}

TColor ControlColor(const TsSectionLook& Look, int State, TColor OwnColor, const TParentColorQuery& ParentColor) {
  if (Look.Manager == nullptr || !Look.Manager->IsValidSkinIndex(Look.SkinIndex) || Look.CustomColor != clFuchsia)
    return OwnColor;
  const TsGeneralData& Section = Look.Manager->gd()[static_cast<std::size_t>(Look.SkinIndex)];
  const TsGenState& Props = Section.Props[State > 0 && Section.States > 1 ? 1 : 0];
  if (Props.Transparency <= 0) return Props.Color;
  if (Props.Transparency >= 100) return ParentColor(false);
  return static_cast<TColor>(BlendTwoColors(static_cast<std::uint32_t>(ParentColor(false)),
                                            static_cast<std::uint32_t>(Props.Color),
                                            PercentToWeight(Props.Transparency)));
}

TColor BgColorQueryAnswer(const TsSectionLook& Look, TColor OwnColor, const TParentColorQuery& ParentColor) {
  if (Look.Manager == nullptr || !Look.Manager->IsValidSkinIndex(Look.SkinIndex)) return OwnColor;
  const TsGenState& Props = Look.Manager->gd()[static_cast<std::size_t>(Look.SkinIndex)].Props[0];
  if (Props.Transparency == 0) return Props.Color;
  if (Props.Transparency == 100) return ParentColor(false);
  return BgColorQueryMix(ParentColor(true), Props.Color, Props.Transparency);
}
