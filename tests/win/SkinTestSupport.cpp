#include "tests/win/SkinTestSupport.h"

#include <vector>

#include "skin/store/win32/sSkinManager.h"

TBytes SkinContainer(const std::string& Options) {
  const std::vector<std::uint8_t> Text(Options.begin(), Options.end());
  const TacPackageEntry Entries[] = {{"Options.dat", Text}};
  return WriteSkinPackage(Entries);
}

TsStoredSkin StoredSkin(const wchar_t* Name, const std::string& Options) {
  TsStoredSkin Skin;
  Skin.Name = Name;
  Skin.PackedData = SkinContainer(Options);
  return Skin;
}

void ReadManagerWithSkin(TsSkinManager& Manager, const std::string& Options) {
  Manager.BeginLoading();
  Manager.InternalSkins.push_back(StoredSkin(L"Test", Options));
  Manager.SetSkinDirectory(L"c:\\NoSkinsHere");
  Manager.SetSkinName(L"Test");
  Manager.Loaded();
}
