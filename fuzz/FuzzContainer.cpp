// libFuzzer target for the skin container reader: any input is either no container, a read
// error (ESkinError), or entries that the writer packs into a container reading back the
// same.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <span>
#include <vector>

#include "skin/store/SkinError.h"
#include "skin/store/acSkinPackage.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* Data, std::size_t Size) {
  TacSkinConvertor Convertor;
  Convertor.PackedData = std::span(Data, Size);
  try {
    if (!UnpackSkinPackage(Convertor)) return 0;
  } catch (const ESkinError&) {
    return 0;
  }
  // Names are ASCII in every container that matters; others change through the ANSI
  // conversion and are left out of the comparison.
  std::vector<TacPackageEntry> Entries;
  if (Convertor.Options) Entries.push_back({"Options.dat", *Convertor.Options});
  for (const TacImageItem& Item : Convertor.Files) Entries.push_back({Item.FileName, Item.FileStream});
  const TBytes Again = WriteSkinPackage(Entries);
  TacSkinConvertor Reread;
  Reread.PackedData = Again;
  if (!UnpackSkinPackage(Reread) || Reread.Options != Convertor.Options || Reread.Files.size() != Convertor.Files.size())
    std::abort();
  for (std::size_t I = 0; I < Reread.Files.size(); ++I)
    if (Reread.Files[I].FileStream != Convertor.Files[I].FileStream) std::abort();
  return 0;
}
