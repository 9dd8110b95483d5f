// Per-control skin data with real windows: the window property, the skin commands every
// skinned control answers, the colour seen through transparent containers, sections and
// the hot state.
#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <string>
#include <thread>
#include <vector>

#include "framework/Application.h"
#include "framework/DibSection.h"
#include "framework/Form.h"
#include "framework/GraphicControl.h"
#include "framework/PrivateMessages.h"
#include "skin/controls/acImage.h"
#include "skin/controls/sButton.h"
#include "skin/controls/sEdit.h"
#include "skin/controls/sMemo.h"
#include "skin/controls/sPanel.h"
#include "skin/render/CacheInfo.h"
#include "skin/store/win32/SkinCommands.h"
#include "skin/store/win32/sSkinManager.h"
#include "tests/win/SkinTestSupport.h"

namespace {

// A non-windowed child that fills itself with one colour.
class TSwatch : public TGraphicControl {
 public:
  TSwatch(TComponent* AOwner, TColor AFill) : TGraphicControl(AOwner), Fill(AFill) {}
  TColor Fill;

 protected:
  void Paint() override {
    Canvas().Brush().SetColor(Fill);
    Canvas().FillRect({0, 0, Width(), Height()});
  }
};

// Sections of the test skin: white panels; GLASS fully transparent; HALF 50 % over black;
// edits dark grey with red text, green with blue text when hot; REDEDIT pure red; SHADED a
// gradient.
constexpr char TestSkin[] =
    "[GLOBALINFO]\nVERSION=8.10\n"
    "[BUTTON]\nCOLOR=255\nSTATES=3\n"
    "[EDIT]\nCOLOR=3355443\nFONTCOLOR=255\nHOTCOLOR=43520\nHOTFONTCOLOR=16711680\nSTATES=2\n"
    "[PANEL]\nCOLOR=16777215\n"
    "[GLASS]\nTRANSPARENCY=100\nCOLOR=65280\n"
    "[HALF]\nTRANSPARENCY=50\nCOLOR=0\n"
    "[REDEDIT]\nCOLOR=255\n"
    "[SHADED]\nCOLOR=255\nGRADIENTPERCENT=100\nGRADIENTDATA=3618615;5263440;97;0;0;5263440;5263440;0;0;0\n";

class CommonData : public testing::Test {
 protected:
  TApplication App;
  TForm* Form = new TForm(&App);
  TsSkinManager* Manager = new TsSkinManager(Form);

  void SetUp() override {
    ReadManagerWithSkin(*Manager, TestSkin);
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

TEST_F(CommonData, TheFirstSectionOfAListThatTheSkinKnowsIsTaken) {
  auto* Panel = Make<TsPanel>(*Form);
  Panel->SkinData().SetSectionFromList({"NOWHERE", "HALF", "GLASS"});
  EXPECT_EQ(Panel->SkinData().SkinIndex, Manager->Store().GetSkinIndex("HALF"));
  Panel->SkinData().SetSectionFromList({"NOWHERE", "ELSEWHERE"});
  EXPECT_EQ(Panel->SkinData().SkinIndex, -1);
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
  // With the manager's NoMouseHover nothing gets hot by the mouse.
  Manager->Options.NoMouseHover = true;
  SendSkinCommand(Button->Handle(), SKC_MOUSE_ENTER, reinterpret_cast<LPARAM>(Manager));
  EXPECT_EQ(Button->SkinData().HotState(), 0);
  EXPECT_FALSE(Button->SkinData().FMouseAbove);
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
  Manager->InternalSkins.push_back(StoredSkin(L"Plain", "[GLOBALINFO]\nVERSION=8.10\n[PANEL]\nCOLOR=1\n"));
  Manager->SetSkinName(L"Plain");
  EXPECT_EQ(Button->SkinData().SkinIndex, -1);
  EXPECT_EQ(Panel->SkinData().SkinIndex, PanelIndex);  // not its manager's news
}

TEST_F(CommonData, AnEditTakesTheHotColoursWithTheFocusAndTheNormalOnesWithoutIt) {
  auto* Edit = Make<TsEdit>(*Form);
  auto* Other = Make<TsEdit>(*Form);
  Form->Show();
  Edit->SetFocus();
  EXPECT_EQ(Edit->SkinData().HotState(), 1);
  EXPECT_EQ(Edit->Color(), 0x00AA00);
  EXPECT_EQ(Edit->Font().Color(), 0xFF0000);
  Other->SetFocus();
  EXPECT_EQ(Edit->SkinData().HotState(), 0);
  EXPECT_EQ(Edit->Color(), 0x333333);
  EXPECT_EQ(Edit->Font().Color(), 0x0000FF);
}

TEST_F(CommonData, HoverLeavesAnEditsColoursAlone) {
  auto* Edit = Make<TsEdit>(*Form);
  Edit->SetColor(clYellow);
  SendSkinCommand(Edit->Handle(), SKC_MOUSE_ENTER, reinterpret_cast<LPARAM>(Manager));
  EXPECT_EQ(Edit->SkinData().HotState(), 0);
  EXPECT_EQ(Edit->Color(), clYellow);
}

TEST_F(CommonData, CustomColoursKeepTheApplicationsOwnAndRemovingTheSkinGivesTheOthersTheSystemOnes) {
  auto* Plain = Make<TsEdit>(*Form);
  auto* Custom = Make<TsEdit>(*Form);
  Custom->SkinData().SetCustomColor(true);
  Custom->SkinData().SetCustomFont(true);
  Custom->SetColor(clYellow);
  Custom->Font().SetColor(clGreen);
  SendSkinCommand(Plain->Handle(), SKC_REPAINT, reinterpret_cast<LPARAM>(Manager));
  EXPECT_EQ(Plain->Color(), 0x333333);
  EXPECT_EQ(Plain->Font().Color(), 0x0000FF);
  Manager->SetActive(false);
  EXPECT_EQ(Plain->Color(), clWindow);
  EXPECT_EQ(Plain->Font().Color(), clWindowText);
  EXPECT_EQ(Custom->Color(), clYellow);
  EXPECT_EQ(Custom->Font().Color(), clGreen);
}

TEST_F(CommonData, TurningCustomColoursOffAndOnAgainGivesBackTheSavedOnes) {
  auto* Edit = Make<TsEdit>(*Form);
  Edit->Font().SetColor(clGreen);
  Edit->SkinData().SetCustomFont(true);  // the colour is the skin's meanwhile
  EXPECT_EQ(Edit->Color(), 0x333333);
  Edit->SetColor(clYellow);
  Edit->SkinData().SetCustomColor(true);
  EXPECT_EQ(Edit->SkinData().SavedColor, clYellow);
  EXPECT_EQ(Edit->SkinData().SavedFontColor, clGreen);
  Edit->SkinData().SetCustomColor(false);
  Edit->SkinData().SetCustomFont(false);
  EXPECT_EQ(Edit->Color(), 0x333333);  // the skin's again
  EXPECT_EQ(Edit->Font().Color(), 0x0000FF);
  Edit->SkinData().SetCustomColor(true);
  Edit->SkinData().SetCustomFont(true);
  EXPECT_EQ(Edit->Color(), clYellow);
  EXPECT_EQ(Edit->Font().Color(), clGreen);
}

TEST_F(CommonData, ThePictureIsADibOfTheControlsSizeMadeAgainOnlyWhenTheSizeChanges) {
  auto* Panel = Make<TsPanel>(*Form);
  Panel->SetBounds(0, 0, 30, 20);
  TsCommonData& Data = Panel->SkinData();
  EXPECT_FALSE(Data.FCacheBmp.has_value());
  Data.PrepareCacheBitmap();
  ASSERT_TRUE(Data.FCacheBmp.has_value());
  EXPECT_EQ(Data.FCacheBmp->Width(), 30);
  EXPECT_EQ(Data.FCacheBmp->Height(), 20);
  EXPECT_NE(Data.FCacheBmp->DC(), nullptr);
  const HBITMAP First = Data.FCacheBmp->Bitmap();
  Data.PrepareCacheBitmap();
  EXPECT_EQ(Data.FCacheBmp->Bitmap(), First);
  Panel->SetBounds(0, 0, 40, 20);
  Data.PrepareCacheBitmap();
  ASSERT_TRUE(Data.FCacheBmp.has_value());
  EXPECT_EQ(Data.FCacheBmp->Width(), 40);
  Panel->SetBounds(0, 0, 0, 20);
  Data.PrepareCacheBitmap();
  EXPECT_FALSE(Data.FCacheBmp.has_value());
}

TEST_F(CommonData, OnlyAControlSeenThroughOnASkinnedContainerRepaintsWhenMoved) {
  auto* Outer = Make<TsPanel>(*Form);
  auto* Opaque = Make<TsPanel>(*Outer);
  auto* Glass = Make<TsPanel>(*Outer);
  auto* GlassOnForm = Make<TsPanel>(*Form);
  auto* Disabled = Make<TsPanel>(*Outer);
  Glass->SkinData().SetSkinSection("GLASS");
  GlassOnForm->SkinData().SetSkinSection("GLASS");
  Disabled->SetEnabled(false);
  EXPECT_FALSE(Opaque->SkinData().RepaintIfMoved());
  EXPECT_TRUE(Glass->SkinData().RepaintIfMoved());
  EXPECT_FALSE(GlassOnForm->SkinData().RepaintIfMoved());  // the bare form is no container
  EXPECT_TRUE(Disabled->SkinData().RepaintIfMoved());
}

TEST_F(CommonData, RepaintIfMovedGoesDownOnlyThroughControlsSeenThrough) {
  auto* Outer = Make<TsPanel>(*Form);
  auto* Glass = Make<TsPanel>(*Outer);
  auto* UnderGlass = Make<TsPanel>(*Glass);
  auto* Opaque = Make<TsPanel>(*Outer);
  auto* UnderOpaque = Make<TsPanel>(*Opaque);
  for (TsPanel* Panel : {Glass, UnderGlass, UnderOpaque}) Panel->SkinData().SetSkinSection("GLASS");
  for (TsPanel* Panel : {Glass, UnderGlass, Opaque, UnderOpaque}) Panel->SkinData().BGChanged = false;
  SendSkinMessage(Glass->Handle(), SkinCommandMessage(SKC_REPAINT_IF_MOVED, 0, 1));
  SendSkinMessage(Opaque->Handle(), SkinCommandMessage(SKC_REPAINT_IF_MOVED, 0, 1));
  EXPECT_TRUE(Glass->SkinData().BGChanged);
  EXPECT_TRUE(UnderGlass->SkinData().BGChanged);
  EXPECT_FALSE(Opaque->SkinData().BGChanged);
  EXPECT_FALSE(UnderOpaque->SkinData().BGChanged);
}

TEST_F(CommonData, AContainerIsUpdatingInItsOwnUpdateAndWithoutAPictureOfItsSize) {
  auto* Outer = Make<TsPanel>(*Form);
  Outer->SetBounds(0, 0, 50, 40);
  EXPECT_EQ(SendSkinCommand(Outer->Handle(), SKC_QUERY_UPDATING, 0), 1);  // no picture yet
  Outer->SkinData().PrepareCacheBitmap();
  EXPECT_EQ(SendSkinCommand(Outer->Handle(), SKC_QUERY_UPDATING, 0), 0);
  Outer->SetBounds(0, 0, 60, 40);
  // Asked, the panel prepares a picture of its new size.
  EXPECT_EQ(SendSkinCommand(Outer->Handle(), SKC_QUERY_UPDATING, 0), 0);
  EXPECT_EQ(Outer->SkinData().FCacheBmp->Width(), 60);
  Outer->SetBounds(0, 0, 70, 40);
  Outer->SkinData().BGChanged = false;
  EXPECT_EQ(SendSkinCommand(Outer->Handle(), SKC_QUERY_UPDATING, 0), 1);  // marked current, of another size
  Outer->SkinData().PrepareCacheBitmap();
  Outer->SkinData().BeginUpdate();
  EXPECT_EQ(SendSkinCommand(Outer->Handle(), SKC_QUERY_UPDATING, 0), 1);
  Outer->SkinData().EndUpdate(false);
  EXPECT_EQ(SendSkinCommand(Outer->Handle(), SKC_QUERY_UPDATING, 0), 0);
  Outer->SkinData().FCacheBmp.reset();
  Outer->SkinData().SetCustomColor(true);
  EXPECT_EQ(SendSkinCommand(Outer->Handle(), SKC_QUERY_UPDATING, 0), 0);  // its own colour is ready
}

TEST_F(CommonData, AWaitingChildStopsWaitingWhenItsParentIsReadyAndTellsItsOwnChildren) {
  auto* Outer = Make<TsPanel>(*Form);
  auto* Middle = Make<TsPanel>(*Outer);
  auto* Inner = Make<TsPanel>(*Middle);
  for (TsPanel* Panel : {Outer, Middle, Inner}) {
    Panel->SetBounds(0, 0, 20, 20);
    Panel->SkinData().PrepareCacheBitmap();
  }
  Outer->SkinData().BeginUpdate();
  Middle->SkinData().FUpdating = Inner->SkinData().FUpdating = true;
  SendSkinCommand(Middle->Handle(), SKC_PARENT_UPDATED, 0);
  EXPECT_TRUE(Middle->SkinData().FUpdating);  // its parent is still in its update
  Outer->SkinData().EndUpdate(false);
  SendSkinCommand(Middle->Handle(), SKC_PARENT_UPDATED, 0);
  EXPECT_FALSE(Middle->SkinData().FUpdating);
  EXPECT_FALSE(Inner->SkinData().FUpdating);
}

TEST_F(CommonData, AFrameChangeReachesTheChildWindows) {
  auto* Outer = Make<TsPanel>(*Form);
  auto* Inner = Make<TsPanel>(*Outer);
  int FrameQuestions = 0;
  const TMessageHook Counting = Inner->AddMessageHook([&](TMessage& Message, const TMessageHookChain::TNext& Next) {
    if (Message.Msg == WM_NCCALCSIZE) ++FrameQuestions;
    Next(Message);
  });
  SendSkinCommand(Outer->Handle(), SKC_FRAME_CHANGED, 0);
  EXPECT_EQ(FrameQuestions, 1);
}

TEST_F(CommonData, TheSectionUnderAPartIsTheFirstOneNotSeenThrough) {
  auto* Outer = Make<TsPanel>(*Form);
  auto* Glass = Make<TsPanel>(*Outer);
  auto* Half = Make<TsPanel>(*Outer);
  auto* Button = Make<TsButton>(*Outer);
  Glass->SetBounds(10, 5, 20, 20);
  Glass->SkinData().SetSkinSection("GLASS");
  Half->SkinData().SetSkinSection("HALF");
  const int PanelIndex = Manager->Store().GetSkinIndex("PANEL");
  const auto Ask = [](TControl* Control, int State, TacStateSectionQuery& Query) {
    Query.State = State;
    return SendSkinCommandTo(Control, SKC_QUERY_STATE_SECTION, reinterpret_cast<LPARAM>(&Query));
  };
  TacStateSectionQuery Query;
  Query.R = {1, 2, 3, 4};
  EXPECT_EQ(Ask(Glass, 0, Query), 1);
  EXPECT_EQ(Query.SkinIndex, PanelIndex);
  EXPECT_EQ(Query.R.left, 11);
  EXPECT_EQ(Query.R.top, 7);
  EXPECT_EQ(Query.R.right, 13);
  EXPECT_EQ(Query.R.bottom, 9);
  Query = {};
  EXPECT_EQ(Ask(Half, 0, Query), 1);  // half transparent is not seen through
  EXPECT_EQ(Query.SkinIndex, Manager->Store().GetSkinIndex("HALF"));
  Query = {};
  EXPECT_EQ(Ask(Button, 2, Query), 1);
  EXPECT_EQ(Query.SkinIndex, Manager->Store().GetSkinIndex("BUTTON"));
  EXPECT_EQ(Ask(Button, 3, Query), -1);  // BUTTON has three states
  EXPECT_EQ(Query.SkinIndex, -1);
}

TEST_F(CommonData, AHueOffsetTurnsTheSectionsColoursOnTheControlAndTheSameOneDoesNothing) {
  auto* Edit = Make<TsEdit>(*Form);
  Edit->SkinData().SetSkinSection("REDEDIT");
  EXPECT_EQ(Edit->Color(), 0x0000FF);
  Edit->SkinData().SetHUEOffset(120);  // red turned by a third of the circle: green
  EXPECT_EQ(Edit->Color(), 0x00FF00);
  Edit->SkinData().BGChanged = false;
  Edit->SkinData().SetHUEOffset(120);
  EXPECT_FALSE(Edit->SkinData().BGChanged);
}

TEST_F(CommonData, AMemosScrollBarsStartAtTheSystemSizesAndANewSizeMeasuresTheFrameAgain) {
  auto* Memo = Make<TsMemo>(*Form);
  TacScrollData& Vert = Memo->SkinData().VertScrollData();
  EXPECT_EQ(Vert.ScrollWidth(), -1);
  EXPECT_EQ(Vert.ButtonsSize(), -1);
  EXPECT_EQ(Memo->SkinData().HorzScrollData().ScrollWidth(), -1);
  EXPECT_EQ(Memo->SkinData().OuterEffects().Visibility(), TacOuterVisibility::ovNone);
  int FrameQuestions = 0;
  const TMessageHook Counting = Memo->AddMessageHook([&](TMessage& Message, const TMessageHookChain::TNext& Next) {
    if (Message.Msg == WM_NCCALCSIZE) ++FrameQuestions;
    Next(Message);
  });
  Vert.SetScrollWidth(20);
  EXPECT_EQ(FrameQuestions, 1);
  Vert.SetScrollWidth(20);
  EXPECT_EQ(FrameQuestions, 1);
  Vert.SetButtonsSize(12);
  EXPECT_EQ(FrameQuestions, 2);
}

TEST_F(CommonData, AWindowedControlIsAnnouncedToItsFormOnceWhenLoadedAndWhenAChildWindowComes) {
  Form->HandleNeeded();
  std::vector<LPARAM> Announced;
  const TMessageHook Listening = Form->AddMessageHook([&](TMessage& Message, const TMessageHookChain::TNext& Next) {
    if (Message.Msg == WM_SKINCOMMAND && SkinCommandCode(Message.WParam) == SKC_ADD_CONTROL)
      Announced.push_back(Message.LParam);
    Next(Message);
  });
  auto* Outer = Make<TsPanel>(*Form);
  auto* Button = Make<TsButton>(*Outer);
  const auto Times = [&](TControl* Control) {
    return std::count(Announced.begin(), Announced.end(), reinterpret_cast<LPARAM>(Control));
  };
  EXPECT_EQ(Times(Button), 1);
  // The panel once loaded, and again when the button's window was made in it, so that the
  // form's adapter sees its new child.
  EXPECT_EQ(Times(Outer), 2);
  // A child window made in the button: the button is announced again.
  Announced.clear();
  const HWND Child = CreateWindowExW(0, L"STATIC", L"", WS_CHILD, 0, 0, 5, 5, Button->Handle(), nullptr, nullptr, nullptr);
  ASSERT_NE(Child, nullptr);
  EXPECT_EQ(Announced, (std::vector<LPARAM>{reinterpret_cast<LPARAM>(Button)}));
  DestroyWindow(Child);
  // Not skinned: nothing.
  Announced.clear();
  Manager->SetActive(false);
  Make<TsPanel>(*Form);
  EXPECT_TRUE(Announced.empty());
}

TEST_F(CommonData, PrintingAnUnskinnedControlPaintsItsGraphicChildrenInsideItsClientEdge) {
  auto Target = TDibSection::Make(60, 40);
  ASSERT_TRUE(Target);
  struct {
    bool Edit;
    int Shift;  // a client edge moves the children 2 pixels in
  } const Cases[] = {{false, 0}, {true, 2}};
  for (const auto& C : Cases) {
    TWinControl* Container = nullptr;
    if (C.Edit) {
      auto* Edit = Make<TsEdit>(*Form);
      Edit->SkinData().SetSkinSection("NOWHERE");
      Container = Edit;
    } else {
      auto* Panel = Make<TsPanel>(*Form);
      Panel->SkinData().SetSkinSection("NOWHERE");
      Container = Panel;
    }
    Container->SetBounds(0, 0, 50, 30);
    auto* Swatch = new TSwatch(Form, clBlue);
    Swatch->SetParent(Container);
    Swatch->SetBounds(10, 5, 8, 8);
    Target->Pixels().Fill(0x123456);
    const auto ColourAt = [&](int X, int Y) { return ReadPixel(Target->Pixels(), X, Y) & 0xFFFFFF; };
    SendMessageW(Container->Handle(), WM_PRINT, reinterpret_cast<WPARAM>(Target->DC()), PRF_CLIENT);
    EXPECT_EQ(ColourAt(10 + C.Shift, 5 + C.Shift), 0x0000FFu) << C.Edit;
    EXPECT_EQ(ColourAt(17 + C.Shift, 12 + C.Shift), 0x0000FFu) << C.Edit;
    EXPECT_EQ(ColourAt(9 + C.Shift, 5 + C.Shift), 0x123456u) << C.Edit;  // the print itself was consumed
    EXPECT_EQ(ColourAt(40, 20), 0x123456u) << C.Edit;
  }
}

TEST_F(CommonData, ForTheSakeOfMemoryAHiddenControlAndItsChildrenKeepNoPicture) {
  auto* Outer = Make<TsPanel>(*Form);
  auto* Inner = Make<TsPanel>(*Outer);
  for (TsPanel* Panel : {Outer, Inner}) {
    Panel->SetBounds(0, 0, 20, 20);
    Panel->SkinData().PrepareCacheBitmap();
    Panel->SkinData().BGChanged = false;
  }
  Outer->SetVisible(false);  // with the manager's opSpeed the pictures stay
  EXPECT_TRUE(Outer->SkinData().FCacheBmp.has_value());
  Outer->SetVisible(true);
  Manager->Options.OptimizingPriority = TacOptimizingPriority::opMemory;
  Outer->SetVisible(false);
  EXPECT_FALSE(Outer->SkinData().FCacheBmp.has_value());
  EXPECT_TRUE(Outer->SkinData().BGChanged);
  EXPECT_FALSE(Inner->SkinData().FCacheBmp.has_value());
  EXPECT_TRUE(Inner->SkinData().BGChanged);
  Outer->SkinData().FUpdating = true;
  Outer->SetVisible(true);
  EXPECT_FALSE(Outer->SkinData().FUpdating);
}

TEST_F(CommonData, ResizingAGradientTellsTheChildrenSeenThroughToRepaint) {
  auto* Shaded = Make<TsPanel>(*Form);
  auto* Plain = Make<TsPanel>(*Form);
  Shaded->SkinData().SetSkinSection("SHADED");
  auto* UnderShaded = Make<TsPanel>(*Shaded);
  auto* UnderPlain = Make<TsPanel>(*Plain);
  for (TsPanel* Panel : {UnderShaded, UnderPlain}) {
    Panel->SkinData().SetSkinSection("GLASS");
    Panel->SkinData().BGChanged = false;
  }
  Shaded->SetBounds(0, 0, 40, 30);
  Plain->SetBounds(0, 0, 40, 30);
  EXPECT_TRUE(Shaded->SkinData().BGChanged);
  EXPECT_TRUE(UnderShaded->SkinData().BGChanged);
  EXPECT_FALSE(UnderPlain->SkinData().BGChanged);
}

TEST_F(CommonData, ASkinnedControlKeepsUiStateChangesFromItsWindowProcedure) {
  // A panel that counts the changes reaching its own handling.
  class TCountingPanel : public TsPanel {
   public:
    using TsPanel::TsPanel;
    int Changes = 0;

   protected:
    void WndProc(TMessage& Message) override {
      if (Message.Msg == WM_UPDATEUISTATE) ++Changes;
      TsPanel::WndProc(Message);
    }
  };
  auto* Skinned = Make<TCountingPanel>(*Form);
  auto* Plain = Make<TCountingPanel>(*Form);
  Plain->SkinData().SetSkinSection("NOWHERE");
  for (TCountingPanel* Panel : {Skinned, Plain})
    SendMessageW(Panel->Handle(), WM_UPDATEUISTATE, MAKEWPARAM(UIS_SET, UISF_HIDEFOCUS), 0);
  EXPECT_EQ(Skinned->Changes, 0);
  EXPECT_EQ(Plain->Changes, 1);
}

TEST_F(CommonData, AChildAskingAHoveredEditForItsBackgroundGetsTheHotState) {
  auto* Edit = Make<TsEdit>(*Form);
  const auto Asked = [&] {
    BackgroundInfo Info;
    SendSkinCommand(Edit->Handle(), SKC_QUERY_BG_INFO, reinterpret_cast<LPARAM>(&Info));
    EXPECT_EQ(Info.Kind, bkColor);
    return Info.Color;
  };
  EXPECT_EQ(Asked(), 0x333333u);
  // Hover leaves an edit's own state normal, but not what its children see.
  SendSkinCommand(Edit->Handle(), SKC_MOUSE_ENTER, reinterpret_cast<LPARAM>(Manager));
  EXPECT_EQ(Edit->SkinData().HotState(), 0);
  EXPECT_EQ(Asked(), 0x00AA00u);
}

TEST_F(CommonData, EnteringAContainerTakesTheMouseFromItsGraphicChildrenButTheOneNamed) {
  auto* Button = Make<TsButton>(*Form);
  auto* Image = new TsImage(Form);
  Image->BeginLoading();
  Image->SetParent(Button);
  Image->Loaded();
  Image->SkinData().SetSkinSection("BUTTON");
  SendSkinCommandTo(Image, SKC_MOUSE_ENTER, reinterpret_cast<LPARAM>(Manager));
  ASSERT_TRUE(Image->SkinData().FMouseAbove);
  Button->Perform(CM_MOUSEENTER, 0, reinterpret_cast<LPARAM>(static_cast<TControl*>(Image)));
  EXPECT_TRUE(Image->SkinData().FMouseAbove);
  SendSkinCommand(Button->Handle(), SKC_MOUSE_LEAVE, reinterpret_cast<LPARAM>(Manager));
  SendSkinCommand(Button->Handle(), SKC_MOUSE_ENTER, reinterpret_cast<LPARAM>(Manager));
  EXPECT_FALSE(Image->SkinData().FMouseAbove);
  EXPECT_TRUE(Button->SkinData().FMouseAbove);
}

TEST_F(CommonData, ALeaveWhileTheCursorIsStillOverTheControlIsIgnored) {
  auto* Button = Make<TsButton>(*Form);
  Form->SetBounds(100, 100, 300, 200);
  Button->SetBounds(20, 20, 80, 30);
  Form->Show();
  POINT Centre{60, 35};
  ClientToScreen(Form->Handle(), &Centre);
  ASSERT_TRUE(SetCursorPos(Centre.x, Centre.y));
  SendSkinCommand(Button->Handle(), SKC_MOUSE_ENTER, reinterpret_cast<LPARAM>(Manager));
  SendSkinCommand(Button->Handle(), SKC_MOUSE_LEAVE, reinterpret_cast<LPARAM>(Manager));
  EXPECT_TRUE(Button->SkinData().FMouseAbove);
  POINT Outside{200, 150};
  ClientToScreen(Form->Handle(), &Outside);
  ASSERT_TRUE(SetCursorPos(Outside.x, Outside.y));
  SendSkinCommand(Button->Handle(), SKC_MOUSE_LEAVE, reinterpret_cast<LPARAM>(Manager));
  EXPECT_FALSE(Button->SkinData().FMouseAbove);
}

}  // namespace
