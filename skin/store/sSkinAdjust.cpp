// The colour adjustments of a load (hue, then saturation, then brightness), applied to the
// pictures and to every colour of the skin. The key colour 0xFF00FF is never changed.
#include <algorithm>

#include "gfx/ColorOps.h"
#include "gfx/Premultiply.h"
#include "gfx/codec/ImageDecode.h"
#include "skin/store/sSkinStore.h"

namespace {

template <class TPixelOp>
void ApplyToBitmap(TBitmapView Bitmap, const TPixelOp& Op) {
  for (int Y = 0; Y < Bitmap.Height; ++Y) {
    TPixel32* const Line = Bitmap.Row(Y);
    for (int X = 0; X < Bitmap.Width; ++X)
      if ((Line[X] & 0x00FFFFFFu) != 0xFF00FFu) Line[X] = Op(Line[X]);
  }
}

// A TColor (red in byte 0) through an operation on pixels (blue in byte 0); -1 and the key
// colour stay as they are.
template <class TPixelOp>
TColor ApplyToColor(TColor Color, const TPixelOp& Op) {
  if (Color == -1 || Color == clFuchsia) return Color;
  const std::uint32_t Pixel = ExchangeRedBlue(static_cast<std::uint32_t>(Color));
  return static_cast<TColor>(ExchangeRedBlue(Op(Pixel)));
}

void CopyRect(const TBitmap32& From, TBitmap32& To, TRect Area) {
  Area = IntersectRect(Area, TRect{0, 0, To.Width(), To.Height()});
  if (Area.IsEmpty()) return;  // skins may give inverted rectangles
  for (int Y = Area.Top; Y < Area.Bottom; ++Y)
    std::copy(From.Row(Y) + Area.Left, From.Row(Y) + Area.Right, To.Row(Y) + Area.Left);
}

// Palette entries that hue and saturation leave alone: the hot link text and the edit
// status colours.
bool KeepsPaletteEntry(int Index) {
  return Index == pcWebTextHot || (Index >= pcEditText_Ok && Index <= pcEditText_Highlight3);
}

}  // namespace

void TsSkinStore::AdjustColors() {
  const auto ForEachStateColor = [&](const auto& Op, bool GradientsAlways) {
    for (TsGeneralData& Section : FSkin.gd)
      for (TsGenState& State : Section.Props) {
        for (TColor* Color : {&State.Color, &State.GlowColor, &State.FontColor.Color, &State.FontColor.Left,
                              &State.FontColor.Top, &State.FontColor.Right, &State.FontColor.Bottom})
          *Color = ApplyToColor(*Color, Op);
        if (GradientsAlways || State.GradientPercent > 0)
          for (TsGradPoint& Point : State.GradientArray)
            Point.Color = TsColor::FromC(static_cast<std::uint32_t>(ApplyToColor(Point.Color.I() & 0xFFFFFF, Op)) |
                                         (Point.Color.C() & 0xFF000000u));
      }
  };
  const auto ForPaletteAndShadow = [&](const auto& Op) {
    FSkin.CommonSkinData.Shadow1Color = ApplyToColor(FSkin.CommonSkinData.Shadow1Color, Op);
    for (int I = 0; I < PaletteCount; ++I)
      if (!KeepsPaletteEntry(I)) FSkin.Palette[static_cast<std::size_t>(I)] = ApplyToColor(FSkin.Palette[static_cast<std::size_t>(I)], Op);
  };

  if (FHueOffset != 0) {
    const int Degrees = FHueOffset;
    const auto Op = [Degrees](TPixel32 P) { return RotateHue(Degrees, P); };
    // Caption glyphs that keep their hue: the close buttons from 1 on, all of them at 1.
    std::vector<std::string> Kept;
    if (FSkin.CommonSkinData.BIKeepHUE >= 1) Kept = {"BICONCLOSE", "BICLOSEALONE", "SICONCLOSE"};
    if (FSkin.CommonSkinData.BIKeepHUE == 1)
      Kept.insert(Kept.end(), {"BICONMAX", "BICONMIN", "BICONNORM", "BICONHELP", "SICONMAX", "SICONMIN", "SICONNORM"});
    std::vector<const TBitmap32*> KeptImages;
    const TBitmap32 Unshifted = FSkin.MasterBitmap;
    ApplyToBitmap(FSkin.MasterBitmap.View(), Op);
    for (const TsMaskData& Picture : FSkin.ma) {
      if (Picture.ClassName != "GLOBALINFO" || std::find(Kept.begin(), Kept.end(), Picture.PropertyName) == Kept.end())
        continue;
      if (Picture.Bmp) KeptImages.push_back(Picture.Bmp.get());
      else CopyRect(Unshifted, FSkin.MasterBitmap, Picture.R);
    }
    for (TacExtFileData& Image : FSkin.ExtArray)
      if (std::find(KeptImages.begin(), KeptImages.end(), Image.Bmp.get()) == KeptImages.end())
        ApplyToBitmap(Image.Bmp->View(), Op);
    ForEachStateColor(Op, false);
    ForPaletteAndShadow(Op);
  }

  if (FSaturation != 0) {
    const int K = std::clamp(FSaturation * 255 / 100, -255, 255);
    const auto Op = [K](TPixel32 P) { return ShiftSaturation(K, P); };
    ApplyToBitmap(FSkin.MasterBitmap.View(), Op);
    for (TacExtFileData& Image : FSkin.ExtArray) ApplyToBitmap(Image.Bmp->View(), Op);
    ForEachStateColor(Op, true);
    ForPaletteAndShadow(Op);
  }

  if (FBrightness != 0) {
    const int K = PercentToWeight(std::clamp(FBrightness, -100, 100));
    const auto Op = [K](TPixel32 P) { return ScaleBrightness(P, K); };
    const TBitmap32 Unchanged = FSkin.MasterBitmap;
    ApplyToBitmap(FSkin.MasterBitmap.View(), Op);
    for (const TsMaskData& Picture : FSkin.ma)
      if (!Picture.Bmp && Picture.MaskType == 1)
        CopyRect(Unchanged, FSkin.MasterBitmap,
                 TRect{Picture.R.Left, Picture.R.Top + Picture.R.Height() / 2, Picture.R.Right, Picture.R.Bottom});
    for (TacExtFileData& Image : FSkin.ExtArray) {
      ApplyToBitmap(Image.Bmp->View(), Op);
      if (FBrightness <= 0 || SkinImageKindOf(Image.FileName) != TSkinImageKind::Png) continue;
      if (FSkin.CommonSkinData.Version >= 7.45) {
        PremultiplyAlpha(Image.Bmp->View(), FSystem.DesktopComposition);
      } else {
        for (int Y = 0; Y < Image.Bmp->Height(); ++Y)
          for (TPixel32* P = Image.Bmp->Row(Y); P != Image.Bmp->Row(Y) + Image.Bmp->Width(); ++P)
            if (*P == 0x00FFFFFFu) *P = 0;
      }
    }
    ForEachStateColor(Op, true);
  }
}
