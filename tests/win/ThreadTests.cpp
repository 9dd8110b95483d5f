#include <windows.h>

#include <gtest/gtest.h>

#include <atomic>
#include <chrono>
#include <functional>
#include <stdexcept>
#include <string>
#include <thread>
#include <vector>

#include "framework/Synchronizer.h"
#include "framework/Thread.h"

namespace {

using namespace std::chrono_literals;

constexpr wchar_t BoxTitle[] = L"Synchronizer test box";

// Serves the main thread's messages until Done holds; false if the deadline passed first.
bool PumpUntil(const std::function<bool()>& Done, std::chrono::milliseconds Deadline = 20s) {
  const auto End = std::chrono::steady_clock::now() + Deadline;
  while (!Done()) {
    if (std::chrono::steady_clock::now() > End) return false;
    MSG Msg;
    while (PeekMessageW(&Msg, nullptr, 0, 0, PM_REMOVE)) {
      TranslateMessage(&Msg);
      DispatchMessageW(&Msg);
    }
    MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
  }
  return true;
}

// A thread whose body is a function, and that tells when its object goes.
class TTestThread : public TThread {
 public:
  TTestThread(std::function<void(TTestThread&)> Body, std::atomic<bool>* Destroyed = nullptr)
      : TThread(true), FBody(std::move(Body)), FDestroyed(Destroyed) {}
  ~TTestThread() override {
    if (FDestroyed) *FDestroyed = true;
  }
  using TThread::Synchronize;

 protected:
  void Execute() override { FBody(*this); }

 private:
  std::function<void(TTestThread&)> FBody;
  std::atomic<bool>* FDestroyed;
};

TEST(Synchronizer, RunsTheCallOnTheMainThreadAndReturnsAfterIt) {
  TSynchronizer Synchronizer;
  const DWORD MainThread = GetCurrentThreadId();
  DWORD CalledOn = 0;
  std::atomic<bool> Returned{false};
  bool CallHadFinishedWhenWorkerContinued = false;
  bool CallFinished = false;
  std::thread Worker([&] {
    Synchronizer.Synchronize([&] {
      CalledOn = GetCurrentThreadId();
      Sleep(50);  // the worker must still be waiting afterwards
      CallFinished = true;
    });
    CallHadFinishedWhenWorkerContinued = CallFinished;
    Returned = true;
  });
  EXPECT_TRUE(PumpUntil([&] { return Returned.load(); }));
  Worker.join();
  EXPECT_EQ(CalledOn, MainThread);
  EXPECT_TRUE(CallHadFinishedWhenWorkerContinued);
}

TEST(Synchronizer, OnTheMainThreadCallsDirectly) {
  TSynchronizer Synchronizer;
  int Calls = 0;
  Synchronizer.Synchronize([&] { ++Calls; });
  EXPECT_EQ(Calls, 1);
}

TEST(Synchronizer, HandsTheCallsExceptionToTheWorker) {
  TSynchronizer Synchronizer;
  std::atomic<bool> Done{false};
  std::string Caught;
  std::thread Worker([&] {
    try {
      Synchronizer.Synchronize([] { throw std::runtime_error("from the call"); });
    } catch (const std::runtime_error& Error) {
      Caught = Error.what();
    }
    Done = true;
  });
  EXPECT_TRUE(PumpUntil([&] { return Done.load(); }));
  Worker.join();
  EXPECT_EQ(Caught, "from the call");
}

// A message box runs its own loop; the worker's call must be served there, and it closes the
// box. A watchdog closes the box instead if the call never comes, so the test fails, not hangs.
TEST(Synchronizer, IsServedInsideAMessageBox) {
  TSynchronizer Synchronizer;
  const DWORD MainThread = GetCurrentThreadId();
  auto FindBox = [&] {
    HWND Box = nullptr;
    EnumThreadWindows(
        MainThread,
        [](HWND Window, LPARAM Found) {
          wchar_t Text[64] = {};
          GetWindowTextW(Window, Text, 64);
          if (std::wstring(Text) != BoxTitle) return TRUE;
          *reinterpret_cast<HWND*>(Found) = Window;
          return FALSE;
        },
        reinterpret_cast<LPARAM>(&Box));
    return Box;
  };
  std::atomic<bool> ClosedByCall{false};
  std::atomic<bool> WorkerDone{false};
  std::thread Worker([&] {
    while (!FindBox()) Sleep(10);
    Synchronizer.Synchronize([&] {
      ClosedByCall = true;
      EndDialog(FindBox(), IDOK);
    });
    WorkerDone = true;
  });
  std::atomic<bool> BoxGone{false};
  std::atomic<bool> ClosedByWatchdog{false};
  std::thread Watchdog([&] {
    const auto End = std::chrono::steady_clock::now() + 20s;
    while (!BoxGone && std::chrono::steady_clock::now() < End) Sleep(10);
    if (HWND Box = FindBox(); !BoxGone && Box) {
      ClosedByWatchdog = true;
      PostMessageW(Box, WM_COMMAND, IDOK, 0);
    }
  });
  MessageBoxW(nullptr, L"Waiting for a worker's call", BoxTitle, MB_OK);
  BoxGone = true;
  Watchdog.join();
  EXPECT_TRUE(ClosedByCall);
  EXPECT_FALSE(ClosedByWatchdog);
  EXPECT_TRUE(PumpUntil([&] { return WorkerDone.load(); }));
  Worker.join();
}

TEST(Synchronizer, AfterItHasGoneWorkersReturnWithoutTheCall) {
  auto Synchronizer = std::make_unique<TSynchronizer>();
  std::atomic<bool> Ran{false};
  std::atomic<bool> Calling{false};
  std::atomic<bool> Returned{false};
  std::thread Worker([&] {
    Calling = true;
    TSynchronizer::SynchronizeMain([&] { Ran = true; });
    Returned = true;
  });
  while (!Calling) Sleep(1);
  Sleep(50);  // most likely the worker now waits inside its call
  Synchronizer.reset();
  Worker.join();
  EXPECT_TRUE(Returned);
  EXPECT_FALSE(Ran);

  std::thread Late([&] { TSynchronizer::SynchronizeMain([&] { Ran = true; }); });
  Late.join();
  EXPECT_FALSE(Ran);
}

TEST(Thread, CallsOnTerminateOnTheMainThreadAfterTheBodyThenDeletesItself) {
  TSynchronizer Synchronizer;
  const DWORD MainThread = GetCurrentThreadId();
  std::vector<std::string> Events;  // main thread only, or the body before its hand-off
  std::atomic<bool> Destroyed{false};
  bool DestroyedBeforeOnTerminate = true;
  DWORD OnTerminateThread = 0;
  auto* Thread = new TTestThread(
      [&](TTestThread& Self) { Self.Synchronize([&] { Events.push_back("body"); }); }, &Destroyed);
  Thread->FreeOnTerminate = true;
  Thread->OnTerminate = [&](TObject*) {
    Events.push_back("terminate");
    OnTerminateThread = GetCurrentThreadId();
    DestroyedBeforeOnTerminate = Destroyed;
  };
  Thread->Start();
  EXPECT_TRUE(PumpUntil([&] { return Destroyed.load(); }));
  EXPECT_EQ(Events, (std::vector<std::string>{"body", "terminate"}));
  EXPECT_EQ(OnTerminateThread, MainThread);
  EXPECT_FALSE(DestroyedBeforeOnTerminate);
}

// WaitFor serves the body's calls: a main thread waiting for a worker that synchronizes
// does not deadlock. The body runs until asked to terminate.
TEST(Thread, TerminateEndsTheBodyAndWaitForServesItsCalls) {
  TSynchronizer Synchronizer;
  int CallsServed = 0;
  std::atomic<bool> Looping{false};
  TTestThread Thread([&](TTestThread& Self) {
    while (!Self.Terminated()) {
      Looping = true;
      Self.Synchronize([&] { ++CallsServed; });
      Sleep(1);
    }
  });
  EXPECT_FALSE(Thread.Terminated());
  Thread.Start();
  while (!Looping) Sleep(1);
  Thread.Terminate();
  EXPECT_TRUE(Thread.Terminated());
  Thread.WaitFor();
  EXPECT_GE(CallsServed, 1);
}

}  // namespace
