// What a window procedure does with an exception that a message handler let out: it must
// not unwind through the system's message dispatch, so it ends there and its text goes to
// the thread's error reporter. One report at a time: while a report is open (its message box
// runs a modal loop, where a timer that keeps throwing would open box after box), further
// exceptions on the thread are dropped.
#pragma once

#include <functional>
#include <string>

using TErrorReporter = std::function<void(const std::wstring& Text)>;

// Makes Reporter this thread's error reporter while it lives (the application puts its error
// box here); without one, an error box owned by the active window shows the text.
class TErrorReporterScope {
 public:
  explicit TErrorReporterScope(TErrorReporter Reporter);
  TErrorReporterScope(const TErrorReporterScope&) = delete;
  TErrorReporterScope& operator=(const TErrorReporterScope&) = delete;
  ~TErrorReporterScope();

 private:
  friend void ReportCurrentException() noexcept;
  TErrorReporter FReporter;
  TErrorReporterScope* FPrevious;
};

// Reports the exception being handled; call it from a catch block. Never throws.
void ReportCurrentException() noexcept;

