// TSynchronizer: runs a worker thread's call on the thread that created it (the main thread)
// and blocks the worker until the call has returned.
//
// The call travels as a message sent (SendMessageW) to a message-only window of the main
// thread. Windows delivers sent messages inside every message-retrieving call of the receiving
// thread, so every loop the main thread may be in serves them: the application's loop, a
// modal loop, a message box. Sent messages are also served ahead of posted ones, one at a
// time, in the order they arrive.
//
// The application object owns the process's main synchronizer; the thread class reaches it
// through SynchronizeMain. The state the workers see is shared, so a synchronizer may go while
// workers wait or call: from then on their calls return at once without running.
#pragma once

#include <windows.h>

#include <functional>
#include <memory>

#include "framework/Handles.h"

class TSynchronizer {
 public:
  // On the main thread; becomes the process's main synchronizer.
  TSynchronizer();
  // On the main thread. Calls under way are answered without running; later ones return at
  // once.
  ~TSynchronizer();
  TSynchronizer(const TSynchronizer&) = delete;
  TSynchronizer& operator=(const TSynchronizer&) = delete;

  // Runs Method on the main thread and returns when it has returned; on the main thread
  // itself a direct call. An exception thrown by Method is thrown again to the caller.
  void Synchronize(const std::function<void()>& Method);

  // Synchronize through the process's main synchronizer; without one, Method does not run.
  static void SynchronizeMain(const std::function<void()>& Method);

  struct TState;

 private:
  std::shared_ptr<TState> FState;
  TUniqueWindow FWindow;  // destroyed here, on the main thread, after FState stops using it
};

// A lock for short sections shared between threads. This toolchain's std::mutex (winpthreads)
// creates a kernel event the first time it is contended and keeps it while it lives, so a
// static one holds a handle for good; an SRW lock never holds one.
class TSlimLock {
 public:
  void lock() { AcquireSRWLockExclusive(&FLock); }
  void unlock() { ReleaseSRWLockExclusive(&FLock); }

 private:
  SRWLOCK FLock = SRWLOCK_INIT;
};

// Waits until Handle is signalled, serving the synchronizer's calls meanwhile (only sent
// messages, nothing posted), so a main thread that waits for a worker cannot deadlock with
// that worker's Synchronize.
void WaitServingSynchronize(HANDLE Handle);
