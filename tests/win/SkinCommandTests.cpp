// The skin command protocol with real windows: delivery, the broadcasts' order and reach,
// and skin commands that did not come from us.
#include <gtest/gtest.h>
#include <windows.h>

#include <string>
#include <thread>
#include <vector>

#include "framework/Application.h"
#include "framework/Form.h"
#include "framework/GraphicControl.h"
#include "framework/Panel.h"
#include "skin/store/win32/SkinCommands.h"
#include "tests/win/WinTestSupport.h"

namespace {

// Who got which skin command, in order; a receiver takes only our own.
struct TLog {
  std::vector<std::wstring> Names;
  std::vector<int> Codes;
  std::vector<bool> Accepted;

  // The receivers of Code, in order.
  std::vector<std::wstring> Of(int Code) const {
    std::vector<std::wstring> Result;
    for (std::size_t I = 0; I < Names.size(); ++I)
      if (Codes[I] == Code) Result.push_back(Names[I]);
    return Result;
  }
};

template <class TBase>
class TRecording : public TBase {
 public:
  TRecording(TComponent* AOwner, TLog& Log, const wchar_t* Name) : TBase(AOwner), FLog(Log) {
    this->SetName(Name);
  }
  std::function<void()> OnSkinCommand;
  LRESULT Reply = 0;

 protected:
  void WndProc(TMessage& Message) override {
    if (Message.Msg == WM_SKINCOMMAND) {
      HWND Self = nullptr;
      if constexpr (std::is_base_of_v<TWinControl, TBase>) Self = this->HandleAllocated() ? this->Handle() : nullptr;
      const bool Own = IsOwnSkinCommand(Self, Message);
      FLog.Names.push_back(this->Name());
      FLog.Codes.push_back(SkinCommandCode(Message.WParam));
      FLog.Accepted.push_back(Own);
      Message.Result = Own ? Reply : 0;
      if (Own && OnSkinCommand) OnSkinCommand();
      return;
    }
    TBase::WndProc(Message);
  }

 private:
  TLog& FLog;
};

using TRecordingForm = TRecording<TForm>;
using TRecordingPanel = TRecording<TPanel>;
using TRecordingGraphic = TRecording<TGraphicControl>;

template <class T>
T* Child(TWinControl& Parent, TLog& Log, const wchar_t* Name) {
  auto* Control = new T(&Parent, Log, Name);
  Control->SetParent(&Parent);
  return Control;
}

TEST(SkinCommandTest, CodeAndArgumentArePackedIntoWParam) {
  EXPECT_EQ(SkinCommandWParam(SKC_REPAINT_IF_MOVED, 1), static_cast<WPARAM>(0x00140001));
  EXPECT_EQ(SkinCommandCode(0x00140001), 20);
  EXPECT_EQ(SkinCommandArgument(0x00140001), 1);
  // The code is read as a signed 16-bit value.
  EXPECT_EQ(SkinCommandCode(0xFFFF0000), -1);
}

TEST(SkinCommandTest, OurOwnSendIsTakenAndItsReplyComesBack) {
  TLog Log;
  TRecordingForm Form(nullptr, Log, L"Form");
  Form.Reply = 1;
  EXPECT_EQ(SendSkinCommand(Form.Handle(), SKC_QUERY_SKINNED, 0), 1);
  EXPECT_TRUE(AskSkinCommand(Form.Handle(), SKC_QUERY_SKINNED));
  Form.Reply = 2;  // only exactly 1 is a yes
  EXPECT_FALSE(AskSkinCommand(Form.Handle(), SKC_QUERY_SKINNED));
  EXPECT_EQ(Log.Accepted, (std::vector<bool>{true, true, true}));
}

TEST(SkinCommandTest, ASkinStateWithAWindowProcTakesTheCommandStraight) {
  TLog Log;
  TRecordingForm Form(nullptr, Log, L"Form");
  struct TState : TSkinState {
  } State;
  TMessage Seen;
  State.WndProc = [&Seen](TMessage& Message) {
    Seen = Message;
    Message.Result = 77;
  };
  SetPropW(Form.Handle(), SkinStateProperty, &State);
  EXPECT_EQ(SendSkinCommand(Form.Handle(), SKC_QUERY_BG_COLOR, 5), 77);
  EXPECT_EQ(Seen.Msg, WM_SKINCOMMAND);
  EXPECT_EQ(Seen.WParam, SkinCommandWParam(SKC_QUERY_BG_COLOR));
  EXPECT_EQ(Seen.LParam, 5);
  EXPECT_TRUE(Log.Names.empty());  // never through the window system
  EXPECT_TRUE(IsSkinnedWindow(Form.Handle()));
  RemovePropW(Form.Handle(), SkinStateProperty);
  EXPECT_FALSE(IsSkinnedWindow(Form.Handle()));  // and the form does not answer 1 now
}

TEST(SkinCommandTest, CommandsFromAnotherThreadOrPostedAreRefused) {
  TLog Log;
  TRecordingForm Form(nullptr, Log, L"Form");
  Form.Reply = 1;
  const HWND Window = Form.Handle();
  LRESULT ForeignReply = -5;
  std::thread Foreign([&] {
    ForeignReply = SendMessageW(Window, WM_SKINCOMMAND, SkinCommandWParam(SKC_QUERY_SKINNED), 0);
  });
  ASSERT_TRUE(PumpUntil([&] { return !Log.Names.empty(); }));
  Foreign.join();
  EXPECT_EQ(ForeignReply, 0);
  // Posted with the very values of a send of ours: still not ours.
  PostMessageW(Window, WM_SKINCOMMAND, SkinCommandWParam(SKC_SET_SECTION), 0x1234);
  // The posted codes that carry nothing pass.
  PostMessageW(Window, WM_SKINCOMMAND, SkinCommandWParam(SKC_APPLY_PREVIEW), 0);
  PostMessageW(Window, WM_SKINCOMMAND, SkinCommandWParam(SKC_APPLY_PREVIEW), 99);
  ASSERT_TRUE(PumpUntil([&] { return Log.Names.size() == 4; }));
  EXPECT_EQ(Log.Accepted, (std::vector<bool>{false, false, true, false}));
}

TEST(SkinCommandTest, ASendNestedInAReceiverIsTakenAndTheOuterOneAfterIt) {
  TLog Log;
  TRecordingForm Outer(nullptr, Log, L"Outer");
  TRecordingForm Inner(nullptr, Log, L"Inner");
  const HWND InnerWindow = Inner.Handle();
  Outer.OnSkinCommand = [&] {
    if (Log.Names.size() == 1) SendSkinCommand(InnerWindow, SKC_INVALIDATE, 0);
  };
  SendSkinCommand(Outer.Handle(), SKC_INVALIDATE, 0);
  EXPECT_EQ(Log.Names, (std::vector<std::wstring>{L"Outer", L"Inner"}));
  EXPECT_EQ(Log.Accepted, (std::vector<bool>{true, true}));
}

TEST(SkinCommandTest, SendSkinCommandToReachesGraphicControlsDirectlyAndSkipsWindowlessOnes) {
  TLog Log;
  TRecordingForm Form(nullptr, Log, L"Form");
  auto* Graphic = Child<TRecordingGraphic>(Form, Log, L"Graphic");
  auto* Panel = Child<TRecordingPanel>(Form, Log, L"Panel");
  Graphic->Reply = 3;
  EXPECT_EQ(SendSkinCommandTo(Graphic, SKC_QUERY_SCALE, 0), 3);
  EXPECT_EQ(SendSkinCommandTo(Panel, SKC_QUERY_SCALE, 0), 0);  // no window yet: nothing
  EXPECT_EQ(Log.Names, (std::vector<std::wstring>{L"Graphic"}));
  EXPECT_EQ(Log.Accepted, (std::vector<bool>{true}));
}

TEST(SkinCommandTest, BroadcastToChildrenGoesInOrderAndDescendsIntoUnskinnedWindows) {
  TLog Log;
  TRecordingForm Form(nullptr, Log, L"Form");
  auto* Outer = Child<TRecordingPanel>(Form, Log, L"Outer");
  Child<TRecordingGraphic>(*Outer, Log, L"OuterLabel");
  auto* Skinned = Child<TRecordingPanel>(*Outer, Log, L"Skinned");
  Child<TRecordingGraphic>(*Skinned, Log, L"Hidden");
  Child<TRecordingGraphic>(Form, Log, L"Last");
  Form.Handle();
  Outer->Handle();
  Skinned->Handle();
  // A skinned window forwards to its children itself: the broadcast does not enter it.
  SetPropW(Skinned->Handle(), SkinSubclassProperty, reinterpret_cast<HANDLE>(1));
  BroadcastToChildren(&Form, SkinCommandMessage(SKC_SKIN_LOADED));
  RemovePropW(Skinned->Handle(), SkinSubclassProperty);
  EXPECT_EQ(Log.Of(SKC_SKIN_LOADED), (std::vector<std::wstring>{L"Outer", L"OuterLabel", L"Skinned", L"Last"}));
  // Outer was asked whether it is skinned (it is not, so the broadcast entered it).
  EXPECT_EQ(Log.Of(SKC_QUERY_SKINNED), (std::vector<std::wstring>{L"Outer"}));
  EXPECT_EQ(Log.Accepted, std::vector<bool>(5, true));
}

TEST(SkinCommandTest, BroadcastToChildWindowsReachesOnlyDirectChildren) {
  TLog Log;
  TRecordingForm Form(nullptr, Log, L"Form");
  auto* First = Child<TRecordingPanel>(Form, Log, L"First");
  Child<TRecordingPanel>(*First, Log, L"Grandchild");
  Child<TRecordingPanel>(Form, Log, L"Second");
  Form.Handle();
  for (TControl* C : Form.Controls()) static_cast<TWinControl*>(C)->Handle();
  static_cast<TWinControl*>(First->Controls()[0])->Handle();
  BroadcastToChildWindows(Form.Handle(), SkinCommandMessage(SKC_INVALIDATE));
  std::sort(Log.Names.begin(), Log.Names.end());
  EXPECT_EQ(Log.Names, (std::vector<std::wstring>{L"First", L"Second"}));
}

TEST(SkinCommandTest, BroadcastToFormsVisitsFormsLastFirstThenSkinnedFormsThenHookedWindows) {
  TApplication App;
  TLog Log;
  auto* A = new TRecordingForm(&App, Log, L"A");
  auto* B = new TRecordingForm(&App, Log, L"B");
  Child<TRecordingGraphic>(*B, Log, L"BLabel");
  auto* Registered = new TRecordingForm(&App, Log, L"Registered");
  Registered->Reply = 1;  // a skinned window: left out of the first walk
  TLog HookedLog;
  TRecordingForm Hooked(nullptr, HookedLog, L"Hooked");
  TRecordingForm HiddenHooked(nullptr, HookedLog, L"HiddenHooked");
  ShowWindow(Hooked.Handle(), SW_SHOWNA);
  A->Handle();
  B->Handle();
  Registered->Handle();
  {
    const TSkinnedFormRegistration Registration(Registered);
    BroadcastToForms(SkinCommandMessage(SKC_REPAINT), {Hooked.Handle(), HiddenHooked.Handle()});
  }
  // Registered says it is skinned: the first walk leaves it to the second.
  EXPECT_EQ(Log.Of(SKC_REPAINT), (std::vector<std::wstring>{L"B", L"BLabel", L"A", L"Registered"}));
  EXPECT_EQ(Log.Of(SKC_QUERY_SKINNED), (std::vector<std::wstring>{L"Registered", L"B", L"A"}));
  EXPECT_EQ(HookedLog.Names, (std::vector<std::wstring>{L"Hooked"}));
}

TEST(SkinCommandTest, AFormClosedDuringBroadcastToFormsIsNotVisitedTwiceAndTheWalkGoesOn) {
  TApplication App;
  TLog Log;
  auto* First = new TRecordingForm(&App, Log, L"First");
  auto* Doomed = new TRecordingForm(&App, Log, L"Doomed");
  auto* Third = new TRecordingForm(&App, Log, L"Third");
  auto* Last = new TRecordingForm(&App, Log, L"Last");
  for (TRecordingForm* F : {First, Doomed, Third, Last}) F->Handle();
  // Closing a form below the walk's position moves the visited ones down by one.
  Third->OnSkinCommand = [&] {
    if (Doomed) {
      delete Doomed;
      Doomed = nullptr;
    }
  };
  BroadcastToForms(SkinCommandMessage(SKC_REPAINT), {});
  EXPECT_EQ(Log.Of(SKC_REPAINT), (std::vector<std::wstring>{L"Last", L"Third", L"First"}));
}

}  // namespace
