// qv_probe: the run command's hands and eyes on a running Quorvane window.
//   qv_probe click CAPTION TEXT     clicks the control showing TEXT in the window CAPTION
//   qv_probe output CAPTION         waits until the output pane has settled, prints its text
//   qv_probe geometry CAPTION       prints the window's screen rectangle as WxH+X+Y
//   qv_probe close CAPTION          closes the window and waits for its program to end
//   qv_probe preview CAPTION NAME DIR FILE
//                                   has the program of the window CAPTION preview the skin
//                                   NAME of the folder DIR, its description the text of FILE
#include "tests/e2e/Probe.h"

#include <cstdio>
#include <fstream>
#include <sstream>
#include <string>

#include "skin/store/PreviewBlock.h"

using namespace probe;

namespace {

HWND WaitForWindow(const std::wstring& Caption) {
  HWND Window = nullptr;
  WaitUntil([&] { return (Window = FindTopWindow(0, Caption)) != nullptr; }, 60s);
  return Window;
}

void PrintUtf8(const std::wstring& Text) {
  const int Size = WideCharToMultiByte(CP_UTF8, 0, Text.data(), static_cast<int>(Text.size()), nullptr, 0,
                                       nullptr, nullptr);
  std::string Utf8(static_cast<std::size_t>(Size), '\0');
  WideCharToMultiByte(CP_UTF8, 0, Text.data(), static_cast<int>(Text.size()), Utf8.data(), Size, nullptr,
                      nullptr);
  std::fwrite(Utf8.data(), 1, Utf8.size(), stdout);
  std::fputs("\n", stdout);
}

// The 8-bit text a skin editor writes: the system's ANSI code page.
std::string Ansi(const std::wstring& Text) {
  const int Size = WideCharToMultiByte(CP_ACP, 0, Text.data(), static_cast<int>(Text.size()), nullptr, 0, nullptr,
                                       nullptr);
  std::string Bytes(static_cast<std::size_t>(Size), '\0');
  WideCharToMultiByte(CP_ACP, 0, Text.data(), static_cast<int>(Text.size()), Bytes.data(), Size, nullptr, nullptr);
  return Bytes;
}

int Fail(const char* Message) {
  std::fprintf(stderr, "qv_probe: %s\n", Message);
  return 1;
}

}  // namespace

int wmain(int Argc, wchar_t** Argv) {
  if (Argc < 3) return Fail("usage: qv_probe click|output|geometry|close|preview CAPTION [ARGUMENTS]");
  const std::wstring Command = Argv[1];
  HWND Window = WaitForWindow(Argv[2]);
  if (!Window) return Fail("window not found");

  if (Command == L"click" && Argc == 4) {
    HWND Target = nullptr;
    WaitUntil([&] { return (Target = FindChildByText(Window, Argv[3])) != nullptr; }, 10s);
    if (!Target) return Fail("control not found");
    Click(Target);
    return 0;
  }
  if (Command == L"output") {
    const auto Panes = FindEdits(Window, true);
    if (Panes.empty()) return Fail("output pane not found");
    // Settled: some text, unchanged for a second.
    std::wstring Last;
    int StableTicks = 0;
    WaitUntil(
        [&] {
          const std::wstring Now = ReadText(Panes.front());
          StableTicks = (!Now.empty() && Now == Last) ? StableTicks + 1 : 0;
          Last = Now;
          return StableTicks >= 50;
        },
        60s);
    PrintUtf8(Last);
    return Last.empty() ? Fail("no output") : 0;
  }
  if (Command == L"geometry") {
    RECT Bounds{};
    GetWindowRect(Window, &Bounds);
    std::printf("%ldx%ld+%ld+%ld\n", Bounds.right - Bounds.left, Bounds.bottom - Bounds.top, Bounds.left, Bounds.top);
    return 0;
  }
  if (Command == L"close") {
    DWORD ProcessId = 0;
    GetWindowThreadProcessId(Window, &ProcessId);
    PostMessageW(Window, WM_CLOSE, 0, 0);
    HANDLE Process = OpenProcess(SYNCHRONIZE, FALSE, ProcessId);
    const bool Ended = Process && WaitForSingleObject(Process, 10000) == WAIT_OBJECT_0;
    if (Process) CloseHandle(Process);
    return Ended ? 0 : Fail("the program did not end");
  }
  if (Command == L"preview" && Argc == 6) {
    std::ifstream File(Argv[5], std::ios::binary);
    if (!File) return Fail("description file not found");
    std::ostringstream Data;
    Data << File.rdbuf();
    DWORD ProcessId = 0;
    GetWindowThreadProcessId(Window, &ProcessId);
    const HWND Target = FindApplicationWindow(ProcessId);
    if (!Target) return Fail("application window not found");
    return SendPreviewBlock(Target, PreviewMagic, Ansi(Argv[3]), Ansi(Argv[4]), Data.str(), PreviewBlockSize)
               ? 0
               : Fail("the preview block was not taken");
  }
  return Fail("unknown command");
}
