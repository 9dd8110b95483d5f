#include "tests/win/SkinTestSupport.h"

#include <windows.h>

#include <utility>
#include <vector>

#include "framework/Form.h"
#include "gfx/codec/BmpCodec.h"
#include "skin/controls/sPanel.h"
#include "skin/store/win32/sSkinManager.h"

namespace {

void ReadManagerWith(TsSkinManager& Manager, TsStoredSkin Skin) {
  Manager.BeginLoading();
  Manager.InternalSkins.push_back(std::move(Skin));
  Manager.SetSkinDirectory(L"c:\\NoSkinsHere");
  Manager.SetSkinName(L"Test");
  Manager.Loaded();
}

}  // namespace

TBytes SkinContainer(const std::string& Options) {
  const std::vector<std::uint8_t> Text(Options.begin(), Options.end());
  const TacPackageEntry Entries[] = {{"Options.dat", Text}};
  return WriteSkinPackage(Entries);
}

TBytes SkinContainer(const std::string& Options, const TBitmap32& Master) {
  const std::vector<std::uint8_t> Text(Options.begin(), Options.end());
  const std::vector<std::uint8_t> Picture = WriteBmp32(Master.View());
  const TacPackageEntry Entries[] = {{"Options.dat", Text}, {"Master.bmp", Picture}};
  return WriteSkinPackage(Entries);
}

TsStoredSkin StoredSkin(const wchar_t* Name, const std::string& Options) {
  TsStoredSkin Skin;
  Skin.Name = Name;
  Skin.PackedData = SkinContainer(Options);
  return Skin;
}

void ReadManagerWithSkin(TsSkinManager& Manager, const std::string& Options) {
  ReadManagerWith(Manager, StoredSkin(L"Test", Options));
}

void ReadManagerWithSkin(TsSkinManager& Manager, const std::string& Options, const TBitmap32& Master) {
  TsStoredSkin Skin;
  Skin.Name = L"Test";
  Skin.PackedData = SkinContainer(Options, Master);
  ReadManagerWith(Manager, std::move(Skin));
}

TsPanel* ShownPanel(TForm& Form, const TRect& Bounds) {
  auto* Panel = new TsPanel(&Form);
  Panel->BeginLoading();
  Panel->SetParent(&Form);
  Panel->SetBounds(Bounds.Left, Bounds.Top, Bounds.Width(), Bounds.Height());
  Panel->Loaded();
  Form.Show();
  UpdateWindow(Panel->Handle());
  return Panel;
}
