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

// BUTTON_HUGE's border has corners of its own kind (2), however it is given; any other
// border 1 when a corner of a state picture holds the key colour.
int CornerTypeOf(const TsMaskData& Picture, TConstBitmapView Source, TKeyColorCorners& Corners) {
  if (Picture.ClassName == "BUTTON_HUGE" && Picture.PropertyName == "BORDERSMASK") return 2;
  return Corners.HasKeyColorCorner(Source, Picture) ? 1 : 0;
}

}  // namespace

void TsSkinStore::LoadAllMasks() {
  if (!FDescription) return;
  LoadMasterBitmap();
  TKeyColorCorners Corners;
  const std::vector<TSkinSection>& Sections = FDescription->Sections();
  for (std::size_t S = 0; S < Sections.size(); ++S) {
    bool MasterSkipped = Sections[S].Name != "GLOBALINFO";
    for (const TSkinKey& Key : Sections[S].Keys) {
      if (!MasterSkipped && Key.Name == "MASTERBITMAP") {
        MasterSkipped = true;
        continue;
      }
      AddPicturesOfKey(static_cast<int>(S), Key, Corners);
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
  TsMaskData& Picture = FSkin.ma.emplace_back();
  Picture.ClassName = ClassName;
  Picture.PropertyName = PropertyName;
  Picture.SkinIndex = Section;
  return Picture;
}

void TsSkinStore::AddPicturesOfKey(int Section, const TSkinKey& Key, TKeyColorCorners& Corners) {
  if (Key.Value.empty()) return;
  const std::string Value = UpperCaseAscii(Key.Value);
  // Scale variants ("BORDERSMASK*125") of separate images and borders are for other scales.
  const bool ScaleVariant = Key.Name.find('*') != std::string::npos;
  switch (Value.front()) {
    case '!':
      if (!ScaleVariant) AddSeparateImage(Section, Key, Value, Corners);
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
      Picture.CornerType = CornerTypeOf(Picture, FSkin.MasterBitmap.View(), Corners);
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
        AddSeparateImage(Section, Key, Value, Corners);
      return;
  }
}

void TsSkinStore::AddSeparateImage(int Section, const TSkinKey& Key, const std::string& Value,
                                   TKeyColorCorners& Corners) {
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
  if (Picture.ImgType == itisaBorder) Picture.CornerType = CornerTypeOf(Picture, Picture.Bmp->View(), Corners);
}
