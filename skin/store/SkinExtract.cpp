#include "skin/store/SkinExtract.h"

#include <algorithm>
#include <filesystem>
#include <fstream>

#include "skin/store/SkinPaths.h"

namespace {

std::filesystem::path NativePath(std::wstring Path) {
  std::replace(Path.begin(), Path.end(), L'\\', static_cast<wchar_t>(std::filesystem::path::preferred_separator));
  return std::filesystem::path(Path);
}

}  // namespace

std::optional<std::wstring> ExtractByIndex(const TsStoredSkins& Skins, int Index, const std::wstring& DestDir) {
  if (Index < 0 || static_cast<std::size_t>(Index) >= Skins.size()) return std::nullopt;
  const std::wstring Folder = WithTrailingSlash(DestDir);
  std::error_code Error;
  std::filesystem::create_directories(NativePath(Folder), Error);
  if (!std::filesystem::is_directory(NativePath(Folder), Error)) return Folder + L" directory creation error.";
  const TsStoredSkin& Skin = Skins[static_cast<std::size_t>(Index)];
  std::ofstream File(NativePath(Folder + Skin.Name + L" extracted.asz"), std::ios::binary);
  File.write(reinterpret_cast<const char*>(Skin.PackedData.data()), static_cast<std::streamsize>(Skin.PackedData.size()));
  return std::nullopt;
}

std::optional<std::wstring> ExtractInternalSkin(const TsStoredSkins& Skins, const std::wstring& NameOfSkin,
                                                const std::wstring& DestDir) {
  bool Found = false;
  for (std::size_t I = 0; I < Skins.size(); ++I) {
    if (Skins[I].Name != NameOfSkin) continue;
    Found = true;
    std::error_code Error;
    if (!std::filesystem::is_directory(NativePath(DestDir), Error)) return L"Directory does not exists.";
    if (auto Message = ExtractByIndex(Skins, static_cast<int>(I), DestDir)) return Message;
  }
  if (!Found) return L"Skin does not exists.";
  return std::nullopt;
}
