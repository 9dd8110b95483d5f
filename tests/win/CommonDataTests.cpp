// Per-control skin data with real windows: the window property, the skin commands every
// skinned control answers, the colour seen through transparent containers, sections and
// the hot state.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <thread>

#include "framework/Application.h"
#include "framework/Form.h"
#include "skin/controls/sButton.h"
#include "skin/controls/sEdit.h"
#include "skin/controls/sPanel.h"
#include "skin/store/acSkinPackage.h"
#include "skin/store/win32/SkinCommands.h"
#include "skin/store/win32/sSkinManager.h"

namespace {

// Sections of the test skin: white panels; GLASS fully transparent; HALF 50 % over black.
constexpr char TestSkin[] =
    "[GLOBALINFO]\nVERSION=8.10\n"
    "[BUTTON]\nCOLOR=255\nSTATES=3\n"
    "[EDIT]\nCOLOR=3355443\n"
    "[PANEL]\nCOLOR=16777215\n"
    "[GLASS]\nTRANSPARENCY=100\nCOLOR=65280\n"
    "[HALF]\nTRANSPARENCY=50\nCOLOR=0\n";

class CommonData : public testing::Test {
 protected:
  TApplication App;
  TForm* Form = new TForm(&App);
  TsSkinManager* Manager = new TsSkinManager(Form);

  void SetUp() override {
    const std::string Text = TestSkin;
    const std::vector<std::uint8_t> Bytes(Text.begin(), Text.end());
    const TacPackageEntry Entries[] = {{"Options.dat", Bytes}};
    TsStoredSkin Skin;
    Skin.Name = L"Test";
    Skin.PackedData = WriteSkinPackage(Entries);
    Manager->BeginLoading();
    Manager->InternalSkins.push_back(Skin);
    Manager->SetSkinDirectory(L"c:\\NoSkinsHere");
    Manager->SetSkinName(L"Test");
    Manager->Loaded();
  }

  template <class T>
  T* Make(TWinControl& Parent) {
    auto* Control = new T(Form);
    Control->BeginLoading();
    Control->SetParent(&Parent);
    Control->Loaded();
    Control->HandleNeeded();
    return Control;
  }
};

TEST_F(CommonData, ASkinnedWindowCarriesItsStateAndAnswersOnlyOurOwnQuestions) {
  auto* Button = Make<TsButton>(*Form);
  const HWND Window = Button->Handle();
  EXPECT_EQ(GetPropW(Window, SkinStateProperty), static_cast<TSkinState*>(&Button->SkinData()));
  EXPECT_EQ(Button->SkinData().SkinIndex, Manager->Store().GetSkinIndex("BUTTON"));
  EXPECT_TRUE(AskSkinCommand(Window, SKC_QUERY_SKINNED));
  // The same question through the window system from another thread: refused.
  LRESULT Foreign = -1;
  std::thread Asker([&] { Foreign = SendMessageW(Window, WM_SKINCOMMAND, SkinCommandWParam(SKC_QUERY_SKINNED), 0); });
  while (Foreign == -1) {
    MSG Msg;
    while (PeekMessageW(&Msg, nullptr, 0, 0, PM_REMOVE)) DispatchMessageW(&Msg);
  }
  Asker.join();
  EXPECT_EQ(Foreign, 0);
  // Gone with the window.
  delete Button;
  EXPECT_FALSE(IsWindow(Window));
}

TEST_F(CommonData, ThePanelsSectionFollowsItsBevelAndAnEditTakesEdit) {
  auto* Panel = Make<TsPanel>(*Form);
  auto* Edit = Make<TsEdit>(*Panel);
  EXPECT_EQ(Panel->SkinData().SkinIndex, Manager->Store().GetSkinIndex("PANEL"));
  EXPECT_EQ(Edit->SkinData().SkinIndex, Manager->Store().GetSkinIndex("EDIT"));
  EXPECT_NE(GetPropW(Edit->Handle(), SkinStateProperty), nullptr);
}

TEST_F(CommonData, TheColourSeenThroughTransparentContainersIsTheFirstOpaqueOnes) {
  auto* Outer = Make<TsPanel>(*Form);
  auto* Middle = Make<TsPanel>(*Outer);
  auto* Inner = Make<TsPanel>(*Middle);
  Middle->SkinData().SetSkinSection("GLASS");
  Inner->SkinData().SetSkinSection("GLASS");
  EXPECT_EQ(SendSkinCommand(Inner->Handle(), SKC_QUERY_BG_COLOR, 0), 0xFFFFFF);
}

TEST_F(CommonData, HalfTransparentBlackOverWhiteIsDarkNotMidGrey) {
  auto* Outer = Make<TsPanel>(*Form);
  auto* Half = Make<TsPanel>(*Outer);
  Half->SkinData().SetSkinSection("HALF");
  EXPECT_EQ(SendSkinCommand(Half->Handle(), SKC_QUERY_BG_COLOR, 0), 0x313131);
}

TEST_F(CommonData, SetSectionTakesAStringAndRefusesNone) {
  auto* Panel = Make<TsPanel>(*Form);
  EXPECT_EQ(SendSkinCommand(Panel->Handle(), SKC_SET_SECTION, 0), 0);
  EXPECT_EQ(Panel->SkinData().SkinSection(), "");
  const std::string Glass = "glass";
  EXPECT_EQ(SendSkinCommand(Panel->Handle(), SKC_SET_SECTION, reinterpret_cast<LPARAM>(&Glass)), 1);
  EXPECT_EQ(Panel->SkinData().SkinSection(), "GLASS");
  EXPECT_EQ(Panel->SkinData().SkinIndex, Manager->Store().GetSkinIndex("GLASS"));
}

TEST_F(CommonData, ASectionNameInOtherCaseIsAChangeStoredUpperCase) {
  auto* Edit = Make<TsEdit>(*Form);
  Edit->SkinData().SetSkinSection("EDIT");
  Edit->SkinData().BGChanged = false;
  Edit->SkinData().SetSkinSection("EDIT");
  EXPECT_FALSE(Edit->SkinData().BGChanged);  // equal: nothing happens
  Edit->SkinData().SetSkinSection("edit");
  EXPECT_TRUE(Edit->SkinData().BGChanged);  // compared as given: a change
  EXPECT_EQ(Edit->SkinData().SkinSection(), "EDIT");
}

TEST_F(CommonData, AButtonUnderTheMouseIsHotAPanelIsNot) {
  auto* Button = Make<TsButton>(*Form);
  auto* Panel = Make<TsPanel>(*Form);
  SendSkinCommand(Panel->Handle(), SKC_MOUSE_ENTER, reinterpret_cast<LPARAM>(Manager));
  EXPECT_EQ(Panel->SkinData().HotState(), 0);
  EXPECT_EQ(Manager->ActiveControl(), Panel->Handle());
  SendSkinCommand(Button->Handle(), SKC_MOUSE_ENTER, reinterpret_cast<LPARAM>(Manager));
  EXPECT_EQ(Button->SkinData().HotState(), 1);
  EXPECT_EQ(Manager->ActiveControl(), Button->Handle());
  SendSkinCommand(Button->Handle(), SKC_MOUSE_LEAVE, reinterpret_cast<LPARAM>(Manager));
  EXPECT_EQ(Button->SkinData().HotState(), 0);
}

TEST_F(CommonData, RemovingTheSkinClearsTheIndexesAndLoadingItAgainRestoresThem) {
  auto* Button = Make<TsButton>(*Form);
  const int Index = Button->SkinData().SkinIndex;
  ASSERT_NE(Index, -1);
  Manager->SetActive(false);
  EXPECT_EQ(Button->SkinData().SkinIndex, -1);
  EXPECT_FALSE(AskSkinCommand(Button->Handle(), SKC_QUERY_SKINNED) && Button->SkinData().Skinned());
  Manager->SetActive(true);
  EXPECT_EQ(Button->SkinData().SkinIndex, Index);
}

TEST_F(CommonData, APanelPassesTheSkinOnToItsChildrenEvenUnderAnotherManager) {
  auto* Panel = Make<TsPanel>(*Form);
  auto* Button = Make<TsButton>(*Panel);
  ASSERT_NE(Button->SkinData().SkinIndex, -1);
  TsSkinManager Foreign(nullptr);
  Panel->SkinData().SetSkinManager(&Foreign);
  const int PanelIndex = Panel->SkinData().SkinIndex;
  // A skin without BUTTON: the button learns of it only through the panel.
  TsStoredSkin Plain;
  Plain.Name = L"Plain";
  const std::string Text = "[GLOBALINFO]\nVERSION=8.10\n[PANEL]\nCOLOR=1\n";
  const std::vector<std::uint8_t> Bytes(Text.begin(), Text.end());
  const TacPackageEntry Entries[] = {{"Options.dat", Bytes}};
  Plain.PackedData = WriteSkinPackage(Entries);
  Manager->InternalSkins.push_back(Plain);
  Manager->SetSkinName(L"Plain");
  EXPECT_EQ(Button->SkinData().SkinIndex, -1);
  EXPECT_EQ(Panel->SkinData().SkinIndex, PanelIndex);  // not its manager's news
}

}  // namespace
