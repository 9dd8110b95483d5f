#include "tests/e2e/Probe.h"

#include <tlhelp32.h>

#include <algorithm>
#include <stdexcept>
#include <thread>

#include "skin/store/PreviewBlock.h"

namespace probe {

TLaunchedProgram::TLaunchedProgram(const std::wstring& CommandLine) {
  STARTUPINFOW Startup{};
  Startup.cb = sizeof(Startup);
  std::wstring Line = CommandLine;  // CreateProcessW may write into it
  if (!CreateProcessW(nullptr, Line.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &Startup,
                      &FInfo))
    throw std::runtime_error("cannot start the program, error " + std::to_string(GetLastError()));
}

TLaunchedProgram::~TLaunchedProgram() {
  CloseHandle(FInfo.hThread);
  CloseHandle(FInfo.hProcess);
}

bool TLaunchedProgram::WaitForExit(std::chrono::milliseconds Timeout) const {
  return WaitForSingleObject(FInfo.hProcess, static_cast<DWORD>(Timeout.count())) == WAIT_OBJECT_0;
}

bool WaitUntil(const std::function<bool()>& Condition, std::chrono::milliseconds Timeout,
               std::chrono::milliseconds Poll) {
  const auto Deadline = std::chrono::steady_clock::now() + Timeout;
  for (;;) {
    if (Condition()) return true;
    if (std::chrono::steady_clock::now() >= Deadline) return false;
    std::this_thread::sleep_for(Poll);
  }
}

namespace {

struct TTopSearch {
  DWORD ProcessId;
  const std::wstring* Caption;
  HWND Found;
};

BOOL CALLBACK VisitTop(HWND Window, LPARAM Param) {
  auto& Search = *reinterpret_cast<TTopSearch*>(Param);
  DWORD Owner = 0;
  GetWindowThreadProcessId(Window, &Owner);
  if ((Search.ProcessId == 0 || Owner == Search.ProcessId) && IsWindowVisible(Window) && ReadText(Window) == *Search.Caption) {
    Search.Found = Window;
    return FALSE;
  }
  return TRUE;
}

std::vector<HWND> Descendants(HWND Parent) {
  std::vector<HWND> All;
  EnumChildWindows(
      Parent,
      [](HWND Window, LPARAM Param) -> BOOL {
        reinterpret_cast<std::vector<HWND>*>(Param)->push_back(Window);
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&All));
  return All;
}

void SendMouse(DWORD Flags) {
  INPUT Input{};
  Input.type = INPUT_MOUSE;
  Input.mi.dwFlags = Flags;
  SendInput(1, &Input, sizeof(Input));
}

void SendKey(WORD VirtualKey, wchar_t Unicode, bool Up) {
  INPUT Input{};
  Input.type = INPUT_KEYBOARD;
  Input.ki.wVk = VirtualKey;
  Input.ki.wScan = Unicode;
  Input.ki.dwFlags = (Unicode ? KEYEVENTF_UNICODE : 0) | (Up ? KEYEVENTF_KEYUP : 0);
  SendInput(1, &Input, sizeof(Input));
}

}  // namespace

HWND FindTopWindow(DWORD ProcessId, const std::wstring& Caption) {
  TTopSearch Search{ProcessId, &Caption, nullptr};
  EnumWindows(VisitTop, reinterpret_cast<LPARAM>(&Search));
  return Search.Found;
}

HWND FindTopWindowShowing(DWORD ProcessId, const std::wstring& Text) {
  struct TSearch {
    DWORD ProcessId;
    const std::wstring* Text;
    HWND Found;
  } Search{ProcessId, &Text, nullptr};
  EnumWindows(
      [](HWND Window, LPARAM Param) -> BOOL {
        auto& Query = *reinterpret_cast<TSearch*>(Param);
        DWORD Owner = 0;
        GetWindowThreadProcessId(Window, &Owner);
        if (Owner != Query.ProcessId || !IsWindowVisible(Window) || !FindChildByText(Window, *Query.Text))
          return TRUE;
        Query.Found = Window;
        return FALSE;
      },
      reinterpret_cast<LPARAM>(&Search));
  return Search.Found;
}

HWND FindChildByText(HWND Parent, const std::wstring& Text) {
  for (HWND Window : Descendants(Parent))
    if (ReadText(Window) == Text) return Window;
  return nullptr;
}

std::vector<HWND> FindEdits(HWND Parent, bool MultiLine) {
  std::vector<HWND> Edits;
  for (HWND Window : Descendants(Parent)) {
    // Asking the control itself works whatever class name a subclassing layer gives it.
    const auto Code = SendMessageW(Window, WM_GETDLGCODE, 0, 0);
    if (!(Code & DLGC_HASSETSEL)) continue;
    const bool IsMultiLine = (GetWindowLongW(Window, GWL_STYLE) & ES_MULTILINE) != 0;
    if (IsMultiLine == MultiLine) Edits.push_back(Window);
  }
  return Edits;
}

HWND FindApplicationWindow(DWORD ProcessId) {
  struct TSearch {
    DWORD ProcessId;
    HWND Found;
  } Search{ProcessId, nullptr};
  EnumWindows(
      [](HWND Window, LPARAM Param) -> BOOL {
        auto& Query = *reinterpret_cast<TSearch*>(Param);
        DWORD Owner = 0;
        GetWindowThreadProcessId(Window, &Owner);
        wchar_t Class[64]{};
        GetClassNameW(Window, Class, 64);
        if (Owner != Query.ProcessId || IsWindowVisible(Window) || std::wstring(Class) != L"QvUtilityWindow")
          return TRUE;
        Query.Found = Window;
        return FALSE;
      },
      reinterpret_cast<LPARAM>(&Search));
  return Search.Found;
}

bool SendPreviewBlock(HWND Window, std::uint32_t Magic, const std::string& SkinName, const std::string& SkinDir,
                      const std::string& Data, std::size_t Size) {
  std::vector<std::uint8_t> Block(std::max(Size, PreviewBlockSize), 0);
  for (std::size_t I = 0; I < 4; ++I) Block[PreviewMagicOffset + I] = static_cast<std::uint8_t>(Magic >> (8 * I));
  const auto Put = [&Block](const std::string& Text, std::size_t Offset, std::size_t Field) {
    std::copy_n(Text.begin(), std::min(Text.size(), Field - 1), Block.begin() + static_cast<std::ptrdiff_t>(Offset));
  };
  Put(SkinName, PreviewSkinNameOffset, PreviewSkinNameSize);
  Put(SkinDir, PreviewSkinDirOffset, PreviewSkinDirSize);
  Put(Data, PreviewDataOffset, PreviewDataSize);
  COPYDATASTRUCT Copy{0, static_cast<DWORD>(Size), Block.data()};
  DWORD_PTR Reply = 0;
  return SendMessageTimeoutW(Window, WM_COPYDATA, 7, reinterpret_cast<LPARAM>(&Copy), SMTO_ABORTIFHUNG, 5000,
                             &Reply) != 0;
}

COLORREF ClientPixel(HWND Window, POINT Point) {
  ClientToScreen(Window, &Point);
  const HDC Screen = GetDC(nullptr);
  const COLORREF Color = GetPixel(Screen, Point.x, Point.y);
  ReleaseDC(nullptr, Screen);
  return Color;
}

std::wstring ReadText(HWND Window) {
  DWORD_PTR Length = 0;
  if (!SendMessageTimeoutW(Window, WM_GETTEXTLENGTH, 0, 0, SMTO_ABORTIFHUNG, 5000, &Length)) return {};
  std::wstring Text(Length + 1, L'\0');
  DWORD_PTR Copied = 0;
  SendMessageTimeoutW(Window, WM_GETTEXT, Text.size(), reinterpret_cast<LPARAM>(Text.data()),
                      SMTO_ABORTIFHUNG, 5000, &Copied);
  Text.resize(Copied);
  return Text;
}

void Click(HWND Window) {
  RECT Bounds{};
  GetWindowRect(Window, &Bounds);
  SetForegroundWindow(GetAncestor(Window, GA_ROOT));
  SetCursorPos((Bounds.left + Bounds.right) / 2, (Bounds.top + Bounds.bottom) / 2);
  std::this_thread::sleep_for(30ms);
  SendMouse(MOUSEEVENTF_LEFTDOWN);
  std::this_thread::sleep_for(30ms);
  SendMouse(MOUSEEVENTF_LEFTUP);
  std::this_thread::sleep_for(30ms);
}

void Type(HWND Field, const std::wstring& Text) {
  Click(Field);
  SendKey(VK_CONTROL, 0, false);
  SendKey('A', 0, false);
  SendKey('A', 0, true);
  SendKey(VK_CONTROL, 0, true);
  SendKey(VK_DELETE, 0, false);
  SendKey(VK_DELETE, 0, true);
  for (wchar_t C : Text) {
    SendKey(0, C, false);
    SendKey(0, C, true);
  }
  std::this_thread::sleep_for(50ms);
}

std::wstring ExeDirectory() {
  std::wstring Path(MAX_PATH, L'\0');
  Path.resize(GetModuleFileNameW(nullptr, Path.data(), static_cast<DWORD>(Path.size())));
  return Path.substr(0, Path.find_last_of(L"\\/") + 1);
}

std::vector<DWORD> ProcessesNamed(const std::wstring& ExeName) {
  std::vector<DWORD> Ids;
  HANDLE Snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
  if (Snapshot == INVALID_HANDLE_VALUE) return Ids;
  PROCESSENTRY32W Entry{};
  Entry.dwSize = sizeof(Entry);
  for (BOOL More = Process32FirstW(Snapshot, &Entry); More; More = Process32NextW(Snapshot, &Entry))
    if (lstrcmpiW(Entry.szExeFile, ExeName.c_str()) == 0) Ids.push_back(Entry.th32ProcessID);
  CloseHandle(Snapshot);
  return Ids;
}

}  // namespace probe
