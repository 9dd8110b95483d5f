// Drives a running program from outside, as a user would: finds its windows, clicks with
// real mouse input, types with real keyboard input, reads texts with WM_GETTEXT, and looks
// at the process list. Used by the end-to-end tests and by the run command's demonstration.
#pragma once

#include <windows.h>

#include <chrono>
#include <functional>
#include <string>
#include <vector>

namespace probe {

using namespace std::chrono_literals;

// A started program; the handles are closed (not the program) when it goes.
class TLaunchedProgram {
 public:
  explicit TLaunchedProgram(const std::wstring& CommandLine);
  ~TLaunchedProgram();
  TLaunchedProgram(const TLaunchedProgram&) = delete;
  TLaunchedProgram& operator=(const TLaunchedProgram&) = delete;

  DWORD ProcessId() const { return FInfo.dwProcessId; }
  HANDLE Process() const { return FInfo.hProcess; }
  // True when the program ended within the timeout.
  bool WaitForExit(std::chrono::milliseconds Timeout) const;

 private:
  PROCESS_INFORMATION FInfo{};
};

// Polls Condition every Poll until it holds or the timeout passes.
bool WaitUntil(const std::function<bool()>& Condition, std::chrono::milliseconds Timeout,
               std::chrono::milliseconds Poll = 20ms);

// The visible top-level window with this exact caption (of any process when ProcessId is 0).
HWND FindTopWindow(DWORD ProcessId, const std::wstring& Caption);
// A visible top-level window of the process with a descendant whose text is exactly Text
// (a message box showing that text, say), or null.
HWND FindTopWindowShowing(DWORD ProcessId, const std::wstring& Text);
// The first descendant whose text is exactly Text, or null.
HWND FindChildByText(HWND Parent, const std::wstring& Text);
// The descendants that are edit controls, multi-line or single-line, in Z order.
std::vector<HWND> FindEdits(HWND Parent, bool MultiLine);

std::wstring ReadText(HWND Window);
// Moves the mouse to the window's centre and clicks the left button.
void Click(HWND Window);
// Clicks into the field, selects all and types Text as keyboard input.
void Type(HWND Field, const std::wstring& Text);

// The directory of this executable, with a trailing backslash.
std::wstring ExeDirectory();
// Process ids of running processes whose exe name matches (case-insensitive).
std::vector<DWORD> ProcessesNamed(const std::wstring& ExeName);

}  // namespace probe
