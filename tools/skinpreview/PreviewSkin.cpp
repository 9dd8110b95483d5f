#include "tools/skinpreview/PreviewSkin.h"

#include <algorithm>
#include <fstream>
#include <iterator>
#include <stdexcept>

#include "skin/store/SkinText.h"

namespace {

TBytes ReadFile(const std::filesystem::path& Path) {
  std::ifstream File(Path, std::ios::binary);
  TBytes Bytes(std::istreambuf_iterator<char>(File), std::istreambuf_iterator<char>{});
  if (!File.good() && !File.eof()) throw std::runtime_error("cannot read " + Path.string());
  return Bytes;
}

void ReadFolder(const std::filesystem::path& Folder, TacSkinConvertor& Package) {
  for (const std::filesystem::directory_entry& Entry : std::filesystem::directory_iterator(Folder)) {
    if (!Entry.is_regular_file()) continue;
    const std::u8string Name8 = Entry.path().filename().u8string();
    const std::string Name(Name8.begin(), Name8.end());
    if (SameTextAscii(Name, "Options.dat")) {
      Package.Options = ReadFile(Entry.path());
      continue;
    }
    Package.Files.push_back({Name, UpperCaseAscii(Entry.path().extension().string()) == ".BMP", ReadFile(Entry.path())});
  }
  // Folder order differs between file systems; the first of two names that differ only in
  // case must not.
  std::sort(Package.Files.begin(), Package.Files.end(),
            [](const TacImageItem& A, const TacImageItem& B) { return A.FileName < B.FileName; });
  Package.ImageCount = static_cast<int>(Package.Files.size());
  Package.IndexFiles();
}

}  // namespace

void LoadPreviewSkin(const std::filesystem::path& Path, TsSkinStore& Store) {
  TacSkinConvertor Package;
  if (std::filesystem::is_directory(Path)) {
    ReadFolder(Path, Package);
  } else if (!std::filesystem::is_regular_file(Path)) {
    throw std::runtime_error("no skin file or folder " + Path.string());
  } else if (!LoadPackedSkinFile(Path, Package)) {
    throw std::runtime_error(Path.string() + " is not a skin container");
  }
  if (!Package.Options) throw std::runtime_error(Path.string() + " holds no Options.dat");
  const TSkinDescription Description = TSkinDescription::FromBytes(*Package.Options);
  Store.LoadSkin(&Description, &Package);
}
