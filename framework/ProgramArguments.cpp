#include "framework/ProgramArguments.h"

#include <cstdlib>

std::vector<std::wstring> ProgramArguments() {
  // The C runtime has already split the command line by the system's rules; asking the
  // shell (CommandLineToArgvW) would load shell32 at start, which costs Wine tens of ms.
  std::vector<std::wstring> Result;
  for (int I = 1; __wargv && I < __argc; ++I) Result.emplace_back(__wargv[I]);
  return Result;
}
