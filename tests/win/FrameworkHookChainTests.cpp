// A control's message hooks on real windows: unhooking in any order, also while a message
// passes, the destruction messages on delete and on re-creation, and a foreign subclass
// installed over the framework's window procedure.
#include <gtest/gtest.h>
#include <windows.h>

#include <algorithm>
#include <optional>
#include <string>
#include <vector>

#include "framework/Button.h"
#include "framework/Form.h"
#include "framework/MessageHookChain.h"

namespace {

constexpr UINT Probe = WM_APP + 40;

// Hooks named by a letter; each writes "<letter><message>" into a shared log.
struct THookLog {
  std::vector<std::string> Entries;

  TMessageHook Hook(TControl& Control, char Name, UINT Wanted = Probe) {
    return Control.AddMessageHook([this, Name, Wanted](TMessage& Message, const TMessageHookChain::TNext& Next) {
      if (Message.Msg == Wanted) Entries.push_back(std::string(1, Name));
      Next(Message);
    });
  }
  int Count(const std::string& Entry) const {
    return static_cast<int>(std::count(Entries.begin(), Entries.end(), Entry));
  }
};

struct THookedButton {
  TForm Form{nullptr};
  TButton* Button = new TButton(&Form);
  THookedButton() {
    Button->SetParent(&Form);
    Button->SetCaption(L"Start");
  }
  HWND Window() { return Button->Handle(); }
};

TEST(MessageHookChainTest, RemovingTheMiddleHookKeepsTheOthersInOrder) {
  THookedButton Fixture;
  THookLog Log;
  TMessageHook A = Log.Hook(*Fixture.Button, 'A');
  TMessageHook B = Log.Hook(*Fixture.Button, 'B');
  TMessageHook C = Log.Hook(*Fixture.Button, 'C');
  SendMessageW(Fixture.Window(), Probe, 0, 0);
  EXPECT_EQ(Log.Entries, (std::vector<std::string>{"C", "B", "A"}));  // the last added first
  Log.Entries.clear();
  B.Reset();
  EXPECT_FALSE(B.Hooked());
  SendMessageW(Fixture.Window(), Probe, 0, 0);
  EXPECT_EQ(Log.Entries, (std::vector<std::string>{"C", "A"}));
  // The messages still reach the control's own handling behind the hooks.
  SetWindowTextW(Fixture.Window(), L"Through");
  EXPECT_EQ(Fixture.Button->Caption(), L"Through");
  Log.Entries.clear();
  C.Reset();
  SendMessageW(Fixture.Window(), Probe, 0, 0);
  EXPECT_EQ(Log.Entries, (std::vector<std::string>{"A"}));
}

TEST(MessageHookChainTest, AHookMayUnhookItselfOrTheNextOneWhileAMessagePasses) {
  THookedButton Fixture;
  THookLog Log;
  TMessageHook A = Log.Hook(*Fixture.Button, 'A');
  TMessageHook B = Log.Hook(*Fixture.Button, 'B');
  TMessageHook Self;
  Self = Fixture.Button->AddMessageHook([&](TMessage& Message, const TMessageHookChain::TNext& Next) {
    if (Message.Msg == Probe) {
      Log.Entries.push_back("S");
      Self.Reset();  // frees nothing this call still uses
    }
    Next(Message);
  });
  TMessageHook Remover = Fixture.Button->AddMessageHook([&](TMessage& Message, const TMessageHookChain::TNext& Next) {
    if (Message.Msg == Probe) {
      Log.Entries.push_back("R");
      B.Reset();  // before B's turn: B does not see this message
    }
    Next(Message);
  });
  EXPECT_EQ(SendMessageW(Fixture.Window(), Probe, 0, 0), 0);
  EXPECT_EQ(Log.Entries, (std::vector<std::string>{"R", "S", "A"}));
  Log.Entries.clear();
  SendMessageW(Fixture.Window(), Probe, 0, 0);
  EXPECT_EQ(Log.Entries, (std::vector<std::string>{"R", "A"}));
}

TEST(MessageHookChainTest, AHookThatUnhooksTheOneBeforeItStillPassesItsMessageOn) {
  THookedButton Fixture;
  THookLog Log;
  TMessageHook A = Log.Hook(*Fixture.Button, 'A');
  TMessageHook Remover;
  TMessageHook Before;
  Remover = Fixture.Button->AddMessageHook([&](TMessage& Message, const TMessageHookChain::TNext& Next) {
    if (Message.Msg == Probe) {
      Log.Entries.push_back("R");
      Before.Reset();  // it has already passed: the message goes on from here
    }
    Next(Message);
  });
  Before = Log.Hook(*Fixture.Button, 'F');
  SendMessageW(Fixture.Window(), Probe, 0, 0);
  SendMessageW(Fixture.Window(), Probe, 0, 0);
  EXPECT_EQ(Log.Entries, (std::vector<std::string>{"F", "R", "A", "R", "A"}));
}

TEST(MessageHookChainTest, EveryHookSeesTheDestructionMessagesOnceWhenTheControlIsDeleted) {
  THookedButton Fixture;
  THookLog Log;
  Fixture.Window();
  std::vector<TMessageHook> Hooks;
  for (const char Name : {'a', 'b', 'c'}) Hooks.push_back(Log.Hook(*Fixture.Button, Name, WM_DESTROY));
  for (const char Name : {'A', 'B', 'C'}) Hooks.push_back(Log.Hook(*Fixture.Button, Name, WM_NCDESTROY));
  delete Fixture.Button;
  EXPECT_EQ(Log.Entries, (std::vector<std::string>{"c", "b", "a", "C", "B", "A"}));
  // The chain went with the control; its hooks let go of nothing twice.
  for (const TMessageHook& Hook : Hooks) EXPECT_FALSE(Hook.Hooked());
}

TEST(MessageHookChainTest, RecreatingTheWindowPassesItsEndAndItsNewStartThroughTheHooks) {
  THookedButton Fixture;
  THookLog Log;
  const HWND Old = Fixture.Window();
  const TMessageHook End = Log.Hook(*Fixture.Button, 'E', WM_NCDESTROY);
  const TMessageHook Start = Log.Hook(*Fixture.Button, 'S', WM_NCCREATE);
  Fixture.Button->RecreateWnd();
  EXPECT_EQ(Log.Entries, (std::vector<std::string>{"E", "S"}));
  EXPECT_FALSE(IsWindow(Old));
  EXPECT_EQ(Fixture.Button->Caption(), L"Start");
}

// A subclass of another party's, installed with SetWindowLongPtrW over the framework's
// window procedure; finds its state through a window property.
struct TForeignSubclass {
  WNDPROC Previous = nullptr;
  std::vector<UINT> Seen;
  std::optional<LONG_PTR> ProcedureAtDestroy;

  static LRESULT CALLBACK Procedure(HWND Window, UINT Msg, WPARAM WParam, LPARAM LParam) {
    auto* Self = static_cast<TForeignSubclass*>(GetPropW(Window, L"QvTestForeign"));
    Self->Seen.push_back(Msg);
    const WNDPROC Previous = Self->Previous;
    if (Msg == WM_NCDESTROY) RemovePropW(Window, L"QvTestForeign");
    return CallWindowProcW(Previous, Window, Msg, WParam, LParam);
  }
  void Install(HWND Window) {
    SetPropW(Window, L"QvTestForeign", this);
    Previous = reinterpret_cast<WNDPROC>(
        SetWindowLongPtrW(Window, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&Procedure)));
  }
  int Count(UINT Msg) const { return static_cast<int>(std::count(Seen.begin(), Seen.end(), Msg)); }
};

TEST(MessageHookChainTest, AForeignSubclassOverOursStaysInPlaceToTheWindowsEnd) {
  for (const bool Delete : {true, false}) {
    THookedButton Fixture;
    const HWND Window = Fixture.Window();
    TForeignSubclass Foreign;
    Foreign.Install(Window);
    THookLog Log;
    const TMessageHook Ours = Log.Hook(*Fixture.Button, 'N', WM_NCDESTROY);
    const TMessageHook AtDestroy =
        Fixture.Button->AddMessageHook([&](TMessage& Message, const TMessageHookChain::TNext& Next) {
          if (Message.Msg == WM_DESTROY) Foreign.ProcedureAtDestroy = GetWindowLongPtrW(Window, GWLP_WNDPROC);
          Next(Message);
        });
    // The foreign procedure passes messages on to ours.
    SetWindowTextW(Window, L"Foreign");
    EXPECT_EQ(Fixture.Button->Caption(), L"Foreign");
    if (Delete) {
      delete Fixture.Button;
    } else {
      Fixture.Button->RecreateWnd();
    }
    EXPECT_FALSE(IsWindow(Window));
    EXPECT_EQ(Foreign.ProcedureAtDestroy, reinterpret_cast<LONG_PTR>(&TForeignSubclass::Procedure)) << Delete;
    EXPECT_EQ(Foreign.Count(WM_DESTROY), 1) << Delete;
    EXPECT_EQ(Foreign.Count(WM_NCDESTROY), 1) << Delete;
    EXPECT_EQ(Log.Count("N"), 1) << Delete;
    if (!Delete) {
      // The new window is the framework's alone and works as before.
      SetWindowTextW(Fixture.Window(), L"Again");
      EXPECT_EQ(Fixture.Button->Caption(), L"Again");
      EXPECT_EQ(Foreign.Count(WM_SETTEXT), 1);
    }
  }
}

}  // namespace
