#include "framework/WindowProcErrors.h"

#include <windows.h>

#include <exception>
#include <utility>

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

std::wstring WideFromUtf8(std::string_view Text) {
  if (Text.empty()) return {};
  const int Size = static_cast<int>(Text.size());
  const int Length = MultiByteToWideChar(CP_UTF8, 0, Text.data(), Size, nullptr, 0);
  if (Length <= 0) return {};
  std::wstring Result(static_cast<std::size_t>(Length), L'\0');
  MultiByteToWideChar(CP_UTF8, 0, Text.data(), Size, Result.data(), Length);
  return Result;
}
