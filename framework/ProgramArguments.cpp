#include "framework/ProgramArguments.h"

#include <windows.h>

#include <cstdlib>

std::vector<std::wstring> ProgramArguments() {
  // The C runtime has already split the command line by the system's rules; asking the
  // shell (CommandLineToArgvW) would load shell32 at start, which costs Wine tens of ms.
  std::vector<std::wstring> Result;
  for (int I = 1; __wargv && I < __argc; ++I) Result.emplace_back(__wargv[I]);
  return Result;
}

std::wstring ProgramFilePath() {
  std::wstring Path(MAX_PATH, L'\0');
  for (;;) {
    const DWORD Length = GetModuleFileNameW(nullptr, Path.data(), static_cast<DWORD>(Path.size()));
    // A path that fills the buffer may have been cut: try again with more room.
    if (Length < Path.size()) {
      Path.resize(Length);
      return Path;
    }
    Path.resize(Path.size() * 2);
  }
}
