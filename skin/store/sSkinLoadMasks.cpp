// LoadAllMasks: every picture value of the description becomes a TsMaskData, in section
// and key order, followed by the .BMP files of the common text; and the CornerType test of
// border pictures.
#include <algorithm>

#include "skin/store/SkinText.h"
#include "skin/store/SkinValues.h"
#include "skin/store/sSkinStore.h"

namespace {

// Integer division that gives 0 for a zero or negative divisor, which a malformed
// value can produce (an image count or mask type of 0 or -1).
int SafeDiv(int Value, int Divisor) { return Divisor > 0 ? Value / Divisor : 0; }

std::int16_t Small(int Value) { return static_cast<std::int16_t>(Value); }

bool IsKeyColor(TPixel32 Pixel) { return (Pixel & 0x00FFFFFFu) == 0xFF00FFu; }

bool AnyKeyColor(TConstBitmapView Source, TRect Area) {
  // Clipped to the bitmap without its last row and column.
  Area = IntersectRect(Area, TRect{0, 0, Source.Width - 1, Source.Height - 1});
  for (int Y = Area.Top; Y < Area.Bottom; ++Y) {
    const TPixel32* const Line = Source.Row(Y);
    for (int X = Area.Left; X < Area.Right; ++X)
      if (IsKeyColor(Line[X])) return true;
  }
  return false;
}

}  // namespace

bool HasKeyColorCorner(TConstBitmapView Source, const TsMaskData& Picture) {
  if (Picture.ImageCount <= 0 || Picture.MaskType < 0) return false;
  const TRect& R = Picture.R;
  const int W = R.Width() / Picture.ImageCount;
  const int H = R.Height() / (Picture.MaskType + 1);
  for (int I = 0; I < Picture.ImageCount; ++I) {
    const int X0 = R.Left + I * W;
    const TRect Corners[4] = {{X0, R.Top, X0 + Picture.WL, R.Top + Picture.WT},
                              {X0 + W - Picture.WR, R.Top, X0 + W, R.Top + Picture.WT},
                              {X0, R.Top + H - Picture.WB, X0 + Picture.WL, R.Top + H},
                              {X0 + W - Picture.WR, R.Top + H - Picture.WB, X0 + W, R.Top + H}};
    for (const TRect& Corner : Corners)
      if (AnyKeyColor(Source, Corner)) return true;
  }
  return false;
}

void TsSkinStore::LoadAllMasks() {
  ReleasePictures();
  if (!FDescription) return;
  LoadMasterBitmap();
  const std::vector<TSkinSection>& Sections = FDescription->Sections();
  for (std::size_t S = 0; S < Sections.size(); ++S) {
    bool MasterSkipped = Sections[S].Name != "GLOBALINFO";
    for (const TSkinKey& Key : Sections[S].Keys) {
      if (!MasterSkipped && Key.Name == "MASTERBITMAP") {
        MasterSkipped = true;
        continue;
      }
      AddPicturesOfKey(static_cast<int>(S), Key);
    }
  }
  AddCommonPictures();
}

void TsSkinStore::AddCommonPictures() {
  if (!FCommonSections) return;
  for (const TSkinSection& Section : FCommonSections->Sections()) {
    const std::string ClassName = UpperCaseAscii(Section.Name);
    if (ClassName == "GLOBALINFO") continue;
    for (const TSkinKey& Key : Section.Keys) {
      // The whole value is the file name: the "!" notation of skins is not read here.
      if (UpperCaseAscii(Key.Value).find(".BMP") == std::string::npos) continue;
      std::shared_ptr<const TBitmap32> Image = LoadCommonImage(Key.Value);
      if (!Image) continue;
      // Skin index -1 until the sections are merged (MergeCommonSections), as the section
      // may be one the common text adds. Laid out like a bare file name of a skin: one
      // texture of the whole image.
      TsMaskData& Picture = AddPicture(-1, ClassName, UpperCaseAscii(Key.Name));
      Picture.R = TRect{0, 0, Image->Width(), Image->Height()};
      Picture.Bmp = std::move(Image);
      Picture.ImageCount = 1;
      Picture.ImgType = itisaTexture;
      Picture.WL = Picture.WR = Small(Picture.R.Width() / 3);
      Picture.WT = Picture.WB = Small(Picture.R.Height() / 3);
    }
  }
}

TsMaskData& TsSkinStore::AddPicture(int Section, std::string_view ClassName, std::string_view PropertyName) {
  TsMaskData& Picture = ma.emplace_back();
  Picture.ClassName = ClassName;
  Picture.PropertyName = PropertyName;
  Picture.SkinIndex = Section;
  Picture.Manager = this;
  return Picture;
}

void TsSkinStore::AddPicturesOfKey(int Section, const TSkinKey& Key) {
  if (Key.Value.empty()) return;
  const std::string Value = UpperCaseAscii(Key.Value);
  // Scale variants ("BORDERSMASK*125") of separate images and borders are for other scales.
  const bool ScaleVariant = Key.Name.find('*') != std::string::npos;
  switch (Value.front()) {
    case '!':
      if (!ScaleVariant) AddSeparateImage(Section, Key, Value);
      return;
    case '@': {
      const TsGlyphValue Glyph = ParseGlyphValue(Value);
      TsMaskData& Picture = AddPicture(Section, FDescription->Sections()[static_cast<std::size_t>(Section)].Name, Key.Name);
      Picture.R = Glyph.R;
      Picture.ImageCount = Small(Glyph.ImageCount);
      Picture.MaskType = Small(Glyph.MaskType);
      Picture.ImgType = itisaGlyph;
      return;
    }
    case '^': {
      if (ScaleVariant) return;
      const TsBorderValue Border = ParseBorderValue(Value);
      TsMaskData& Picture = AddPicture(Section, FDescription->Sections()[static_cast<std::size_t>(Section)].Name, Key.Name);
      Picture.R = Border.R;
      Picture.ImageCount = Small(Border.ImageCount);
      Picture.MaskType = Small(Border.MaskType);
      Picture.DrawMode = Small(Border.DrawMode);
      Picture.BorderWidth = Small(Border.BorderWidth);
      Picture.ImgType = itisaBorder;
      Picture.WL = Small(Border.WL);
      Picture.WT = Small(Border.WT);
      Picture.WR = Small(Border.WR);
      Picture.WB = Small(Border.WB);
      if (Picture.WL + Picture.WT + Picture.WR + Picture.WB == 0) {
        if (Picture.BorderWidth != 0) {
          Picture.WL = Picture.WT = Picture.WR = Picture.WB = Picture.BorderWidth;
        } else {
          Picture.WL = Picture.WR = Small(SafeDiv(Picture.R.Width(), 3 * Picture.ImageCount));
          Picture.WT = Picture.WB = Small(SafeDiv(Picture.R.Height(), 3 * Picture.MaskType + 3));
        }
      }
      if (Picture.ClassName == "BUTTON_HUGE" && Picture.PropertyName == "BORDERSMASK")
        Picture.CornerType = 2;
      else if (Picture.R.Height() > 0)
        Picture.CornerType = HasKeyColorCorner(MasterBitmap.View(), Picture) ? 1 : 0;
      return;
    }
    case '~': {
      const TsTextureValue Texture = ParseTextureValue(Value);
      std::shared_ptr<const TBitmap32> Image;
      if (!Texture.FileName.empty()) Image = LoadSkinImage(Texture.FileName);
      TsMaskData& Picture = AddPicture(Section, FDescription->Sections()[static_cast<std::size_t>(Section)].Name, Key.Name);
      Picture.R = Texture.R;
      Picture.DrawMode = Small(Texture.DrawMode);
      Picture.MaskType = Small(Texture.MaskType);
      Picture.ImageCount = 1;
      Picture.ImgType = itisaTexture;
      if (Image && !Image->Empty()) Picture.Bmp = std::move(Image);
      return;
    }
    default:
      if (Value.find(".JPG") != std::string::npos || Value.find(".BMP") != std::string::npos)
        AddSeparateImage(Section, Key, Value);
      return;
  }
}

void TsSkinStore::AddSeparateImage(int Section, const TSkinKey& Key, const std::string& Value) {
  const TsImageValue Fields = ParseImageValue(Value);
  std::shared_ptr<const TBitmap32> Image = LoadSkinImage(Fields.FileName);
  if (!Image || Image->Width() <= 0) return;
  TsMaskData& Picture = AddPicture(Section, FDescription->Sections()[static_cast<std::size_t>(Section)].Name, Key.Name);
  Picture.R = TRect{0, 0, Image->Width(), Image->Height()};
  Picture.Bmp = std::move(Image);
  Picture.ImageCount = Small(Fields.ImageCount);
  Picture.MaskType = Small(Fields.MaskType);
  Picture.ImgType = static_cast<TacImgType>(Fields.ImgType);
  if (Fields.HasBorderWidths) {
    Picture.WL = Small(Fields.WL);
    Picture.WT = Small(Fields.WT);
    Picture.WR = Small(Fields.WR);
    Picture.WB = Small(Fields.WB);
  } else {
    Picture.WL = Picture.WR = Small(SafeDiv(Picture.R.Width(), 3 * Picture.ImageCount));
    Picture.WT = Picture.WB = Small(SafeDiv(Picture.R.Height(), 3 * Picture.MaskType + 3));
  }
  Picture.DrawMode = Small(Fields.DrawMode);
  if (Picture.ImgType == itisaBorder) Picture.CornerType = HasKeyColorCorner(Picture.Bmp->View(), Picture) ? 1 : 0;
}
