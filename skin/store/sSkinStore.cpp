// Sections: construction and the loading sequence; separate images, the master bitmap and
// the common text's files;
// lookups; answers about the skin.
#include "skin/store/sSkinStore.h"

#include <charconv>
#include <fstream>

#include "skin/store/ConvertError.h"
#include "gfx/Premultiply.h"
#include "skin/store/DefaultSystemColors.h"
#include "skin/store/SkinError.h"
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

std::optional<TBytes> ReadWholeFile(const std::filesystem::path& Path) {
  std::error_code Error;
  if (!std::filesystem::is_regular_file(Path, Error)) return std::nullopt;
  std::ifstream File(Path, std::ios::binary);
  TBytes Bytes(std::istreambuf_iterator<char>(File), std::istreambuf_iterator<char>{});
  if (File.bad()) return std::nullopt;
  return Bytes;
}

// Clears the load-time inputs however LoadSkin ends.
class TLoadInputs {
 public:
  TLoadInputs(const TSkinDescription*& Description, const TacSkinConvertor*& Package,
              const TSkinDescription*& CommonSections)
      : FDescription(Description), FPackage(Package), FCommonSections(CommonSections) {}
  ~TLoadInputs() {
    FDescription = nullptr;
    FPackage = nullptr;
    FCommonSections = nullptr;
  }
  TLoadInputs(const TLoadInputs&) = delete;
  TLoadInputs& operator=(const TLoadInputs&) = delete;

 private:
  const TSkinDescription*& FDescription;
  const TacSkinConvertor*& FPackage;
  const TSkinDescription*& FCommonSections;
};

// Follows ParentClass from SkinIndex: Match(index, section name) is asked of the section
// and then of each parent, until it answers a picture, a section has no parent, names
// itself, names no section, or the chain has visited more sections than there are (a loop).
template <class TMatch>
int SearchWithParents(const TsSkinStore& Store, int SkinIndex, std::string_view SkinSection, TMatch Match) {
  for (std::size_t Step = 0; Store.IsValidSkinIndex(SkinIndex) && Step <= Store.gd.size(); ++Step) {
    const int Found = Match(SkinIndex, SkinSection);
    if (Found >= 0) return Found;
    const std::string& Parent = Store.gd[static_cast<std::size_t>(SkinIndex)].ParentClass;
    if (Parent.empty() || Parent == SkinSection) return -1;
    SkinSection = Parent;
    SkinIndex = Store.GetSkinIndex(Parent);
  }
  return -1;
}

}  // namespace

TsSkinStore::TsSkinStore() { System.Color = DefaultSystemColor; }

void TsSkinStore::LoadSkin(const TSkinDescription* Description, const TacSkinConvertor* Package,
                           const TSkinDescription& CommonSections) {
  FDescription = Description;
  FPackage = Package;
  FCommonSections = &CommonSections;
  const TLoadInputs Inputs(FDescription, FPackage, FCommonSections);
  try {
    const std::string* Version = Description ? Description->Find("GLOBALINFO", "VERSION") : nullptr;
    CommonSkinData.Version = Version ? ParseVersion(*Version) : 0;
    LoadAllMasks();
    LoadAllGeneralData();
    InitConstantIndexes();
  } catch (const EConvertError& Error) {
    // The gradient parser's conversion error, as the one error type of a skin load.
    throw ESkinError(Error.what());
  }
}

void TsSkinStore::ReleasePictures() {
  ma.clear();
  ExtArray.clear();
  MasterBitmap = TBitmap32();
}

std::shared_ptr<const TBitmap32> TsSkinStore::LoadSkinImage(const std::string& UpperName) {
  for (const TacExtFileData& Cached : ExtArray)
    if (Cached.FileName == UpperName) return Cached.Bmp;

  std::optional<TBytes> FromDisk;
  std::span<const std::uint8_t> Bytes;
  if (FPackage) {
    const TacImageItem* const Item = FPackage->FindFile(UpperName);
    if (!Item) return nullptr;
    Bytes = Item->FileStream;
  } else {
    FromDisk = ReadWholeFile(SkinFilePath(CommonSkinData.SkinPath, UpperName));
    if (!FromDisk) return nullptr;
    Bytes = *FromDisk;
  }

  const TSkinImageKind Kind = SkinImageKindOf(UpperName);
  auto Image = std::make_shared<TBitmap32>();
  if (std::optional<TDecodedImage> Decoded = DecodeSkinImage(Bytes, Kind)) {
    *Image = std::move(Decoded->Pixels);
    if (!Decoded->HasAlpha) {
      MakeKeyColorTransparent(Image->View());
    } else if (Kind == TSkinImageKind::Png && FBrightness <= 0 && CommonSkinData.Version > 7.45 &&
               System.DesktopComposition) {
      PremultiplyAlpha(Image->View(), true);
    }
  }
  ExtArray.push_back({Image, UpperName, 0});
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
    FromDisk = ReadWholeFile(SkinFilePath(CommonSkinData.SkinPath, *Name));
    if (!FromDisk) return;
    Bytes = *FromDisk;
  }
  std::optional<TDecodedImage> Decoded = DecodeSkinImage(Bytes, SkinImageKindOf(UpperCaseAscii(*Name)));
  if (!Decoded) return;
  MasterBitmap = std::move(Decoded->Pixels);
  if (!Decoded->HasAlpha) MakeKeyColorTransparent(MasterBitmap.View());
}

std::shared_ptr<const TBitmap32> TsSkinStore::LoadCommonImage(const std::string& Name) const {
  // The common text belongs to the application, not to the skin: its files are always read
  // from disk, even while the skin itself comes from a package.
  const std::optional<TBytes> Bytes = ReadWholeFile(SkinFilePath(CommonSkinData.SkinPath, Name));
  if (!Bytes) return nullptr;
  std::optional<TDecodedImage> Decoded = DecodeSkinImage(*Bytes, TSkinImageKind::Bmp);
  if (!Decoded || Decoded->Pixels.Width() <= 0) return nullptr;
  if (!Decoded->HasAlpha) MakeKeyColorTransparent(Decoded->Pixels.View());
  return std::make_shared<const TBitmap32>(std::move(Decoded->Pixels));
}

void TsSkinStore::CheckShadows() {
  // Without extended borders the form casts no shadow of its own.
  FormShadowSize = TRect{};
}

TColor TsSkinStore::ColorToRGB(TColor Color) const {
  return IsSystemColor(Color) ? System.Color(SystemColorIndex(Color)) : Color;
}

int TsSkinStore::GetSkinIndex(std::string_view SectionName) const {
  if (SectionName.empty()) return -1;
  for (std::size_t I = 0; I < gd.size(); ++I)
    if (gd[I].ClassName == SectionName) return static_cast<int>(I);
  return -1;
}

int TsSkinStore::GetMaskIndex(int SkinIndex, std::string_view SkinSection, std::string_view PropertyName) const {
  return SearchWithParents(*this, SkinIndex, SkinSection, [&](int Index, std::string_view) {
    for (std::size_t I = 0; I < ma.size(); ++I)
      if (ma[I].SkinIndex == Index && ma[I].PropertyName == PropertyName) return static_cast<int>(I);
    return -1;
  });
}

int TsSkinStore::GetMaskIndex(std::string_view SkinSection, std::string_view PropertyName) const {
  for (std::size_t I = 0; I < ma.size(); ++I)
    if (ma[I].ClassName == SkinSection && ma[I].PropertyName == PropertyName) return static_cast<int>(I);
  return -1;
}

int TsSkinStore::GetMaskIndex(int SkinIndex, std::string_view PropertyName) const {
  if (!IsValidSkinIndex(SkinIndex)) return -1;
  return GetMaskIndex(SkinIndex, gd[static_cast<std::size_t>(SkinIndex)].ClassName, PropertyName);
}

int TsSkinStore::GetTextureIndex(int SkinIndex, std::string_view SkinSection, std::string_view PropName) const {
  return SearchWithParents(*this, SkinIndex, SkinSection, [&](int, std::string_view Section) {
    for (std::size_t I = 0; I < ma.size(); ++I)
      if (ma[I].ImgType == itisaTexture && ma[I].ClassName == Section && ma[I].PropertyName == PropName)
        return static_cast<int>(I);
    return -1;
  });
}

int TsSkinStore::GetTextureIndex(int SkinIndex, std::string_view PropName) const {
  if (!IsValidSkinIndex(SkinIndex)) return -1;
  return SearchWithParents(*this, SkinIndex, gd[static_cast<std::size_t>(SkinIndex)].ClassName,
                           [&](int Index, std::string_view) {
                             for (std::size_t I = 0; I < ma.size(); ++I)
                               if (ma[I].ImgType == itisaTexture && ma[I].SkinIndex == Index &&
                                   ma[I].PropertyName == PropName)
                                 return static_cast<int>(I);
                             return -1;
                           });
}

std::vector<std::string> TsSkinStore::GetSkinSections() const {
  std::vector<std::string> Names;
  if (!CommonSkinData.Active) return Names;
  for (const TsGeneralData& Section : gd) Names.push_back(Section.ClassName);
  return Names;
}

std::string TsSkinStore::GetSkinInfo() const {
  if (!CommonSkinData.Active) return "N/A";
  char Text[32];
  const auto Result = std::to_chars(Text, Text + sizeof Text, CommonSkinData.Version);
  return std::string(Text, Result.ptr);
}
