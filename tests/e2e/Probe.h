// Drives a running program from outside, as a user would: finds its windows, clicks with
// real mouse input, types with real keyboard input, reads texts with WM_GETTEXT, and looks
// at the process list. Used by the end-to-end tests and by the run command's demonstration.
#pragma once

#include <windows.h>

#include <chrono>
#include <cstddef>
#include <cstdint>
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

// The program's hidden application window (the one that takes the skin preview), found as
// the top-level window of the process of the class "QvUtilityWindow" that is not visible.
HWND FindApplicationWindow(DWORD ProcessId);
// Sends a skin preview block (WM_COPYDATA with wParam 7) to Window as a skin editor would:
// the 30,645-byte layout with Magic and the three texts (each cut to its field), of which
// Size bytes are sent (more are zeros). False when the send failed or timed out.
bool SendPreviewBlock(HWND Window, std::uint32_t Magic, const std::string& SkinName, const std::string& SkinDir,
                      const std::string& Data, std::size_t Size);
// The colour on screen at the point of Window's client area.
COLORREF ClientPixel(HWND Window, POINT Point);

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
