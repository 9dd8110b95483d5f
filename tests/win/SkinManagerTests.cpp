// The skin manager with real windows: loading by name, its broadcasts, errors that keep the
// old skin, switching skinning off and on, hot tracking and the window-creation hook.
#include <gtest/gtest.h>
#include <windows.h>

#include <filesystem>
#include <set>
#include <fstream>
#include <string>
#include <thread>
#include <vector>

#include "framework/Application.h"
#include "framework/Form.h"
#include "skin/store/PreviewBlock.h"
#include "skin/store/win32/SkinCommands.h"
#include "skin/store/win32/SkinManagerStartup.h"
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

  // As the program does before its main window is made.
  void SetUp() override { StartSkinManagerUnit({}); }

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

TEST_F(SkinManager, MenusPaintTheirIconLineWithIcolineUnlessTold) {
  MakeManager(L"Graphite");
  EXPECT_EQ(Manager->MenuSupport.IcoLineSkin, L"ICOLINE");
  auto* Other = new TsSkinManager(Form);
  Other->BeginLoading();
  Other->MenuSupport.IcoLineSkin = L"MYLINE";
  Other->Loaded();
  EXPECT_EQ(Other->MenuSupport.IcoLineSkin, L"MYLINE");
}

TEST_F(SkinManager, ExtendedBordersGiveTheSkinTheBuiltInShadowAndRepaintTheForms) {
  const TsManagerUnit& Unit = StartSkinManagerUnit({});
  ASSERT_FALSE(Unit.ShdaTemplate.Empty());
  MakeManager(L"Graphite");
  EXPECT_FALSE(Manager->ExtendedBorders());
  EXPECT_EQ(Manager->Store().FormShadowSize(), (TRect{0, 0, 0, 0}));
  const int Buttons = Manager->Store().GetSkinIndex("BUTTON");
  Form->Codes.clear();
  Manager->SetExtendedBorders(true);
  EXPECT_TRUE(Manager->ExtendedBorders());
  // The skin has no frame image of its own: the program's shadows, nine pixels each side.
  EXPECT_EQ(Manager->Store().FormShadowSize(), (TRect{9, 9, 9, 9}));
  EXPECT_EQ(Manager->Store().ShdaTemplate(), Unit.ShdaTemplate);
  EXPECT_EQ(Manager->Store().ShdiTemplate(), Unit.ShdiTemplate);
  EXPECT_TRUE(Manager->SkinActive());
  EXPECT_EQ(Manager->Store().GetSkinIndex("BUTTON"), Buttons);
  EXPECT_EQ(Form->Codes, (std::vector<int>{SKC_STOP_ANIMATIONS, SKC_REPAINT}));
  // Kept by the next skin.
  Manager->SetSkinName(L"Second");
  EXPECT_EQ(Manager->Store().FormShadowSize(), (TRect{9, 9, 9, 9}));
  Manager->SetExtendedBorders(false);
  EXPECT_EQ(Manager->Store().FormShadowSize(), (TRect{0, 0, 0, 0}));
  EXPECT_TRUE(Manager->Store().ShdaTemplate().Empty());
}

TEST_F(SkinManager, DestroyedWithExtendedBordersItRemovesTheSkinAndLoadsNothingMore) {
  StartSkinManagerUnit({});
  MakeManager(L"Graphite");
  Manager->SetExtendedBorders(true);
  Form->Codes.clear();
  delete Manager;
  EXPECT_EQ(Form->Codes, (std::vector<int>{SKC_SKIN_REMOVED}));
}

// Sets the user's applied DPI (none when Dpi is negative) while it lives, then restores it.
class TAppliedDpi {
 public:
  explicit TAppliedDpi(int Dpi) {
    RegCreateKeyExW(HKEY_CURRENT_USER, KeyName, 0, nullptr, 0, KEY_READ | KEY_WRITE, nullptr, &FKey, nullptr);
    DWORD Size = sizeof(FOld);
    FHadOld = RegQueryValueExW(FKey, L"AppliedDPI", nullptr, nullptr, reinterpret_cast<BYTE*>(&FOld), &Size) ==
              ERROR_SUCCESS;
    Set(Dpi);
  }
  ~TAppliedDpi() {
    Set(FHadOld ? static_cast<int>(FOld) : -1);
    RegCloseKey(FKey);
  }

 private:
  static constexpr wchar_t KeyName[] = L"Control Panel\\Desktop\\WindowMetrics";
  void Set(int Dpi) {
    if (Dpi < 0) {
      RegDeleteValueW(FKey, L"AppliedDPI");
      return;
    }
    const DWORD Value = static_cast<DWORD>(Dpi);
    RegSetValueExW(FKey, L"AppliedDPI", 0, REG_DWORD, reinterpret_cast<const BYTE*>(&Value), sizeof(Value));
  }
  HKEY FKey = nullptr;
  DWORD FOld = 0;
  bool FHadOld = false;
};

TEST_F(SkinManager, TheSystemFontScaleComesFromTheAppliedDpiAtCreation) {
  struct TCase {
    int Dpi, Scale;
  };
  for (const TCase& Case : {TCase{144, 2}, {119, 0}, {192, 3}, {-1, 0}}) {
    std::unique_ptr<TsSkinManager> Made;
    {
      TAppliedDpi Dpi(Case.Dpi);
      Made = std::make_unique<TsSkinManager>(nullptr);
    }
    EXPECT_EQ(Made->SysFontScale(), Case.Scale) << Case.Dpi;
  }
}

TEST_F(SkinManager, ScaleIntScalesOnlyOutsideTheOldMode) {
  std::unique_ptr<TsSkinManager> Scaled;
  {
    TAppliedDpi Dpi(144);
    Scaled = std::make_unique<TsSkinManager>(nullptr);
  }
  EXPECT_EQ(Scaled->ScaleInt(40), 40);
  Scaled->Options.ScaleMode = TacScaleMode::smAuto;
  EXPECT_EQ(Scaled->ScaleInt(40), 60);     // the system's 150 %
  EXPECT_EQ(Scaled->ScaleInt(40, 1), 50);  // 125 % asked for
  EXPECT_EQ(Scaled->ScaleInt(40, 3), 80);
}

TEST_F(SkinManager, ARandomSkinIsOneOfTheSkinsTheFilterLets) {
  const std::filesystem::path Folder = std::filesystem::temp_directory_path() / "qv_random_skins";
  std::filesystem::remove_all(Folder);
  std::filesystem::create_directories(Folder / "Folder skin");
  std::ofstream(Folder / "Folder skin" / "Options.dat") << "[GLOBALINFO]\nVERSION=8.10\n";
  std::ofstream(Folder / "Packed one.asz") << "x";
  std::ofstream(Folder / "Packed two.asz") << "x";
  std::ofstream(Folder / "Notes.txt") << "x";
  MakeManager(L"Graphite");
  Manager->SetSkinDirectory(Folder.wstring());
  const auto Picked = [this] {
    std::set<std::wstring> Names;
    for (int I = 0; I < 300; ++I) Names.insert(Manager->GetRandomSkin());
    return Names;
  };
  EXPECT_EQ(Picked(), (std::set<std::wstring>{L"Graphite", L"Second", L"Packed one", L"Packed two"}));
  Manager->SkinsFilter = TacSkinsFilter{TacSkinsFilterItem::sfiExternal};
  EXPECT_EQ(Picked(), (std::set<std::wstring>{L"Packed one", L"Packed two"}));
  Manager->SkinsFilter = TacSkinsFilter{TacSkinsFilterItem::sfiInternal};
  EXPECT_EQ(Picked(), (std::set<std::wstring>{L"Graphite", L"Second"}));
  Manager->SkinsFilter = TacSkinsFilter{};
  EXPECT_EQ(Manager->GetRandomSkin(), L"");
  std::filesystem::remove_all(Folder);
}

TEST_F(SkinManager, ARegisteredSkinListWindowHearsOfEverySkinChangeOnce) {
  MakeManager(L"Graphite");
  auto* List = new TCountingForm(&App);
  List->HandleNeeded();
  Manager->RegisterSkinListWindow(List->Handle());
  Manager->RegisterSkinListWindow(List->Handle());  // once is enough
  const auto Heard = [](TCountingForm* Window) {
    PumpUntil([] { return false; }, 100ms);
    return Window->Count(SKC_SKIN_LIST_SKIN_CHANGED);
  };
  Manager->SetSkinName(L"Second");
  EXPECT_EQ(Heard(List), 1);
  Manager->SetSkinName(L"Graphite");
  EXPECT_EQ(Heard(List), 2);
  EXPECT_EQ(Heard(Form), 0);
  Manager->UnregisterSkinListWindow(List->Handle());
  Manager->SetSkinName(L"Second");
  EXPECT_EQ(Heard(List), 2);
}

TEST_F(SkinManager, TheApplicationsMinimiseAndRestoreAreRecorded) {
  MakeManager(L"Graphite");
  EXPECT_EQ(Manager->ShowState(), TacShowState::saIgnore);
  SendMessageW(App.Handle(), WM_SYSCOMMAND, SC_MINIMIZE, 0);
  EXPECT_EQ(Manager->ShowState(), TacShowState::saMinimize);
  SendMessageW(App.Handle(), WM_SYSCOMMAND, SC_RESTORE, 0);
  EXPECT_EQ(Manager->ShowState(), TacShowState::saRestore);
  SendMessageW(App.Handle(), WM_SYSCOMMAND, SC_MAXIMIZE, 0);
  EXPECT_EQ(Manager->ShowState(), TacShowState::saRestore);
}

}  // namespace
