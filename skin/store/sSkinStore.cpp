// Sections: construction and the loading sequence; separate images, the master bitmap and
// the common text's files;
// lookups; answers about the skin.
#include "skin/store/sSkinStore.h"

#include <algorithm>
#include <charconv>
#include <new>

#include "skin/store/ConvertError.h"
#include "gfx/BlockClip.h"
#include "gfx/Premultiply.h"
#include "skin/store/DefaultSystemColors.h"
#include "skin/store/SkinError.h"
#include "skin/store/SkinPaths.h"
#include "gfx/codec/ImageDecode.h"
#include "skin/store/SkinText.h"
#include "skin/store/SkinValues.h"

namespace {

std::filesystem::path PathFromUtf8(const std::string& Text) {
  return std::filesystem::path(std::u8string(Text.begin(), Text.end()));
}

// A name with ":" is a full path; any other is a file of the skin's folder.
std::filesystem::path SkinFilePath(const std::filesystem::path& SkinPath, const std::string& Name) {
  return Name.find(':') != std::string::npos ? PathFromUtf8(Name) : SkinPath / PathFromUtf8(Name);
}

// The key of a picture lookup: a section (index or name) and a property name.
std::string PictureKey(std::string_view Section, std::string_view Property) {
  std::string Key(Section);
  Key += '\0';
  Key += Property;
  return Key;
}
std::string PictureKey(int Section, std::string_view Property) { return PictureKey(std::to_string(Section), Property); }

int Lookup(const std::unordered_map<std::string, int>& Map, const std::string& Key) {
  const auto Found = Map.find(Key);
  return Found == Map.end() ? -1 : Found->second;
}

}  // namespace

TsSkinStore::TsSkinStore() { FSystem.Color = DefaultSystemColor; }

TsSkinStore::TsSkinStore(TsSkin Skin) : TsSkinStore() {
  FSkin = std::move(Skin);
  for (std::size_t I = 0; I < FSkin.gd.size(); ++I) FSectionIndex.emplace(FSkin.gd[I].ClassName, static_cast<int>(I));
  IndexPictures();
}

void TsSkinStore::LoadSkin(const TSkinDescription* Description, const TacSkinConvertor* Package,
                           const TSkinDescription& CommonSections) {
  TsSkinStore Fresh;
  Fresh.FSystem = FSystem;
  Fresh.FSkinPath = FSkinPath;
  Fresh.FHueOffset = FHueOffset;
  Fresh.FSaturation = FSaturation;
  Fresh.FBrightness = FBrightness;
  Fresh.FExtendedBorders = FExtendedBorders;
  Fresh.FBuiltInShadows = FBuiltInShadows;
  try {
    Fresh.Build(Description, Package, CommonSections);
  } catch (const EConvertError& Error) {
    // The gradient parser's conversion error, as the one error type of a skin load.
    throw ESkinError(Error.what());
  } catch (const std::bad_alloc&) {
    throw ESkinError(SOutOfMemory);
  }
  TakeSkinOf(Fresh);
}

void TsSkinStore::ReleaseSkin() {
  TsSkinStore Empty;
  TakeSkinOf(Empty);
}

void TsSkinStore::TakeSkinOf(TsSkinStore& Fresh) {
  std::swap(FSkin, Fresh.FSkin);
  std::swap(FSectionIndex, Fresh.FSectionIndex);
  std::swap(FParents, Fresh.FParents);
  std::swap(FPictureBySection, Fresh.FPictureBySection);
  std::swap(FTextureBySection, Fresh.FTextureBySection);
  std::swap(FPictureByName, Fresh.FPictureByName);
  std::swap(FTextureByName, Fresh.FTextureByName);
  std::swap(FExtIndex, Fresh.FExtIndex);
}

void TsSkinStore::Build(const TSkinDescription* Description, const TacSkinConvertor* Package,
                        const TSkinDescription& CommonSections) {
  FDescription = Description;
  FPackage = Package;
  FCommonSections = &CommonSections;
  FSkin.CommonSkinData.SkinPath = FSkinPath;
  const std::string* Version = Description ? Description->Find("GLOBALINFO", "VERSION") : nullptr;
  FSkin.CommonSkinData.Version = Version ? ParseVersion(*Version) : 0;
  LoadAllMasks();
  LoadAllGeneralData();
  InitConstantIndexes();
  // The inputs belong to the caller and are not kept past the load (a fresh store is
  // dropped when the load throws, so they need no clearing then).
  FDescription = nullptr;
  FPackage = nullptr;
  FCommonSections = nullptr;
}

std::shared_ptr<const TBitmap32> TsSkinStore::LoadSkinImage(const std::string& UpperName) {
  if (const auto Cached = FExtIndex.find(UpperName); Cached != FExtIndex.end())
    return FSkin.ExtArray[Cached->second].Bmp;

  std::optional<TBytes> FromDisk;
  std::span<const std::uint8_t> Bytes;
  if (FPackage) {
    const TacImageItem* const Item = FPackage->FindFile(UpperName);
    if (!Item) return nullptr;
    Bytes = Item->FileStream;
  } else {
    FromDisk = ReadWholeFile(SkinFilePath(FSkinPath, UpperName));
    if (!FromDisk) return nullptr;
    Bytes = *FromDisk;
  }

  const TSkinImageKind Kind = SkinImageKindOf(UpperName);
  auto Image = std::make_shared<TBitmap32>();
  if (std::optional<TDecodedImage> Decoded = DecodeSkinImage(Bytes, Kind)) {
    *Image = std::move(Decoded->Pixels);
    if (!Decoded->HasAlpha) {
      MakeKeyColorTransparent(Image->View());
    } else if (Kind == TSkinImageKind::Png && FBrightness <= 0 && FSkin.CommonSkinData.Version > 7.45 &&
               FSystem.DesktopComposition) {
      PremultiplyAlpha(Image->View(), true);
    }
  }
  FExtIndex.emplace(UpperName, FSkin.ExtArray.size());
  FSkin.ExtArray.push_back({Image, UpperName, 0});
  return Image;
}

void TsSkinStore::LoadMasterBitmap() {
  const std::string* const Name = FDescription->Find("GLOBALINFO", "MASTERBITMAP");
  if (!Name || Name->empty()) return;
  std::optional<TBytes> FromDisk;
  std::span<const std::uint8_t> Bytes;
  if (FPackage) {
    // Skins write the name in upper case; it is compared as written.
    const TacImageItem* const Item = FPackage->FindFile(*Name);
    if (!Item) return;
    Bytes = Item->FileStream;
  } else {
    FromDisk = ReadWholeFile(SkinFilePath(FSkinPath, *Name));
    if (!FromDisk) return;
    Bytes = *FromDisk;
  }
  std::optional<TDecodedImage> Decoded = DecodeSkinImage(Bytes, SkinImageKindOf(UpperCaseAscii(*Name)));
  if (!Decoded) return;
  FSkin.MasterBitmap = std::move(Decoded->Pixels);
  if (!Decoded->HasAlpha) MakeKeyColorTransparent(FSkin.MasterBitmap.View());
}

std::shared_ptr<const TBitmap32> TsSkinStore::LoadCommonImage(const std::string& Name) const {
  // The common text belongs to the application, not to the skin: its files are always read
  // from disk, even while the skin itself comes from a package.
  const std::optional<TBytes> Bytes = ReadWholeFile(SkinFilePath(FSkinPath, Name));
  if (!Bytes) return nullptr;
  std::optional<TDecodedImage> Decoded = DecodeSkinImage(*Bytes, TSkinImageKind::Bmp);
  if (!Decoded || Decoded->Pixels.Width() <= 0) return nullptr;
  if (!Decoded->HasAlpha) MakeKeyColorTransparent(Decoded->Pixels.View());
  return std::make_shared<const TBitmap32>(std::move(Decoded->Pixels));
}

namespace {

// State picture Index of Picture, copied out of Source (the part inside it).
TBitmap32 StatePicture(const TsMaskData& Picture, const TBitmap32& Source, int Index) {
  TBlock Block;
  if (Picture.Width <= 0 || Picture.Height <= 0 ||
      !ClipBlock(0, 0, std::int64_t{Picture.R.Left} + std::int64_t{Index} * Picture.Width, Picture.R.Top,
                 Picture.Width, Picture.Height, Picture.Width, Picture.Height, Source.Width(), Source.Height(),
                 Block))
    return {};
  TBitmap32 State(Picture.Width, Picture.Height);
  for (int Y = 0; Y < Block.H; ++Y)
    std::copy_n(Source.Row(Block.SY + Y) + Block.SX, Block.W, State.Row(Block.DY + Y) + Block.DX);
  return State;
}

}  // namespace

void TsSkinStore::CheckShadows() {
  FSkin.ShdaTemplate = {};
  FSkin.ShdiTemplate = {};
  if (!FExtendedBorders) {
    // Without extended borders the form casts no shadow of its own.
    FSkin.FormShadowSize = TRect{};
    return;
  }
  const int ExBorder = FSkin.ConstData.ExBorder;
  if (!IsValidImgIndex(ExBorder)) {
    FSkin.FormShadowSize = TRect{9, 9, 9, 9};
    FSkin.ShdaTemplate = FBuiltInShadows.Active;
    FSkin.ShdiTemplate = FBuiltInShadows.Inactive;
    return;
  }
  const TsMaskData& Picture = FSkin.ma[static_cast<std::size_t>(ExBorder)];
  const int Offs = FSkin.CommonSkinData.ExContentOffs;
  FSkin.FormShadowSize = FSkin.CommonSkinData.ExDrawMode == 1
                             ? TRect{Offs, Offs, Offs, Offs}
                             : TRect{Picture.WL - Offs, Picture.WT - Offs, Picture.WR - Offs, Picture.WB - Offs};
  // One image serves both states; of two, the first is the inactive form's.
  const TBitmap32& Source = Picture.Bmp ? *Picture.Bmp : FSkin.MasterBitmap;
  FSkin.ShdiTemplate = StatePicture(Picture, Source, 0);
  FSkin.ShdaTemplate = StatePicture(Picture, Source, Picture.ImageCount > 1 ? 1 : 0);
}

TColor TsSkinStore::ColorToRGB(TColor Color) const {
  return IsSystemColor(Color) ? FSystem.Color(SystemColorIndex(Color)) : Color;
}

int TsSkinStore::GetSkinIndex(std::string_view SectionName) const {
  if (SectionName.empty()) return -1;
  const auto Found = FSectionIndex.find(std::string(SectionName));
  return Found == FSectionIndex.end() ? -1 : Found->second;
}

int TsSkinStore::FirstPicture(const std::unordered_map<std::string, int>& Pictures, int Section,
                              std::string_view Property) {
  return Lookup(Pictures, PictureKey(Section, Property));
}

void TsSkinStore::AddSection(TsGeneralData Section) {
  FSectionIndex.emplace(Section.ClassName, static_cast<int>(FSkin.gd.size()));
  FSkin.gd.push_back(std::move(Section));
}

void TsSkinStore::IndexPictures() {
  FParents.assign(FSkin.gd.size(), -1);
  for (std::size_t S = 0; S < FSkin.gd.size(); ++S) {
    const std::string& Parent = FSkin.gd[S].ParentClass;
    if (!Parent.empty() && Parent != FSkin.gd[S].ClassName) FParents[S] = GetSkinIndex(Parent);
  }
  for (std::size_t I = 0; I < FSkin.ma.size(); ++I) {
    const TsMaskData& Picture = FSkin.ma[I];
    const int Index = static_cast<int>(I);
    const std::string BySection = PictureKey(Picture.SkinIndex, Picture.PropertyName);
    const std::string ByName = PictureKey(Picture.ClassName, Picture.PropertyName);
    FPictureBySection.emplace(BySection, Index);
    FPictureByName.emplace(ByName, Index);
    if (Picture.ImgType != itisaTexture) continue;
    FTextureBySection.emplace(BySection, Index);
    FTextureByName.emplace(ByName, Index);
  }
}

// Follows the parents from SkinIndex: Match(index, section name) is asked of the section
// and then of each parent, until it answers a picture, a section has no parent, names
// itself, names no section, or the chain has visited more sections than there are (a loop).
template <class TMatch>
int TsSkinStore::SearchWithParents(int SkinIndex, std::string_view SkinSection, TMatch Match) const {
  if (!IsValidSkinIndex(SkinIndex)) return -1;
  const int Found = Match(SkinIndex, SkinSection);
  if (Found >= 0) return Found;
  // The first step compares the parent with the name given, every later one with the
  // parent's own name, which FParents already did.
  const std::string& Parent = FSkin.gd[static_cast<std::size_t>(SkinIndex)].ParentClass;
  if (Parent.empty() || Parent == SkinSection) return -1;
  SkinIndex = GetSkinIndex(Parent);
  for (std::size_t Step = 0; IsValidSkinIndex(SkinIndex) && Step < FSkin.gd.size(); ++Step) {
    const auto Index = static_cast<std::size_t>(SkinIndex);
    const int Answer = Match(SkinIndex, FSkin.gd[Index].ClassName);
    if (Answer >= 0) return Answer;
    SkinIndex = FParents[Index];
  }
  return -1;
}

int TsSkinStore::GetMaskIndex(int SkinIndex, std::string_view SkinSection, std::string_view PropertyName) const {
  return SearchWithParents(SkinIndex, SkinSection, [&](int Index, std::string_view) {
    return FirstPicture(FPictureBySection, Index, PropertyName);
  });
}

int TsSkinStore::GetMaskIndex(std::string_view SkinSection, std::string_view PropertyName) const {
  return Lookup(FPictureByName, PictureKey(SkinSection, PropertyName));
}

int TsSkinStore::GetMaskIndex(int SkinIndex, std::string_view PropertyName) const {
  if (!IsValidSkinIndex(SkinIndex)) return -1;
  return GetMaskIndex(SkinIndex, FSkin.gd[static_cast<std::size_t>(SkinIndex)].ClassName, PropertyName);
}

int TsSkinStore::GetTextureIndex(int SkinIndex, std::string_view SkinSection, std::string_view PropName) const {
  return SearchWithParents(SkinIndex, SkinSection, [&](int, std::string_view Section) {
    return Lookup(FTextureByName, PictureKey(Section, PropName));
  });
}

int TsSkinStore::GetTextureIndex(int SkinIndex, std::string_view PropName) const {
  if (!IsValidSkinIndex(SkinIndex)) return -1;
  return SearchWithParents(SkinIndex, FSkin.gd[static_cast<std::size_t>(SkinIndex)].ClassName,
                           [&](int Index, std::string_view) { return FirstPicture(FTextureBySection, Index, PropName); });
}

std::vector<std::string> TsSkinStore::GetSkinSections() const {
  std::vector<std::string> Names;
  if (!FSkin.CommonSkinData.Active) return Names;
  for (const TsGeneralData& Section : FSkin.gd) Names.push_back(Section.ClassName);
  return Names;
}

std::string TsSkinStore::GetSkinInfo() const {
  if (!FSkin.CommonSkinData.Active) return "N/A";
  char Text[32];
  const auto Result = std::to_chars(Text, Text + sizeof Text, FSkin.CommonSkinData.Version);
  return std::string(Text, Result.ptr);
}
