#include "framework/ProgramArguments.h"

#include <windows.h>
#include <shellapi.h>

#include <memory>

namespace {

struct TLocalFree {
  void operator()(wchar_t** Arguments) const { LocalFree(Arguments); }
};

}  // namespace

std::vector<std::wstring> ProgramArguments() {
  int Count = 0;
  const std::unique_ptr<wchar_t*, TLocalFree> Arguments(CommandLineToArgvW(GetCommandLineW(), &Count));
  std::vector<std::wstring> Result;
  for (int I = 1; Arguments && I < Count; ++I) Result.emplace_back(Arguments.get()[I]);
  return Result;
}
