#include "framework/WindowProcErrors.h"

#include <windows.h>

#include <exception>
#include <utility>

#include "framework/TextConversion.h"

namespace {

// The innermost reporter scope of this thread, and whether a report is open.
thread_local TErrorReporterScope* CurrentReporter = nullptr;
thread_local bool Reporting = false;

std::wstring CurrentExceptionText() {
  try {
    throw;
  } catch (const std::exception& Error) {
    return WideFromUtf8(Error.what());
  } catch (...) {
    return L"Unknown error";
  }
}

}  // namespace

TErrorReporterScope::TErrorReporterScope(TErrorReporter Reporter)
    : FReporter(std::move(Reporter)), FPrevious(std::exchange(CurrentReporter, this)) {}

TErrorReporterScope::~TErrorReporterScope() { CurrentReporter = FPrevious; }

void ReportCurrentException() noexcept {
  if (Reporting) return;
  Reporting = true;
  try {
    const std::wstring Text = CurrentExceptionText();
    if (CurrentReporter && CurrentReporter->FReporter) {
      CurrentReporter->FReporter(Text);
    } else {
      MessageBoxW(GetActiveWindow(), Text.c_str(), L"Error", MB_OK | MB_ICONERROR);
    }
  } catch (...) {
    // A reporter that fails has nowhere to report to.
  }
  Reporting = false;
}
