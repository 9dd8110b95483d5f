// The skin manager with real windows: loading by name, its broadcasts, errors that keep the
// old skin, switching skinning off and on, hot tracking and the window-creation hook.
#include <gtest/gtest.h>
#include <windows.h>

#include <filesystem>
#include <fstream>
#include <string>
#include <thread>
#include <vector>

#include "framework/Application.h"
#include "framework/Form.h"
#include "skin/store/PreviewBlock.h"
#include "skin/store/win32/SkinCommands.h"
#include "skin/store/win32/sSkinManager.h"
#include "tests/win/SkinTestSupport.h"
#include "tests/win/WinTestSupport.h"

namespace {

// A form that counts the skin commands it is sent, by code (but for the question whether
// it is skinned, which every broadcast asks).
class TCountingForm : public TForm {
 public:
  using TForm::TForm;
  std::vector<int> Codes;
  int Count(int Code) const { return static_cast<int>(std::count(Codes.begin(), Codes.end(), Code)); }

 protected:
  void WndProc(TMessage& Message) override {
    if (Message.Msg == WM_SKINCOMMAND && SkinCommandCode(Message.WParam) != SKC_QUERY_SKINNED &&
        IsOwnSkinCommand(HandleAllocated() ? Handle() : nullptr, Message))
      Codes.push_back(SkinCommandCode(Message.WParam));
    TForm::WndProc(Message);
  }
};

class SkinManager : public testing::Test {
 protected:
  TApplication App;
  TCountingForm* Form = new TCountingForm(&App);
  TsSkinManager* Manager = nullptr;

  // A manager read as a stored description reads it: skins first, then the name.
  void MakeManager(const std::wstring& Name) {
    Manager = new TsSkinManager(Form);
    Manager->BeginLoading();
    Manager->InternalSkins.push_back(StoredSkin(L"Graphite", "[GLOBALINFO]\nVERSION=8.10\n[BUTTON]\nCOLOR=255\n"));
    Manager->InternalSkins.push_back(StoredSkin(L"Second", "[GLOBALINFO]\nVERSION=9.00\n[PANEL]\nCOLOR=65280\n"));
    Manager->SetSkinDirectory(L"c:\\NoSkinsHere");
    Manager->SetSkinName(Name);
    Manager->Loaded();
    Form->HandleNeeded();
  }
};

TEST_F(SkinManager, TheFirstManagerIsTheDefaultOne) {
  MakeManager(L"Graphite");
  EXPECT_EQ(TsSkinManager::DefaultManager(), Manager);
  auto* Second = new TsSkinManager(Form);
  EXPECT_FALSE(Second->IsDefault());
  delete Second;
  EXPECT_EQ(TsSkinManager::DefaultManager(), Manager);
  delete Manager;
  EXPECT_EQ(TsSkinManager::DefaultManager(), nullptr);
}

TEST_F(SkinManager, OptionsStartWithTheirDefaults) {
  MakeManager(L"Graphite");
  EXPECT_TRUE(Manager->Active());
  EXPECT_EQ(Manager->SkinningRules, (TacSkinningRules{TacSkinningRule::srStdForms, TacSkinningRule::srStdDialogs,
                                                      TacSkinningRule::srThirdParty}));
  EXPECT_TRUE(Manager->Effects.AllowGlowing && Manager->Effects.AllowOuterEffects && !Manager->Effects.DiscoloredGlyphs);
  EXPECT_EQ(Manager->AnimEffects.SkinChanging.Time, 100);
  EXPECT_EQ(Manager->AnimEffects.SkinChanging.Mode, TacAnimType::atFading);
  EXPECT_EQ(Manager->AnimEffects.Minimizing.Time, 120);
  EXPECT_FALSE(Manager->AnimEffects.BlendOnMoving.Active);
  EXPECT_EQ(Manager->AnimEffects.BlendOnMoving.BlendValue, 170);
  EXPECT_EQ(Manager->AnimEffects.FormShow.Mode, TacAnimType::atAero);
  EXPECT_TRUE(Manager->AnimEffects.Buttons.Events.Contains(TacBtnEvent::beMouseUp));
  EXPECT_EQ(Manager->ScrollsOptions.ScrollSize, -1);
  EXPECT_FALSE(Manager->Options.NoMouseHover);
  EXPECT_EQ(Manager->Options.ScaleMode, TacScaleMode::smOldMode);
  EXPECT_EQ(Manager->ThirdLists[1], (std::vector<std::wstring>{L"TButton"}));
}

TEST_F(SkinManager, ReadingLoadsTheSkinAndLoadedBroadcastsItOnce) {
  MakeManager(L"Graphite");
  EXPECT_TRUE(Manager->SkinActive());
  EXPECT_NE(Manager->Store().GetSkinIndex("BUTTON"), -1);
  EXPECT_EQ(Manager->Store().GetSkinIndex("PANEL"), -1);
  EXPECT_EQ(Manager->SkinInfo(), L"8.1");
  EXPECT_TRUE(Manager->GlobalHookInstalled());
}

TEST_F(SkinManager, AnUnknownNameSelectsTheFirstInternalSkinWithOneAfterChange) {
  MakeManager(L"Second");
  int AfterChange = 0;
  Manager->OnAfterChange = [&AfterChange](TObject*) { ++AfterChange; };
  Form->Codes.clear();
  Manager->SetSkinName(L"Nowhere");
  EXPECT_EQ(Manager->SkinName(), L"Graphite");
  EXPECT_NE(Manager->Store().GetSkinIndex("BUTTON"), -1);
  EXPECT_EQ(AfterChange, 1);
  // Loaded, then repainted: animations stopped first.
  EXPECT_EQ(Form->Codes, (std::vector<int>{SKC_SKIN_LOADED, SKC_STOP_ANIMATIONS, SKC_REPAINT}));
}

TEST_F(SkinManager, TheAszSuffixInAnyCaseNamesTheSameSkin) {
  MakeManager(L"Graphite");
  Manager->SetSkinName(L"Second.AsZ");
  EXPECT_EQ(Manager->SkinName(), L"Second");
  EXPECT_NE(Manager->Store().GetSkinIndex("PANEL"), -1);
}

TEST_F(SkinManager, BeginUpdateWithTwoChangesAndEndUpdateBroadcastsOnce) {
  MakeManager(L"Graphite");
  Form->Codes.clear();
  Manager->BeginUpdate();
  Manager->SetSkinName(L"Second");
  Manager->SetSkinName(L"Graphite");
  EXPECT_EQ(Form->Count(SKC_SKIN_LOADED), 0);
  Manager->EndUpdate(true, false);
  EXPECT_EQ(Form->Count(SKC_SKIN_LOADED), 1);
  EXPECT_EQ(Form->Count(SKC_REPAINT), 1);
}

TEST_F(SkinManager, ABrokenExternalSkinShowsItsErrorAndKeepsThePreviousSkinWhole) {
  const std::filesystem::path Folder = std::filesystem::temp_directory_path() / "qv_manager_test";
  std::filesystem::create_directories(Folder);
  TBytes Broken = SkinContainer("[GLOBALINFO]\nVERSION=8.10\n");
  Broken.resize(Broken.size() - 6);  // the zlib stream ends early
  std::ofstream(Folder / "Broken.asz", std::ios::binary)
      .write(reinterpret_cast<const char*>(Broken.data()), static_cast<std::streamsize>(Broken.size()));
  MakeManager(L"Graphite");
  Manager->SetSkinDirectory(Folder.wstring());
  const int Buttons = Manager->Store().GetSkinIndex("BUTTON");
  TSeenBox Seen;
  std::thread Watcher([&Seen, Ui = GetCurrentThreadId()] { Seen = WatchForBox(Ui); });
  Manager->SetSkinName(L"Broken");
  Watcher.join();
  EXPECT_EQ(Seen.Caption, L"Error");
  EXPECT_EQ(Seen.Text, L"Stream read error");
  EXPECT_EQ(Manager->SkinName(), L"Graphite");
  EXPECT_EQ(Manager->Store().GetSkinIndex("BUTTON"), Buttons);
  EXPECT_TRUE(Manager->SkinActive());
  std::filesystem::remove_all(Folder);
}

TEST_F(SkinManager, ANewerSkinIsLoadedAfterAWarning) {
  MakeManager(L"Graphite");
  Manager->InternalSkins.push_back(StoredSkin(L"Future", "[GLOBALINFO]\nVERSION=13.00\n[EDIT]\nCOLOR=1\n"));
  TSeenBox Seen;
  std::thread Watcher([&Seen, Ui = GetCurrentThreadId()] { Seen = WatchForBox(Ui); });
  Manager->SetSkinName(L"Future");
  Watcher.join();
  EXPECT_EQ(Seen.Caption, L"Warning");
  EXPECT_EQ(Seen.Text, std::wstring(SNewerSkinWarning));
  EXPECT_TRUE(Manager->SkinningRules.Contains(TacSkinningRule::srStdDialogs));  // given back
  EXPECT_NE(Manager->Store().GetSkinIndex("EDIT"), -1);
}

TEST_F(SkinManager, SwitchedOffItTellsEveryWindowAndGivesTheSkinBackWhenSwitchedOn) {
  MakeManager(L"Graphite");
  Form->Codes.clear();
  int Deactivated = 0;
  Manager->OnDeactivate = [&Deactivated](TObject*) { ++Deactivated; };
  Manager->SetActive(false);
  EXPECT_EQ(Form->Codes, (std::vector<int>{SKC_SKIN_REMOVED}));
  EXPECT_FALSE(Manager->SkinActive());
  EXPECT_TRUE(Manager->Store().gd().empty());
  EXPECT_FALSE(Manager->GlobalHookInstalled());
  EXPECT_EQ(Deactivated, 1);
  Manager->SetActive(true);
  EXPECT_TRUE(Manager->SkinActive());
  EXPECT_NE(Manager->Store().GetSkinIndex("BUTTON"), -1);
  EXPECT_TRUE(Manager->GlobalHookInstalled());
}

TEST_F(SkinManager, UpdateSkinSectionBroadcastsTheUpperCaseName) {
  MakeManager(L"Graphite");
  std::string Seen;
  class TSectionForm : public TForm {
   public:
    using TForm::TForm;
    std::string* Seen = nullptr;

   protected:
    void WndProc(TMessage& Message) override {
      if (Message.Msg == WM_SKINCOMMAND && SkinCommandCode(Message.WParam) == SKC_SECTION_CHANGED)
        *Seen = reinterpret_cast<const char*>(Message.LParam);
      TForm::WndProc(Message);
    }
  };
  auto* Other = new TSectionForm(&App);
  Other->Seen = &Seen;
  Other->HandleNeeded();
  Manager->UpdateSkinSection("Button");
  EXPECT_EQ(Seen, "BUTTON");
}

TEST_F(SkinManager, TheHookReportsEachActivatedWindow) {
  MakeManager(L"Graphite");
  std::vector<HWND> Activated;
  Manager->OnWindowActivated = [&Activated](HWND Window) { Activated.push_back(Window); };
  Form->Show();
  SetActiveWindow(Form->Handle());
  PumpUntil([&] { return !Activated.empty(); }, 5s);
  ASSERT_FALSE(Activated.empty());
  EXPECT_EQ(Activated.front(), Form->Handle());
}

TEST_F(SkinManager, TheHotWindowIsLeftWithinAboutATenthOfASecondWithoutAMouseLeave) {
  MakeManager(L"Graphite");
  auto* Hot = new TCountingForm(&App);
  Hot->SetBounds(0, 0, 50, 50);
  Hot->Show();
  SetCursorPos(600, 600);  // far outside the window
  Manager->SetActiveControl(Hot->Handle());
  EXPECT_EQ(Hot->Count(SKC_MOUSE_ENTER), 1);
  const auto Start = std::chrono::steady_clock::now();
  ASSERT_TRUE(PumpUntil([&] { return Hot->Count(SKC_MOUSE_LEAVE) == 1; }, 2s));
  EXPECT_LT(std::chrono::steady_clock::now() - Start, 400ms);
  EXPECT_EQ(Manager->ActiveControl(), nullptr);
}

// A preview block as the skin editor writes it.
std::vector<std::uint8_t> PreviewBlock(std::uint32_t Magic, const std::string& Name, const std::string& Data) {
  std::vector<std::uint8_t> Block(PreviewBlockSize, 0);
  for (int I = 0; I < 4; ++I) Block[static_cast<std::size_t>(I)] = static_cast<std::uint8_t>(Magic >> (8 * I));
  std::copy(Name.begin(), Name.end(), Block.begin() + PreviewSkinNameOffset);
  const std::string Dir = "c:\\NoSkinsHere";
  std::copy(Dir.begin(), Dir.end(), Block.begin() + PreviewSkinDirOffset);
  std::copy(Data.begin(), Data.end(), Block.begin() + PreviewDataOffset);
  return Block;
}

// Sends the block to the application window from another thread, as another process would,
// and serves messages until the manager has dealt with it.
void SendFromOutside(HWND Target, WPARAM Channel, std::vector<std::uint8_t> Block, DWORD Size) {
  bool Sent = false;
  std::thread Sender([&] {
    COPYDATASTRUCT Data{0, Size, Block.data()};
    SendMessageW(Target, WM_COPYDATA, Channel, reinterpret_cast<LPARAM>(&Data));
    Sent = true;
  });
  PumpUntil([&] { return Sent; }, 5s);
  Sender.join();
  PumpUntil([] { return false; }, 100ms);  // the posted SKC_APPLY_PREVIEW, if any
}

TEST_F(SkinManager, APreviewBlockFromOutsideLoadsThePreviewAndBadOnesAreIgnored) {
  MakeManager(L"Graphite");
  const std::string Data = "[GLOBALINFO]\nVERSION=8.10\n[PREVIEWED]\nCOLOR=255\n";
  const HWND Target = App.Handle();
  SendFromOutside(Target, 6, PreviewBlock(PreviewMagic, "Previewed", Data), PreviewBlockSize);
  SendFromOutside(Target, 7, PreviewBlock(0xA401, "Previewed", Data), PreviewBlockSize);
  SendFromOutside(Target, 7, PreviewBlock(PreviewMagic, "Previewed", Data), PreviewBlockSize - 1);
  EXPECT_EQ(Manager->Store().GetSkinIndex("PREVIEWED"), -1);
  EXPECT_EQ(Manager->SkinName(), L"Graphite");
  SendFromOutside(Target, 7, PreviewBlock(PreviewMagic, "Previewed", Data), PreviewBlockSize);
  EXPECT_NE(Manager->Store().GetSkinIndex("PREVIEWED"), -1);
  EXPECT_EQ(Manager->SkinName(), L"Previewed");
  EXPECT_TRUE(Manager->SkinActive());
}

}  // namespace
