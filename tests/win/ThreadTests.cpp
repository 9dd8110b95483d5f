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
#include "tests/win/WinTestSupport.h"

namespace {

using namespace std::chrono_literals;


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

// A modal dialog of the system's own loop, which a worker's call must be able to end. Its own
// 20 s timer ends it otherwise, so that a call that is never served fails the test rather than
// hanging it.
struct TModalDialog {
  HWND Window = nullptr;
  bool EndedByTimer = false;

  void Run() {
    struct {
      DLGTEMPLATE Template;
      WORD Menu, Class, Title;
    } Empty{};
    Empty.Template.style = WS_POPUP | WS_CAPTION | WS_VISIBLE | DS_MODALFRAME;
    Empty.Template.cx = 100;
    Empty.Template.cy = 40;
    DialogBoxIndirectParamW(GetModuleHandleW(nullptr), &Empty.Template, nullptr, Proc,
                            reinterpret_cast<LPARAM>(this));
  }

  static INT_PTR CALLBACK Proc(HWND Window, UINT Msg, WPARAM, LPARAM LParam) {
    auto* Self = reinterpret_cast<TModalDialog*>(GetWindowLongPtrW(Window, DWLP_USER));
    if (Msg == WM_INITDIALOG) {
      SetWindowLongPtrW(Window, DWLP_USER, LParam);
      reinterpret_cast<TModalDialog*>(LParam)->Window = Window;
      SetTimer(Window, 1, 20000, nullptr);
      return TRUE;
    }
    if (Msg == WM_TIMER) {
      Self->EndedByTimer = true;
      EndDialog(Window, 0);
      return TRUE;
    }
    return FALSE;
  }
};

// A modal loop (a dialog's or a message box's) is the system's own; the worker's call must be
// served there. (A message box itself is not used: under Wine 8 on Xvfb, once one has been
// shown, the first user32 call of any thread started later ends the process with an X error.)
TEST(Synchronizer, IsServedInsideAModalLoop) {
  TSynchronizer Synchronizer;
  TModalDialog Dialog;
  bool Called = false;
  std::atomic<bool> WorkerDone{false};
  std::thread Worker([&] {
    Synchronizer.Synchronize([&] {
      Called = true;
      EndDialog(Dialog.Window, 1);
    });
    WorkerDone = true;
  });
  Dialog.Run();
  EXPECT_TRUE(Called);
  EXPECT_FALSE(Dialog.EndedByTimer);
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
