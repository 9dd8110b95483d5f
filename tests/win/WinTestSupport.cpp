#include "tests/win/WinTestSupport.h"

#include <algorithm>
#include <cstdint>
#include <thread>

#include "framework/Handles.h"

bool PumpUntil(const std::function<bool()>& Done, std::chrono::milliseconds Deadline) {
  const auto End = std::chrono::steady_clock::now() + Deadline;
  while (!Done()) {
    if (std::chrono::steady_clock::now() > End) return false;
    MSG Msg;
    while (PeekMessageW(&Msg, nullptr, 0, 0, PM_REMOVE)) {
      TranslateMessage(&Msg);
      DispatchMessageW(&Msg);
    }
    // Not WaitMessage: it may serve a worker's sent call itself and sleep on, missing the
    // change that call made.
    MsgWaitForMultipleObjects(0, nullptr, FALSE, 10, QS_ALLINPUT);
  }
  return true;
}

int TCapture::Count(COLORREF Color) const {
  return static_cast<int>(std::count(Pixels.begin(), Pixels.end(), Color));
}

int TCapture::Count(COLORREF Color, const RECT& Area) const {
  int N = 0;
  for (int Y = Area.top; Y < Area.bottom; ++Y)
    for (int X = Area.left; X < Area.right; ++X) N += At(X, Y) == Color;
  return N;
}

TCapture PrintClient(HWND Window, int Width, int Height, UINT Flags, COLORREF Under) {
  BITMAPINFO Info{};
  Info.bmiHeader.biSize = sizeof(Info.bmiHeader);
  Info.bmiHeader.biWidth = Width;
  Info.bmiHeader.biHeight = -Height;
  Info.bmiHeader.biPlanes = 1;
  Info.bmiHeader.biBitCount = 32;
  void* Bits = nullptr;
  const TUniqueBitmap Dib(CreateDIBSection(nullptr, &Info, DIB_RGB_COLORS, &Bits, nullptr, 0));
  const TMemoryDC DC(CreateCompatibleDC(nullptr));
  const TSelectObjectGuard Selected(DC.Get(), Dib.Get());
  const TUniqueBrush Brush(CreateSolidBrush(Under));
  const RECT All{0, 0, Width, Height};
  FillRect(DC.Get(), &All, Brush.Get());
  SendMessageW(Window, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(DC.Get()), Flags);
  GdiFlush();
  TCapture Capture{Width, Height, {}};
  const auto* Source = static_cast<const std::uint32_t*>(Bits);
  for (int I = 0; I < Width * Height; ++I) {
    const std::uint32_t P = Source[I];
    Capture.Pixels.push_back(RGB((P >> 16) & 0xFF, (P >> 8) & 0xFF, P & 0xFF));
  }
  return Capture;
}

TSeenBox WatchForBox(DWORD UiThread) {
  TSeenBox Seen;
  for (int Attempt = 0; Attempt < 2000; ++Attempt) {
    HWND Box = nullptr;
    EnumThreadWindows(
        UiThread,
        [](HWND Window, LPARAM Found) {
          wchar_t Class[16] = {};
          GetClassNameW(Window, Class, 16);
          if (std::wstring(Class) != L"#32770" || !IsWindowVisible(Window)) return TRUE;
          *reinterpret_cast<HWND*>(Found) = Window;
          return FALSE;
        },
        reinterpret_cast<LPARAM>(&Box));
    if (Box) {
      wchar_t Buffer[256] = {};
      GetWindowTextW(Box, Buffer, 256);
      Seen.Caption = Buffer;
      GetDlgItemTextW(Box, 0xFFFF, Buffer, 256);  // the message text's static control
      Seen.Text = Buffer;
      Seen.Owner = GetWindow(Box, GW_OWNER);
      EnumChildWindows(
          Box,
          [](HWND Child, LPARAM Icon) {
            if ((GetWindowLongPtrW(Child, GWL_STYLE) & SS_TYPEMASK) == SS_ICON && IsWindowVisible(Child)) {
              *reinterpret_cast<HICON*>(Icon) =
                  reinterpret_cast<HICON>(SendMessageW(Child, STM_GETICON, 0, 0));
            }
            return TRUE;
          },
          reinterpret_cast<LPARAM>(&Seen.Icon));
      PostMessageW(Box, WM_COMMAND, IDOK, 0);
      return Seen;
    }
    std::this_thread::sleep_for(10ms);
  }
  return Seen;
}

