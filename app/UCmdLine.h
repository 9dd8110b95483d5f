// TCmdThread: runs one command line as a hidden console child process and hands the child's
// standard output, chunk by chunk (at most 2000 bytes each, as one read returned them), to
// the main thread through FOnCmdLine.
//
// A runner owns itself: the constructor starts it and it deletes itself when its work has
// ended. How the creator (the main window) keeps a reference safely: it constructs the runner
// and sets FOnCmdLine and OnTerminate in the same main-thread handler; OnTerminate runs on the
// main thread after the runner's work has ended and just before it deletes itself, and the
// window clears its reference there. A reference that is still set therefore names a live
// runner, and Stop through it is safe.
//
// Every runner keeps its child in a job object that ends the child, and anything the child
// started, when Stop is called or when the job's handle closes (the runner's end, or the
// program's).
#pragma once

#include <atomic>
#include <string>

#include "framework/Handles.h"
#include "framework/Thread.h"

class TCmdThread : public TThread {
 public:
  TNotifyEvent FOnCmdLine;         // main thread; called once per chunk with the runner as sender
  std::wstring FCmdLine;           // the command line, the runner's own copy
  std::wstring FOutCmdLine;        // the chunk being delivered; valid during FOnCmdLine only
  std::atomic<bool> FStoped{false};

  // On the main thread. The runner is at work when this returns.
  explicit TCmdThread(const std::wstring& CmdLine);

  // On the main thread, during a delivery: calls FOnCmdLine if it is set.
  virtual void DoOnCmdLine();
  // On the main thread. Ends the child and what it started; the read under way returns and
  // at most its chunk is still delivered. Returns at once.
  virtual void Stop();

 protected:
  void Execute() override;

 private:
  TUniqueHandle FJob;  // kill-on-close
};
