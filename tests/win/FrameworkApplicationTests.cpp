// The application object: message loop, application window hooks, timers, message boxes.
#include <gtest/gtest.h>
#include <windows.h>

#include <atomic>
#include <chrono>
#include <string>
#include <thread>

#include "framework/Application.h"
#include "framework/Dialogs.h"
#include "framework/Form.h"
#include "framework/Timer.h"
#include "tests/win/WinTestSupport.h"

namespace {

using namespace std::chrono_literals;

// Runs ProcessMessages until Done holds or a generous deadline passes (a bound, not a timing
// assertion: the checks that follow say what must have happened).
template <class TDone>
void ProcessUntil(TApplication& App, TDone Done) {
  const auto End = std::chrono::steady_clock::now() + 20s;
  while (!Done() && std::chrono::steady_clock::now() < End) {
    App.ProcessMessages();
    MsgWaitForMultipleObjects(0, nullptr, FALSE, 5, QS_ALLINPUT);
  }
}

TEST(ApplicationTest, ApplicationPointsAtTheLivingApplication) {
  EXPECT_EQ(Application, nullptr);
  {
    TApplication App;
    EXPECT_EQ(Application, &App);
    EXPECT_TRUE(IsWindow(App.Handle()));
    EXPECT_FALSE(IsWindowVisible(App.Handle()));
  }
  EXPECT_EQ(Application, nullptr);
}

TEST(ApplicationTest, HooksSeeTheApplicationWindowsMessagesFirst) {
  TApplication App;
  std::vector<int> Order;
  const THookId First = App.HookMainWindow([&Order](TMessage& Message) {
    if (Message.Msg != WM_APP + 3) return false;
    Order.push_back(1);
    return false;  // not handled: the next hook sees it
  });
  const THookId Second = App.HookMainWindow([&Order](TMessage& Message) {
    if (Message.Msg != WM_APP + 3) return false;
    Order.push_back(2);
    Message.Result = 42;
    return true;
  });
  EXPECT_EQ(SendMessageW(App.Handle(), WM_APP + 3, 0, 0), 42);
  EXPECT_EQ(Order, (std::vector<int>{1, 2}));
  App.UnhookMainWindow(Second);
  EXPECT_EQ(SendMessageW(App.Handle(), WM_APP + 3, 0, 0), 0);
  App.UnhookMainWindow(First);
  EXPECT_EQ(Order, (std::vector<int>{1, 2, 1}));
}

TEST(ApplicationTest, AHookMayUnhookItselfWhileItRuns) {
  TApplication App;
  int Calls = 0;
  THookId Id = 0;
  Id = App.HookMainWindow([&](TMessage& Message) {
    if (Message.Msg == WM_APP + 4) {
      ++Calls;
      App.UnhookMainWindow(Id);
    }
    return false;
  });
  SendMessageW(App.Handle(), WM_APP + 4, 0, 0);
  SendMessageW(App.Handle(), WM_APP + 4, 0, 0);
  EXPECT_EQ(Calls, 1);
}

TEST(ApplicationTest, ClosingTheMainFormEndsRun) {
  TApplication App;
  TForm* Main = App.CreateForm<TForm>();
  TForm* Other = App.CreateForm<TForm>();
  Other->Show();
  // Closing another form does not end the loop; closing the main one does.
  PostMessageW(Other->Handle(), WM_CLOSE, 0, 0);
  PostMessageW(Main->Handle(), WM_CLOSE, 0, 0);
  App.Run();
  EXPECT_TRUE(App.Terminated());
  EXPECT_FALSE(Main->Visible());
  EXPECT_FALSE(Other->Visible());
  EXPECT_FALSE(IsWindowVisible(Main->Handle()));
}

TEST(ApplicationTest, ClosingAnotherFormOnlyHidesIt) {
  TApplication App;
  App.CreateForm<TForm>();
  TForm* Other = App.CreateForm<TForm>();
  Other->Show();
  SendMessageW(Other->Handle(), WM_CLOSE, 0, 0);
  App.ProcessMessages();
  EXPECT_FALSE(App.Terminated());
  EXPECT_FALSE(IsWindowVisible(Other->Handle()));
  EXPECT_TRUE(IsWindow(Other->Handle()));
}

TEST(TimerTest, TicksWhileMessagesAreProcessed) {
  TApplication App;
  TTimer Timer(nullptr);
  int Ticks = 0;
  Timer.SetInterval(12);
  Timer.SetOnTimer([&Ticks, &Timer](TObject* Sender) {
    EXPECT_EQ(Sender, &Timer);
    ++Ticks;
  });
  ProcessUntil(App, [&Ticks] { return Ticks >= 5; });
  EXPECT_GE(Ticks, 5);
  Timer.SetEnabled(false);
  const int Stopped = Ticks;
  const auto End = std::chrono::steady_clock::now() + 100ms;
  while (std::chrono::steady_clock::now() < End) App.ProcessMessages();
  EXPECT_EQ(Ticks, Stopped);
}

TEST(TimerTest, ALoadingTimerWaitsForLoaded) {
  TApplication App;
  TTimer Timer(nullptr);
  int Ticks = 0;
  Timer.BeginLoading();
  Timer.SetInterval(12);
  Timer.SetOnTimer([&Ticks](TObject*) { ++Ticks; });
  const auto End = std::chrono::steady_clock::now() + 100ms;
  while (std::chrono::steady_clock::now() < End) App.ProcessMessages();
  EXPECT_EQ(Ticks, 0);
  Timer.Loaded();
  ProcessUntil(App, [&Ticks] { return Ticks >= 1; });
  EXPECT_GE(Ticks, 1);
}

TEST(MessageBoxTest, BoxesAreOwnedByTheActiveFormOrTheApplicationWindow) {
  TApplication App;
  const DWORD UiThread = GetCurrentThreadId();
  struct TCase {
    void (*Show)(const std::wstring&);
    const wchar_t* Caption;
    const wchar_t* Icon;
  };
  for (const TCase& Case : {TCase{ShowMessage, nullptr, nullptr}, TCase{ErrorBox, L"Error", IDI_ERROR},
                            TCase{WarningBox, L"Warning", IDI_WARNING}}) {
    SetActiveWindow(nullptr);
    TSeenBox Seen;
    std::thread Watcher([&Seen, UiThread] { Seen = WatchForBox(UiThread); });
    Case.Show(L"Loaded data is not valid");
    Watcher.join();
    EXPECT_EQ(Seen.Text, L"Loaded data is not valid");
    EXPECT_EQ(Seen.Caption, Case.Caption ? std::wstring(Case.Caption) : App.Title());
    EXPECT_EQ(Seen.Icon, Case.Icon ? LoadIconW(nullptr, Case.Icon) : nullptr);
    EXPECT_EQ(Seen.Owner, App.Handle());
  }
  TForm* Main = App.CreateForm<TForm>();
  Main->Show();
  SetActiveWindow(Main->Handle());
  ASSERT_EQ(GetActiveWindow(), Main->Handle());
  TSeenBox Seen;
  std::thread Watcher([&Seen, UiThread] { Seen = WatchForBox(UiThread); });
  ErrorBox(L"owned by the form");
  Watcher.join();
  EXPECT_EQ(Seen.Owner, Main->Handle());
}

}  // namespace
