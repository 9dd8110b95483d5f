// The skin fuzzers' custom mutator and input load. Mutating packed bytes mostly breaks the
// zlib streams, so the description and pictures behind them would hardly be reached: the
// mutator changes one unpacked entry and packs the container again (and now and then the
// raw bytes, for the reader itself).
#include "fuzz/SkinFuzzing.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <span>
#include <string>
#include <utility>
#include <vector>

#include "skin/store/SkinError.h"
#include "skin/store/acSkinPackage.h"

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

bool LoadFuzzedSkin(std::span<const std::uint8_t> Data, TsSkinStore& Store) {
  TacSkinConvertor Package;
  Package.PackedData = Data;
  try {
    if (!UnpackSkinPackage(Package) || !Package.Options) return false;
    const TSkinDescription Description = TSkinDescription::FromBytes(*Package.Options);
    Store.LoadSkin(&Description, &Package);
  } catch (const ESkinError&) {
    return false;
  }
  return true;
}
