#include <gtest/gtest.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "skin/store/SkinExtract.h"
#include "skin/store/SkinPaths.h"

namespace {

struct TPathCase {
  std::wstring In;
  std::wstring Out;
};

TEST(SkinPaths, WithTrailingSlash) {
  const std::vector<TPathCase> Cases{
      {L"", L""}, {L"C:\\Skins\\", L"C:\\Skins\\"}, {L"C:\\Skins/", L"C:\\Skins\\"}, {L"D", L"D:\\"},
      {L"C:\\Skins", L"C:\\Skins\\"}};
  for (const TPathCase& Case : Cases) EXPECT_EQ(WithTrailingSlash(Case.In), Case.Out) << Case.In;
}

TEST(SkinPaths, FullSkinDirectoryResolvesAgainstTheProgramFolder) {
  const std::wstring App = L"C:\\Tools\\Quorvane\\";
  const std::vector<TPathCase> Cases{
      {L".", App},
      {L".\\Skins", L"C:\\Tools\\Quorvane\\Skins"},
      {L"./Skins", L"C:\\Tools\\Quorvane\\Skins"},
      {L"..\\Skins", L"C:\\Tools\\Skins"},
      {L"Skins", L"C:\\Tools\\Quorvane\\Skins"},
      {L"C:\\Skins", L"C:\\Skins"},
      {L"\\\\server\\share", L"\\\\server\\share"}};
  for (const TPathCase& Case : Cases) EXPECT_EQ(GetFullSkinDirectory(Case.In, App), Case.Out) << Case.In;
}

TEST(SkinPaths, AszSuffixIsRemovedInAnyCaseOnlyFromLongerNames) {
  const std::vector<TPathCase> Cases{
      {L"Dark.asz", L"Dark"}, {L"Dark.ASZ", L"Dark"}, {L"Dark.AsZ", L"Dark"}, {L".asz", L".asz"},
      {L"FM (internal)", L"FM (internal)"}, {L"Dark.aszx", L"Dark.aszx"}};
  for (const TPathCase& Case : Cases) EXPECT_EQ(StripAszSuffix(Case.In), Case.Out) << Case.In;
  EXPECT_EQ(PackedSkinPath(L"C:\\Skins", L"Dark"), L"C:\\Skins\\Dark.asz");
}

TEST(SkinPaths, SkinListHoldsInternalNamesThenPackedFiles) {
  const std::filesystem::path Dir = std::filesystem::temp_directory_path() / "qv_skinlist_test";
  std::filesystem::remove_all(Dir);
  std::filesystem::create_directories(Dir / "Folder.asz");
  std::ofstream(Dir / "Blue.asz") << "x";
  std::ofstream(Dir / "Red.ASZ") << "x";
  std::ofstream(Dir / "Notes.txt") << "x";
  TsStoredSkins Internal;
  TsStoredSkin Skin;
  Skin.Name = L"FM (internal)";
  Internal.push_back(Skin);
  EXPECT_EQ(ListSkins(Internal, Dir), (std::vector<std::wstring>{L"FM (internal)", L"Blue"}));
  EXPECT_EQ(ListSkins(Internal, Dir / "missing"), (std::vector<std::wstring>{L"FM (internal)"}));
  std::filesystem::remove_all(Dir);
}

TEST(SkinExtract, InternalSkinsAreWrittenByteForByte) {
  const std::filesystem::path Dir = std::filesystem::temp_directory_path() / "qv_extract_test";
  std::filesystem::remove_all(Dir);
  TsStoredSkins Skins;
  TsStoredSkin Skin;
  Skin.Name = L"FM (internal)";
  Skin.PackedData = {'A', 'S', 'z', 'f', 0, 0, 0, 0};
  Skins.push_back(Skin);
  const std::wstring Folder = (Dir / "new").wstring();

  EXPECT_EQ(ExtractInternalSkin(Skins, L"FM (internal)", Folder), L"Directory does not exists.");
  EXPECT_EQ(ExtractInternalSkin(Skins, L"fm (internal)", Folder), L"Skin does not exists.");
  EXPECT_EQ(ExtractByIndex(Skins, 0, Folder), std::nullopt) << "the folder is created";
  const std::filesystem::path Written = Dir / "new" / "FM (internal) extracted.asz";
  ASSERT_TRUE(std::filesystem::exists(Written));
  {
    // Closed before the file is removed: Windows refuses to remove an open file.
    std::ifstream File(Written, std::ios::binary);
    const std::vector<std::uint8_t> Bytes{std::istreambuf_iterator<char>(File), std::istreambuf_iterator<char>()};
    EXPECT_EQ(Bytes, Skin.PackedData);
  }
  std::filesystem::remove(Written);
  EXPECT_EQ(ExtractInternalSkin(Skins, L"FM (internal)", Folder), std::nullopt);
  EXPECT_TRUE(std::filesystem::exists(Written));

  std::ofstream(Dir / "file") << "x";
  const std::wstring Blocked = (Dir / "file" / "sub").wstring();
  EXPECT_EQ(ExtractByIndex(Skins, 0, Blocked), WithTrailingSlash(Blocked) + L" directory creation error.");
  std::filesystem::remove_all(Dir);
}

TEST(StoredSkins, IndexOfIsCaseSensitiveAndChangesAreReported) {
  TsStoredSkins Skins;
  int Changes = 0;
  Skins.OnChange = [&] { ++Changes; };
  TsStoredSkin A;
  A.Name = L"Dark";
  Skins.push_back(A);
  Skins.push_back(A);
  EXPECT_EQ(Skins.IndexOf(L"Dark"), 0);
  EXPECT_EQ(Skins.IndexOf(L"dark"), -1);
  Skins.clear();
  EXPECT_EQ(Changes, 3);
  EXPECT_EQ(Skins.IndexOf(L"Dark"), -1);
}

}  // namespace
