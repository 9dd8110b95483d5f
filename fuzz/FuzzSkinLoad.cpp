// libFuzzer target for the whole skin load: a container in, skin data out. Any input ends
// either in skin data whose every index is in range, or in ESkinError.
// Mutating packed bytes mostly breaks the zlib streams, so the description and pictures
// behind them would hardly be reached: the custom mutator below mutates one unpacked entry
// and packs the container again (and now and then the raw bytes, for the reader itself).
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <span>
#include <vector>

#include "skin/store/SkinError.h"
#include "skin/store/acSkinPackage.h"
#include "skin/store/sSkinStore.h"

namespace {

void RequireIndex(const TsSkinStore& Store, int Index) {
  if (Index != -1 && !Store.IsValidImgIndex(Index)) std::abort();
}

void CheckIndexes(const TsSkinStore& Store) {
  for (const TsGeneralData& Section : Store.gd) {
    for (const int Index : {Section.BorderIndex, Section.OuterMask, Section.ImgTL, Section.ImgTR, Section.ImgBL,
                            Section.ImgBR})
      RequireIndex(Store, Index);
    for (const TsGenState& State : Section.Props) RequireIndex(Store, State.TextureIndex);
  }
  for (const int Index : Store.ConstData.TitleGlyphs) RequireIndex(Store, Index);
  for (const TacOutEffData& Effect : Store.oe) RequireIndex(Store, Effect.Mask);
  for (const int Index : Store.ConstData.Sections)
    if (Index != -1 && !Store.IsValidSkinIndex(Index)) std::abort();
}

}  // namespace

extern "C" std::size_t LLVMFuzzerMutate(std::uint8_t* Data, std::size_t Size, std::size_t MaxSize);

extern "C" std::size_t LLVMFuzzerCustomMutator(std::uint8_t* Data, std::size_t Size, std::size_t MaxSize,
                                                unsigned int Seed) {
  TacSkinConvertor Package;
  Package.PackedData = std::span(Data, Size);
  try {
    if (Seed % 8 == 0 || !UnpackSkinPackage(Package)) return LLVMFuzzerMutate(Data, Size, MaxSize);
  } catch (const ESkinError&) {
    return LLVMFuzzerMutate(Data, Size, MaxSize);
  }
  std::vector<std::pair<std::string, TBytes>> Entries;
  if (Package.Options) Entries.emplace_back("Options.dat", *Package.Options);
  for (TacImageItem& Item : Package.Files) Entries.emplace_back(Item.FileName, std::move(Item.FileStream));
  if (Entries.empty()) return LLVMFuzzerMutate(Data, Size, MaxSize);
  // The description most of the time, else one of the pictures.
  const std::size_t Chosen = Seed % 4 != 0 || Entries.size() == 1 ? 0 : 1 + (Seed / 4) % (Entries.size() - 1);
  TBytes& Bytes = Entries[Chosen].second;
  const std::size_t Original = Bytes.size();
  const std::size_t Room = std::max(Original, std::min<std::size_t>(Original * 2 + 64, MaxSize));
  Bytes.resize(Room);
  Bytes.resize(LLVMFuzzerMutate(Bytes.data(), Original, Room));
  std::vector<TacPackageEntry> Packed;
  for (const auto& [Name, EntryBytes] : Entries) Packed.push_back({Name, EntryBytes});
  const TBytes Again = WriteSkinPackage(Packed);
  if (Again.size() > MaxSize) return LLVMFuzzerMutate(Data, Size, MaxSize);
  std::memcpy(Data, Again.data(), Again.size());
  return Again.size();
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* Data, std::size_t Size) {
  TacSkinConvertor Package;
  Package.PackedData = std::span(Data, Size);
  TsSkinStore Store;
  // The colour adjustments run on every other input, with composition on the others.
  Store.FHueOffset = Size % 2 ? 40 : 0;
  Store.FSaturation = Size % 2 ? -30 : 0;
  Store.FBrightness = Size % 4 == 1 ? 20 : 0;
  Store.System.DesktopComposition = Size % 2 == 0;
  try {
    if (!UnpackSkinPackage(Package) || !Package.Options) return 0;
    const TSkinDescription Description = TSkinDescription::FromBytes(*Package.Options);
    Store.LoadSkin(&Description, &Package);
  } catch (const ESkinError&) {
    return 0;
  }
  CheckIndexes(Store);
  return 0;
}
