#include "framework/Thread.h"

#include <process.h>

#include "framework/Synchronizer.h"

TThread::TThread(bool CreateSuspended) {
  if (!CreateSuspended) Start();
}

TThread::~TThread() {
  if (FHandle && GetCurrentThreadId() != FThreadId) {
    Terminate();
    WaitFor();
  }
}

void TThread::Start() {
  if (FHandle) return;
  // _beginthreadex rather than CreateThread: the C runtime sets up its per-thread data.
  // Created suspended so that the handle and id are stored before a free-on-terminate body
  // can end and delete this object.
  FHandle.Reset(reinterpret_cast<HANDLE>(
      _beginthreadex(nullptr, 0, ThreadProc, this, CREATE_SUSPENDED, &FThreadId)));
  if (FHandle) ResumeThread(FHandle.Get());
}

void TThread::Terminate() { FTerminated = true; }

bool TThread::Terminated() const { return FTerminated; }

void TThread::WaitFor() {
  if (FHandle) WaitServingSynchronize(FHandle.Get());
}

void TThread::Synchronize(const std::function<void()>& Method) { TSynchronizer::SynchronizeMain(Method); }

unsigned __stdcall TThread::ThreadProc(void* Parameter) {
  auto* Self = static_cast<TThread*>(Parameter);
  try {
    Self->Execute();
  } catch (...) {
    // Nobody could receive it on this thread; the thread ends as if the body had returned.
  }
  try {
    Self->Synchronize([Self] {
      if (Self->OnTerminate) Self->OnTerminate(Self);
    });
  } catch (...) {
    // Thrown by OnTerminate and handed back here; the object still has to go.
  }
  if (Self->FreeOnTerminate) delete Self;
  return 0;
}
