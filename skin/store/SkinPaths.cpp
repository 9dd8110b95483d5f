#include "skin/store/SkinPaths.h"

#include <algorithm>
#include <cwctype>
#include <fstream>
#include <iterator>

std::wstring WithTrailingSlash(const std::wstring& Path) {
  if (Path.empty() || Path.back() == L'\\') return Path;
  if (Path.back() == L'/') return Path.substr(0, Path.size() - 1) + L'\\';
  if (Path.size() == 1) return Path + L":\\";
  return Path + L'\\';
}

std::wstring GetFullSkinDirectory(const std::wstring& SkinDirectory, const std::wstring& AppDirectory) {
  if (SkinDirectory.starts_with(L"..")) {
    std::wstring Parent = AppDirectory;
    if (!Parent.empty() && Parent.back() == L'\\') Parent.pop_back();
    const std::size_t Cut = Parent.find_last_of(L"\\/");
    Parent = Cut == std::wstring::npos ? std::wstring() : Parent.substr(0, Cut + 1);
    return Parent + (SkinDirectory.size() > 3 ? SkinDirectory.substr(3) : std::wstring());
  }
  if (SkinDirectory.starts_with(L".\\") || SkinDirectory.starts_with(L"./"))
    return AppDirectory + SkinDirectory.substr(2);
  if (SkinDirectory == L".") return AppDirectory;
  if (SkinDirectory.find(L':') == std::wstring::npos && SkinDirectory.find(L"\\\\") == std::wstring::npos)
    return AppDirectory + SkinDirectory;
  return SkinDirectory;
}

std::wstring StripAszSuffix(const std::wstring& SkinName) {
  if (SkinName.size() <= 4) return SkinName;
  std::wstring Suffix = SkinName.substr(SkinName.size() - 4);
  std::transform(Suffix.begin(), Suffix.end(), Suffix.begin(), [](wchar_t C) { return std::towupper(C); });
  return Suffix == L".ASZ" ? SkinName.substr(0, SkinName.size() - 4) : SkinName;
}

std::wstring PackedSkinPath(const std::wstring& SkinDirectory, const std::wstring& SkinName) {
  return WithTrailingSlash(SkinDirectory) + SkinName + L".asz";
}

std::vector<std::wstring> ListSkins(const TsStoredSkins& Internal, const std::filesystem::path& Directory) {
  std::vector<std::wstring> Names;
  for (const TsStoredSkin& Skin : Internal) Names.push_back(Skin.Name);
  std::error_code Error;
  std::vector<std::wstring> Files;
  for (std::filesystem::directory_iterator It(Directory, Error), End; !Error && It != End; It.increment(Error)) {
    if (It->is_directory(Error)) continue;
    const std::filesystem::path& Path = It->path();
    if (Path.extension() == ".asz") Files.push_back(Path.stem().wstring());
  }
  std::sort(Files.begin(), Files.end());
  Names.insert(Names.end(), Files.begin(), Files.end());
  return Names;
}

std::optional<std::vector<std::uint8_t>> ReadWholeFile(const std::filesystem::path& Path) {
  std::error_code Error;
  if (!std::filesystem::is_regular_file(Path, Error)) return std::nullopt;
  std::ifstream File(Path, std::ios::binary);
  std::vector<std::uint8_t> Bytes(std::istreambuf_iterator<char>(File), std::istreambuf_iterator<char>{});
  if (File.bad()) return std::nullopt;
  return Bytes;
}
