// TThread: a thread of its own running the body Execute, with a terminate request, a
// blocking hand-off to the main thread (Synchronize, through the main TSynchronizer) and
// optional self-deletion.
//
// Order of events once started: Execute runs on the new thread; when it has returned (an
// exception leaving it counts as a return), OnTerminate is called on the main thread; then
// a FreeOnTerminate object deletes itself, on its own thread. OnTerminate is read on the main
// thread only, so the creator may set it right after Start in the same main-thread handler.
#pragma once

#include <atomic>
#include <functional>

#include "framework/Handles.h"
#include "framework/core/Object.h"

class TThread : public TObject {
 public:
  // CreateSuspended false starts the thread here, before a derived constructor has run, so
  // the body may see a half-built object: a derived class passes true and calls Start at the
  // end of its own constructor.
  explicit TThread(bool CreateSuspended);
  // Not on a running thread's behalf from outside unless FreeOnTerminate is false: then it
  // asks the thread to terminate and waits for it.
  virtual ~TThread();

  // Starts the body once; later calls do nothing.
  void Start();
  void Terminate();
  bool Terminated() const;
  // Waits for the thread to end, serving Synchronize calls meanwhile. Not for a
  // FreeOnTerminate thread, which may be gone before the wait begins.
  void WaitFor();

  bool FreeOnTerminate = false;  // set before Start
  TNotifyEvent OnTerminate;      // main thread only

 protected:
  virtual void Execute() = 0;
  // Runs Method on the main thread and waits for it (see TSynchronizer).
  void Synchronize(const std::function<void()>& Method);

 private:
  TUniqueHandle FHandle;
  unsigned FThreadId = 0;
  std::atomic<bool> FTerminated{false};

  static unsigned __stdcall ThreadProc(void* Parameter);
};
